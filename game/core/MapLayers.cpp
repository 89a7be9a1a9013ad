#include "game/core/MapLayers.h"

#include <sstream>

#include "platform/FileRead.h"

namespace zanbora {

static std::string WrongSize(size_t size) {
    return "大きさが " + std::to_string(size) + " バイトです（" + std::to_string(kMapFileSize) + " バイトのはずです）";
}

bool LoadTerrainFile(const std::string& path, MapLayers& map, std::string& problem) {
    std::string bytes;
    const FileReadResult read = ReadRegularFile(path, kMapFileSize, bytes);
    switch (read.problem) {
        case FileProblem::None: break;
        case FileProblem::Missing: problem = "見つかりません"; return false;
        case FileProblem::NoPermission: problem = "読めません（読み取りが許可されていません）"; return false;
        case FileProblem::NotAFile: problem = "ファイルではありません（フォルダか特殊なファイルです）"; return false;
        case FileProblem::TooBig: problem = WrongSize(read.size); return false;
        case FileProblem::Failed: problem = "読み込めません（" + read.reason + "）"; return false;
    }
    if (bytes.size() != kMapFileSize) {
        problem = WrongSize(bytes.size());
        return false;
    }
    map.terrain.assign(bytes.begin(), bytes.end());
    return true;
}

void ApplyItemListText(const std::string& text, MapLayers& map) {
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        for (char& c : line)
            if (c == ',') c = ' ';
        std::istringstream fields(line);
        int x, y, code;
        if (fields >> x >> y >> code) map.setEvent(x, y, code);
    }
}

bool ApplyItemList(const std::string& path, MapLayers& map) {
    std::string text;
    if (ReadRegularFile(path, kItemListLimit, text).problem != FileProblem::None) return false;
    ApplyItemListText(text, map);
    return true;
}

}  // namespace zanbora
