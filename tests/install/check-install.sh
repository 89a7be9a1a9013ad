#!/usr/bin/env bash
# Installs the built game into a temporary prefix, checks the installed tree,
# then starts the installed game under Xvfb as a player who may write into it
# (an install into the player's own ~/.local, or root's /usr/local): name.ini
# must still land in ~/.local/share/zanbora and settings.ini in
# ~/.config/zanbora, never in the game folder.
#   check-install.sh <build folder>
set -euo pipefail
build="$1"
work="$(mktemp -d /tmp/zanbora-install.XXXXXX)"
xvfb_pid=""
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  chmod -R u+w "$work" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

# The tree.
game="$prefix/lib/zanbora"
for f in ZANBORA libPadPort.so libResMode.so map.dat items.lst cg/icon.png cg/title.jpg wave midi installed; do
  [ -e "$game/$f" ] || fail "missing $game/$f"
done
for f in saves name.ini settings.ini screenshots .zanbora.lock; do
  [ ! -e "$game/$f" ] || fail "a player's file was installed: $game/$f"
done
[ -x "$prefix/bin/zanbora" ] || fail "no launcher in bin/"
desktop="$prefix/share/applications/zanbora.desktop"
[ -f "$desktop" ] || fail "no menu entry"
for line in 'Type=Application' 'Exec=zanbora' 'Icon=zanbora' 'Name[ja]=ザンボラ戦記' 'Categories=Game;RolePlaying;'; do
  grep -qxF "$line" "$desktop" || fail "menu entry lacks $line"
done
for size in 48 64 128 256; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/zanbora.png"
  [ -f "$icon" ] || fail "no $size x $size icon"
  [ "$(head -c 8 "$icon" | od -An -tx1 | tr -d ' \n')" = "89504e470d0a1a0a" ] || fail "the icon is not a PNG"
  [ "$(od -An -tu1 -j18 -N6 "$icon" | tr -s ' ' | sed 's/^ //')" = "$((size >> 8)) $((size & 255)) 0 0 $((size >> 8)) $((size & 255))" ] ||
    fail "the $size icon is not $size x $size"
done
metainfo=$(ls "$prefix"/share/metainfo/*.metainfo.xml)
grep -qF "<release version=\"$("$prefix/bin/zanbora" --version | cut -d' ' -f2)\"" "$metainfo" ||
  fail "the metadata's release is not the program's version"
[ -s "$prefix/share/man/man6/zanbora.6.gz" ] || fail "no manual page"

# A run of the installed game by a player who owns its folder.
home="$work/home"
mkdir -p "$home"
Xvfb -displayfd 3 -ac -nolisten tcp -screen 0 1280x1024x24 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
display=":$(cat "$work/display")"

# The game writes name.ini when a hero starts: Enter skips the title, then
# a name typed into the start screen's box and Enter start him. Each round
# first clears the box, so a round that came too early does no harm.
data="$home/.local/share/zanbora"
config="$home/.config/zanbora"
env -u ZANBORA_DIR -u XDG_DATA_HOME -u XDG_CONFIG_HOME HOME="$home" DISPLAY="$display" SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy \
  SDL_RENDER_DRIVER=software SDL_FRAMEBUFFER_ACCELERATION=0 ASAN_OPTIONS=detect_leaks=0 \
  timeout 120 "$prefix/bin/zanbora" 2>"$work/stderr" &
game_pid=$!
press() {  # window key: held long enough for the game's frame to see it
  DISPLAY="$display" xdotool keydown --window "$1" "$2" 2>/dev/null || true
  sleep 0.15
  DISPLAY="$display" xdotool keyup --window "$1" "$2" 2>/dev/null || true
}
for i in $(seq 1200); do
  [ -f "$data/name.ini" ] && break
  kill -0 "$game_pid" 2>/dev/null || { cat "$work/stderr" >&2; fail "the installed game stopped by itself"; }
  if [ $((i % 30)) -eq 0 ]; then
    for window in $(DISPLAY="$display" xdotool search --onlyvisible --class '^ZANBORA$' 2>/dev/null); do
      press "$window" Return
      sleep 1
      for _ in 1 2 3 4 5 6 7 8; do press "$window" BackSpace; done
      DISPLAY="$display" xdotool type --window "$window" --delay 150 Mame 2>/dev/null || true
      press "$window" Return
    done
  fi
  sleep 0.1
done
kill "$game_pid" 2>/dev/null || true
wait "$game_pid" 2>/dev/null || true
grep -qF "saves are kept in $data, settings in $config" "$work/stderr" || fail "the game did not say where it keeps things"
[ -f "$config/settings.ini" ] || fail "no settings.ini in $config"
[ -f "$data/name.ini" ] || fail "no name.ini in $data"
[ -d "$data/saves" ] || fail "no saves folder in $data"
for f in name.ini settings.ini saves .zanbora.lock; do
  [ ! -e "$game/$f" ] || fail "the game wrote $f into its installed folder"
done
echo "installed tree and a run of the installed game: fine"
