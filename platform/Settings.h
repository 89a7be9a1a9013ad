#pragma once
// settings.ini: the player's own keys, window scale, full screen and
// volumes. Plain text of "name = value" lines with ";" comments, kept beside
// name.ini. A line the game cannot use gets one line on stderr and the
// default; the game always starts.
#include <string>
#include <utility>
#include <vector>

namespace zanbora {

struct Settings {
    // SDL key code -> the game's virtual key code (see KeyCodes.h).
    std::vector<std::pair<int, int>> keys;
    int scale = 0;  // whole-number window scale; 0 picks the biggest that fits, at most 2
    bool fullScreen = false;  // desktop full screen (Alt+Enter)
    int musicVolume = 100;    // percent
    int effectVolume = 100;   // percent
    // The file was there but could not be read: it is never written over.
    bool fileLeftAlone = false;

    // The game's key for an SDL key code, 0 for keys the game ignores.
    int virtualKey(int sdlKeycode) const;
};

// The commented file written for a player who has none.
std::string DefaultSettingsText();

// Reads the text of a settings file; each line it cannot use adds one
// sentence to `problems` ("line 4: ...; using ...").
Settings ParseSettings(const std::string& text, std::vector<std::string>& problems);

// The same text with `name = value` set: the first line naming it is
// replaced, or the line is added at the end; everything else stays as the
// player wrote it.
std::string WithSetting(const std::string& text, const std::string& name, const std::string& value);

// Reads `path`, printing each problem on stderr; writes the default file
// when there is none. A file that is there but cannot be read (too big, not
// a plain file, not readable) gives the defaults and is left alone.
Settings LoadSettingsFile(const std::string& path);
// Sets one value in the file at `path` (made from the default when missing).
// False, with the reason on stderr, when it cannot be written, and at once
// for a file left alone; a file found unreadable only now is said once and
// left alone from then on.
bool SaveSetting(const std::string& path, Settings& settings, const std::string& name, const std::string& value);

}  // namespace zanbora
