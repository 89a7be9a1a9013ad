#include "platform/Settings.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>
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

// "X, Space" -> SDL key codes; false when a name is not a key.
bool ReadKeyList(const std::string& value, std::vector<int>& codes, std::string& bad) {
    std::stringstream list(value);
    for (std::string name; std::getline(list, name, ',');) {
        name = Trim(name);
        const SDL_Keycode code = SDL_GetKeyFromName(name.c_str());
        if (name.empty() || code == SDLK_UNKNOWN) {
            bad = name;
            return false;
        }
        codes.push_back(code);
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
            problems.push_back(where + "\"" + line + "\" is not \"name = value\"; ignored");
            continue;
        }
        const std::string name = Lower(Trim(line.substr(0, equals)));
        const std::string value = Trim(line.substr(equals + 1));

        const auto action = std::find_if(std::begin(kActions), std::end(kActions),
                                         [&](const KeyAction& a) { return name == a.name; });
        if (action != std::end(kActions)) {
            const size_t index = size_t(action - std::begin(kActions));
            std::vector<int> codes;
            std::string bad;
            if (ReadKeyList(value, codes, bad)) {
                actionKeys[index] = codes;
                actionSet[index] = true;
            } else {
                problems.push_back(where + (bad.empty() ? std::string("no key given") : "\"" + bad + "\" is not a key") +
                                   " for " + name + "; using " + action->defaults);
            }
        } else if (name == "scale") {
            if (!ReadWholeNumber(value, 0, kMaxScale, settings.scale))
                problems.push_back(where + "scale \"" + value + "\" is not a whole number from 0 to " +
                                   std::to_string(kMaxScale) + "; using 0");
        } else if (name == "fullscreen") {
            if (!ReadYesNo(value, settings.fullScreen))
                problems.push_back(where + "fullscreen \"" + value + "\" is not yes or no; using no");
        } else if (name == "music" || name == "effects") {
            int& volume = name == "music" ? settings.musicVolume : settings.effectVolume;
            if (!ReadWholeNumber(value, 0, 100, volume))
                problems.push_back(where + name + " \"" + value + "\" is not a volume from 0 to 100; using 100");
        } else {
            problems.push_back(where + "unknown setting \"" + name + "\"; ignored");
        }
    }

    for (size_t i = 0; i < std::size(kActions); ++i) {
        if (!actionSet[i]) {
            std::string ignored;
            ReadKeyList(kActions[i].defaults, actionKeys[i], ignored);
        }
        for (int code : actionKeys[i]) {
            if (int taken = settings.virtualKey(code)) {
                const auto owner = std::find_if(std::begin(kActions), std::end(kActions),
                                                [&](const KeyAction& a) { return a.virtualKey == taken; });
                problems.push_back(std::string("key \"") + SDL_GetKeyName(code) + "\" is given to both " + owner->name +
                                   " and " + kActions[i].name + "; it does " + owner->name);
                continue;
            }
            settings.keys.emplace_back(code, kActions[i].virtualKey);
        }
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

// The settings as they stand in the file; "" with `missing` set when there
// is no file. A FIFO, a device or a huge file is never read: the defaults
// stand in, with one line on stderr.
static std::string ReadSettingsText(const std::string& path, bool& missing) {
    std::string text;
    const FileReadResult read = ReadRegularFile(path, kSettingsFileLimit, text);
    missing = read.problem == FileProblem::Missing;
    if (read.problem == FileProblem::None || missing) return text;
    std::fprintf(stderr, "ZANBORA: %s is not a settings file that can be read; using the default settings\n",
                 path.c_str());
    return DefaultSettingsText();
}

Settings LoadSettingsFile(const std::string& path) {
    bool missing = false;
    std::string text = ReadSettingsText(path, missing);
    if (missing) {
        text = DefaultSettingsText();
        std::string error;
        if (!WriteFileAtomically(path, text, error))
            std::fprintf(stderr, "ZANBORA: cannot write %s (%s); using the default settings\n", path.c_str(),
                         error.c_str());
    }
    std::vector<std::string> problems;
    Settings settings = ParseSettings(text, problems);
    for (const std::string& problem : problems) std::fprintf(stderr, "ZANBORA: %s %s\n", path.c_str(), problem.c_str());
    return settings;
}

bool SaveSetting(const std::string& path, const std::string& name, const std::string& value) {
    bool missing = false;
    std::string text = ReadSettingsText(path, missing);
    if (missing) text = DefaultSettingsText();
    std::string error;
    if (WriteFileAtomically(path, WithSetting(text, name, value), error)) return true;
    std::fprintf(stderr, "ZANBORA: cannot write %s (%s)\n", path.c_str(), error.c_str());
    return false;
}

}  // namespace zanbora
