#include "game/field/MapLayers.h"

#include <fstream>
#include <iterator>
#include <sstream>

namespace zanbora {

bool LoadTerrainFile(const std::string& path, MapLayers& map, std::string& problem) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        problem = "見つかりません";
        return false;
    }
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        problem = "読み込めません";
        return false;
    }
    if (bytes.size() != kMapFileSize) {
        problem = "大きさが " + std::to_string(bytes.size()) + " バイトです（" + std::to_string(kMapFileSize) +
                  " バイトのはずです）";
        return false;
    }
    map.terrain = std::move(bytes);
    return true;
}

bool ApplyItemList(const std::string& path, MapLayers& map) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::string line;
    while (std::getline(in, line)) {
        for (char& c : line)
            if (c == ',') c = ' ';
        std::istringstream fields(line);
        int x, y, code;
        if (fields >> x >> y >> code) map.setEvent(x, y, code);
    }
    return true;
}

}  // namespace zanbora
