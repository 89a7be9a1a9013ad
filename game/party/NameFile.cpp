#include "game/party/NameFile.h"

#include <algorithm>
#include <sstream>

#include "game/core/HeroName.h"
#include "game/core/TextCodec.h"
#include "platform/FileRead.h"
#include "platform/SafeFile.h"

namespace zanbora {

static void TrimLineEnd(std::string& line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.pop_back();
}

bool ParseNameFile(const std::string& bytes, NameFile& out) {
    std::istringstream in(bytes);
    std::string nameLine, skipLine;
    if (!std::getline(in, nameLine)) return false;
    std::getline(in, skipLine);
    TrimLineEnd(nameLine);
    TrimLineEnd(skipLine);
    NameFile read;
    // No longer than the name box takes: a hand-made name of thousands of
    // characters would make every click in the box re-measure all of them.
    size_t characters = 0;
    for (const std::string& c : Utf8Characters(Cp932ToUtf8(nameLine))) {
        if (characters++ == kMaxHeroNameLength) break;
        read.name += c;
    }
    std::istringstream number(skipLine);
    int skip = 1;
    // A hand-edited file must not make every frame seconds long.
    if (number >> skip && skip >= 1) read.drawSkip = std::min(skip, kMaxDrawSkip);
    out = read;
    return true;
}

bool ReadNameFile(const std::string& path, NameFile& out) {
    std::string bytes;
    if (ReadRegularFile(path, kNameFileLimit, bytes).problem != FileProblem::None) return false;
    return ParseNameFile(bytes, out);
}

bool WriteNameFile(const std::string& path, const NameFile& in) {
    std::string name;
    if (!Utf8ToCp932(in.name, name)) return false;
    std::string error;
    // The draw skip (1 or more) as every stored number: a blank before and after.
    return WriteFileAtomically(path, name + "\r\n " + std::to_string(in.drawSkip) + " \r\n", error);
}

}  // namespace zanbora
