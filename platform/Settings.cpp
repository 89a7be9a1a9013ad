#include "platform/Settings.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <cctype>
#include <iterator>
#include <sstream>

#include "platform/FileRead.h"
#include "platform/KeyCodes.h"
#include "platform/SafeFile.h"

namespace zanbora {

namespace {

constexpr int kMaxScale = 8;

struct KeyAction {
    const char* name;
    int virtualKey;  // what the game's key handlers see
    const char* defaults;
};
constexpr KeyAction kActions[] = {
    {"left", vk::Left, "Left"},
    {"up", vk::Up, "Up"},
    {"right", vk::Right, "Right"},
    {"down", vk::Down, "Down"},
    {"decide", vk::X, "X, Space, Return, Keypad Enter"},
    {"cancel", vk::Z, "Z, Escape, Left Shift, Right Shift"},
    {"fastforward", vk::FastForward, "F"},
};

std::string Trim(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    const size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

// The length of the UTF-8 character at `at`, 0 when the bytes there are none.
size_t Utf8SequenceLength(const std::string& text, size_t at) {
    const unsigned char lead = static_cast<unsigned char>(text[at]);
    const size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || at + length > text.size()) return 0;
    for (size_t k = 1; k < length; ++k)
        if ((static_cast<unsigned char>(text[at + k]) & 0xC0) != 0x80) return 0;
    return length;
}

// A text from the file as it may be shown in a terminal: control bytes and
// bytes that are not UTF-8 as \xNN, and cut after kShownBytes.
constexpr size_t kShownBytes = 60;
std::string Shown(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size() && i < kShownBytes;) {
        const size_t length = Utf8SequenceLength(text, i);
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (length > 1 || (length == 1 && c >= 0x20 && c != 0x7F)) {
            out.append(text, i, length);
            i += length;
            continue;
        }
        char escaped[5];
        std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
        out += escaped;
        ++i;
    }
    if (text.size() > kShownBytes) out += "...";
    return out;
}

// "X, Space" -> SDL key codes, each once; false when a name is not a key or
// is a key the game keeps for itself (F12 takes screenshots).
bool ReadKeyList(const std::string& value, std::vector<int>& codes, std::string& bad, std::string& why) {
    std::stringstream list(value);
    for (std::string name; std::getline(list, name, ',');) {
        name = Trim(name);
        const SDL_Keycode code = SDL_GetKeyFromName(name.c_str());
        if (name.empty() || code == SDLK_UNKNOWN || code == SDLK_F12) {
            bad = name;
            why = code == SDLK_F12 ? "takes screenshots" : "is not a key";
            return false;
        }
        if (std::find(codes.begin(), codes.end(), code) == codes.end()) codes.push_back(code);
    }
    return !codes.empty();
}

bool ReadWholeNumber(const std::string& value, int low, int high, int& out) {
    if (value.empty() || value.size() > 4 || value.find_first_not_of("0123456789") != std::string::npos) return false;
    const int number = std::stoi(value);
    if (number < low || number > high) return false;
    out = number;
    return true;
}

bool ReadYesNo(const std::string& value, bool& out) {
    const std::string word = Lower(value);
    if (word == "yes" || word == "on" || word == "true" || word == "1") return out = true, true;
    if (word == "no" || word == "off" || word == "false" || word == "0") return out = false, true;
    return false;
}

}  // namespace

int Settings::virtualKey(int sdlKeycode) const {
    for (const auto& [code, key] : keys)
        if (code == sdlKeycode) return key;
    return 0;
}

std::string DefaultSettingsText() {
    std::string text =
        "; ザンボラ戦記 settings. Each line is \"name = value\"; a \";\" starts a comment.\n"
        "; A line the game cannot use is reported when it starts and its default is used.\n"
        ";\n"
        "; Keys for each action: key names as SDL writes them (Left, X, Space, Return,\n"
        "; Escape, Left Shift, Keypad 8, A, ...), several separated by commas.\n"
        "; While a fastforward key is held, the game runs four times as fast.\n"
        "; Alt+Enter (full screen), F12 (screenshot) and Alt+F4 (quit) are fixed.\n";
    for (const KeyAction& action : kActions) text += std::string(action.name) + " = " + action.defaults + "\n";
    text +=
        "\n"
        "; Window size as a whole multiple of 640 x 480; 0 picks the biggest that fits\n"
        "; the desktop, at most 2.\n"
        "scale = 0\n"
        "\n"
        "; Full screen on the whole desktop, yes or no (Alt+Enter switches and remembers).\n"
        "fullscreen = no\n"
        "\n"
        "; Volumes from 0 (silent) to 100.\n"
        "music = 100\n"
        "effects = 100\n";
    return text;
}

Settings ParseSettings(const std::string& text, std::vector<std::string>& problems) {
    Settings settings;
    std::vector<int> actionKeys[std::size(kActions)];
    bool actionSet[std::size(kActions)] = {};

    std::stringstream lines(text);
    int number = 0;
    for (std::string line; std::getline(lines, line);) {
        ++number;
        const std::string where = "line " + std::to_string(number) + ": ";
        line = Trim(line.substr(0, line.find(';')));
        if (line.empty()) continue;
        const size_t equals = line.find('=');
        if (equals == std::string::npos) {
            problems.push_back(where + "\"" + Shown(line) + "\" is not \"name = value\"; ignored");
            continue;
        }
        const std::string name = Lower(Trim(line.substr(0, equals)));
        const std::string value = Trim(line.substr(equals + 1));

        const auto action = std::find_if(std::begin(kActions), std::end(kActions),
                                         [&](const KeyAction& a) { return name == a.name; });
        if (action != std::end(kActions)) {
            const size_t index = size_t(action - std::begin(kActions));
            std::vector<int> codes;
            std::string bad, why;
            if (ReadKeyList(value, codes, bad, why)) {
                actionKeys[index] = codes;
                actionSet[index] = true;
            } else {
                problems.push_back(where +
                                   (bad.empty() ? std::string("no key given") : "\"" + Shown(bad) + "\" " + why) +
                                   " for " + name + "; using " + action->defaults);
            }
        } else if (name == "scale") {
            if (!ReadWholeNumber(value, 0, kMaxScale, settings.scale))
                problems.push_back(where + "scale \"" + Shown(value) + "\" is not a whole number from 0 to " +
                                   std::to_string(kMaxScale) + "; using 0");
        } else if (name == "fullscreen") {
            if (!ReadYesNo(value, settings.fullScreen))
                problems.push_back(where + "fullscreen \"" + Shown(value) + "\" is not yes or no; using no");
        } else if (name == "music" || name == "effects") {
            int& volume = name == "music" ? settings.musicVolume : settings.effectVolume;
            if (!ReadWholeNumber(value, 0, 100, volume))
                problems.push_back(where + name + " \"" + Shown(value) + "\" is not a volume from 0 to 100; using 100");
        } else {
            problems.push_back(where + "unknown setting \"" + Shown(name) + "\"; ignored");
        }
    }

    for (size_t i = 0; i < std::size(kActions); ++i) {
        if (!actionSet[i]) {
            std::string ignored, why;
            ReadKeyList(kActions[i].defaults, actionKeys[i], ignored, why);
        }
        // Keys an earlier action already has stay with it: one sentence per
        // action, however many keys its line repeats.
        std::string taken, owner;
        bool owners = false;  // more than one action owns them
        int takenCount = 0;
        for (int code : actionKeys[i]) {
            if (int key = settings.virtualKey(code)) {
                const auto first = std::find_if(std::begin(kActions), std::end(kActions),
                                                [&](const KeyAction& a) { return a.virtualKey == key; });
                taken += std::string(takenCount++ ? ", " : "") + "\"" + Shown(SDL_GetKeyName(code)) + "\"";
                owners = owners || (!owner.empty() && owner != first->name);
                owner = first->name;
                continue;
            }
            settings.keys.emplace_back(code, kActions[i].virtualKey);
        }
        const std::string name = kActions[i].name;
        if (owners)
            problems.push_back("keys " + taken + " for " + name + " are given to other actions already; they keep them");
        else if (takenCount == 1)
            problems.push_back("key " + taken + " is given to both " + owner + " and " + name + "; it does " + owner);
        else if (takenCount > 1)
            problems.push_back("keys " + taken + " are given to both " + owner + " and " + name + "; they do " + owner);
    }
    return settings;
}

std::string WithSetting(const std::string& text, const std::string& name, const std::string& value) {
    std::stringstream lines(text);
    std::string out;
    bool replaced = false;
    for (std::string line; std::getline(lines, line);) {
        const std::string content = Trim(line.substr(0, line.find(';')));
        const size_t equals = content.find('=');
        if (!replaced && equals != std::string::npos && Lower(Trim(content.substr(0, equals))) == name) {
            line = name + " = " + value;
            replaced = true;
        }
        out += line + "\n";
    }
    if (!replaced) out += name + " = " + value + "\n";
    return out;
}

// A settings file is a few dozen short lines.
constexpr size_t kSettingsFileLimit = 64 * 1024;

enum class SettingsRead { Read, Missing, Unreadable };

// The settings as they stand in the file. A FIFO, a device, a folder or a
// huge file is never read.
static SettingsRead ReadSettingsText(const std::string& path, std::string& text) {
    const FileReadResult read = ReadRegularFile(path, kSettingsFileLimit, text);
    if (read.problem == FileProblem::None) return SettingsRead::Read;
    return read.problem == FileProblem::Missing ? SettingsRead::Missing : SettingsRead::Unreadable;
}

// Said once: the file stays as the player left it, whatever is changed.
static void SayLeftAlone(const std::string& path) {
    std::fprintf(stderr,
                 "ZANBORA: %s is not a settings file that can be read; using the default settings and leaving the "
                 "file as it is (changes last for this run only)\n",
                 path.c_str());
}

Settings LoadSettingsFile(const std::string& path) {
    std::string text;
    const SettingsRead read = ReadSettingsText(path, text);
    if (read == SettingsRead::Unreadable) {
        SayLeftAlone(path);
        text = DefaultSettingsText();
    }
    if (read == SettingsRead::Missing) {
        text = DefaultSettingsText();
        std::string error;
        if (!WriteFileAtomically(path, text, error))
            std::fprintf(stderr, "ZANBORA: cannot write %s (%s); using the default settings\n", path.c_str(),
                         error.c_str());
    }
    std::vector<std::string> problems;
    Settings settings = ParseSettings(text, problems);
    for (const std::string& problem : problems) std::fprintf(stderr, "ZANBORA: %s %s\n", path.c_str(), problem.c_str());
    settings.fileLeftAlone = read == SettingsRead::Unreadable;
    return settings;
}

bool SaveSetting(const std::string& path, Settings& settings, const std::string& name, const std::string& value) {
    if (settings.fileLeftAlone) return false;
    std::string text;
    const SettingsRead read = ReadSettingsText(path, text);
    if (read == SettingsRead::Unreadable) {
        SayLeftAlone(path);
        settings.fileLeftAlone = true;
        return false;
    }
    if (read == SettingsRead::Missing) text = DefaultSettingsText();
    std::string error;
    if (WriteFileAtomically(path, WithSetting(text, name, value), error)) return true;
    std::fprintf(stderr, "ZANBORA: cannot write %s (%s)\n", path.c_str(), error.c_str());
    return false;
}

}  // namespace zanbora
