#!/usr/bin/env bash
# The layer check on small made-up trees: it names every include that points
# up or sideways (file and line), passes a tree that only points down, and
# refuses a folder it has no place for.
set -uo pipefail
check=$1
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

put() {  # put <file> <lines...>
    mkdir -p "$(dirname "$tree/game/$1")"
    local file=$tree/game/$1
    shift
    printf '%s\n' "$@" > "$file"
}

# A tree whose includes all point down or stay home.
put core/Game.h '#pragma once'
put core/Frame.cpp '#include "game/core/Frame.h"' '#include "game/core/Game.h"'
put view/Panel.cpp '#include <string>' '' '#include "game/core/Game.h"' '#include "platform/Platform.h"'
put story/Scene.cpp '#include "game/party/Town.h"' '#include "game/battle/Battle.h"'
put flow/Main.cpp '#include "game/story/Scene.h"' '#include "game/core/Game.h"'
output=$(bash "$check" "$tree/game" 2>&1) || fail "a tree that points down was refused: $output"

# Up, sideways, the other spellings of an include, and a folder with no place.
put core/Input.cpp '// input' '#include "game/core/Game.h"' '#include "game/flow/Main.h"'
put party/Town.cpp '#include "game/story/Scene.h"'
put battle/Duel.cpp '  #  include <game/view/Panel.h>' '#include <game/field/Walk.h>'
put view/Panel.h '#include "game/extras/Thing.h"'
put shell/Old.cpp '#include "game/core/Game.h"'
output=$(bash "$check" "$tree/game" 2>&1)
status=$?
[ "$status" -eq 1 ] || fail "exit status $status, not 1, for a tree with wrong includes"
expect() { grep -qF -- "$1" <<< "$output" || fail "no line with '$1' in: $output"; }
expect "game/core/Input.cpp:3: includes game/flow/"
expect "game/party/Town.cpp:1: includes game/story/"
expect "game/battle/Duel.cpp:2: includes game/field/"
expect "game/view/Panel.h:1: includes game/extras/"
expect "game/shell/: a folder with no place"
for fine in "Duel.cpp:1" "Scene.cpp" "Main.cpp" "Frame.cpp" "Input.cpp:2"; do
    grep -qF "$fine" <<< "$output" && fail "a downward include was reported ($fine): $output"
done

# Calls: a lower folder's code calling into a higher one through a header of
# its own is found in the compiled files; a call downwards, or through the
# one declared interface, is not.
compile() {  # compile <folder/File> <source>
    mkdir -p "$tree/obj/${1%/*}"
    printf '%s\n' "$2" > "$tree/src.cpp"
    g++ -std=c++20 -c "$tree/src.cpp" -o "$tree/obj/$1.cpp.o" || fail "cannot compile $1"
}
compile core/Game 'namespace zanbora { struct Game {}; void Present(Game&) {} void PPPN(Game&); void Start(Game& g) { PPPN(g); } }'
compile field/Walking 'namespace zanbora { struct Game; void EnterInn(Game&); void Present(Game&); void Walk(Game& g) { Present(g); EnterInn(g); } }'
compile party/Inn 'namespace zanbora { struct Game; void Present(Game&); void EnterInn(Game& g) { Present(g); } }'
compile flow/StartGame 'namespace zanbora { struct Game; void Walk(Game&); void PPPN(Game& g) { Walk(g); } }'
output=$(bash "$check" --objects "$tree"/obj/*/*.o 2>&1)
status=$?
[ "$status" -eq 1 ] || fail "exit status $status, not 1, for a call upwards: $output"
expect "game/field/Walking.cpp calls zanbora::EnterInn(zanbora::Game&), defined above it in game/party/Inn.cpp"
[ "$(grep -c ' calls ' <<< "$output")" -eq 1 ] || fail "more than the one call upwards reported: $output"
rm "$tree/obj/field/Walking.cpp.o"
output=$(bash "$check" --objects "$tree"/obj/*/*.o 2>&1) || fail "calls that point down were refused: $output"

# A folder compiled as one file is known by that file's name.
compile field/Walking 'namespace zanbora { struct Game; void EnterInn(Game&); void Walk(Game& g) { EnterInn(g); } }'
mkdir -p "$tree/obj/Unity"
mv "$tree/obj/field/Walking.cpp.o" "$tree/obj/Unity/unity_field_cxx.cxx.o"
mv "$tree/obj/party/Inn.cpp.o" "$tree/obj/Unity/unity_party_cxx.cxx.o"
output=$(bash "$check" --objects "$tree"/obj/*/*.o 2>&1)
status=$?
[ "$status" -eq 1 ] || fail "exit status $status, not 1, for a call upwards between whole folders: $output"
expect "game/field/unity_field_cxx.cxx calls zanbora::EnterInn(zanbora::Game&), defined above it in game/party/unity_party_cxx.cxx"

[ "$failures" -eq 0 ] && echo "check-layers: every case as expected"
exit $((failures > 0))
