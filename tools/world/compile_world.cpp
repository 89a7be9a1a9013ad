// compile_world LEGEND TERRAIN EVENTS OUTDIR
// Turns the world's text sources into the game's map.dat (140 x 506 bytes,
// row after row) and items.lst (120 lines "x,y,code" with CR LF).

#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>

#include "WorldSource.h"

namespace {

void WriteFile(const std::string& path, const std::string& bytes) {
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), std::streamsize(bytes.size()));
        if (!out.flush()) throw std::runtime_error(temporary + ": cannot be written");
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) throw std::runtime_error(path + ": cannot be written");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: compile_world LEGEND TERRAIN EVENTS OUTDIR\n");
        return 2;
    }
    try {
        const worldtool::Legend legend = worldtool::ReadLegend(argv[1]);
        const std::vector<uint8_t> terrain = worldtool::ReadTerrain(argv[2], legend);
        const std::vector<worldtool::Event> events = worldtool::ReadEvents(argv[3]);
        const std::string dir = argv[4];

        WriteFile(dir + "/map.dat", std::string(terrain.begin(), terrain.end()));
        // Digits and commas only, so the Shift_JIS file is plain ASCII.
        std::string items;
        for (const worldtool::Event& e : events)
            items += std::to_string(e.x) + "," + std::to_string(e.y) + "," + std::to_string(e.code) + "\r\n";
        WriteFile(dir + "/items.lst", items);
    } catch (const std::exception& problem) {
        std::fprintf(stderr, "compile_world: %s\n", problem.what());
        return 1;
    }
    return 0;
}
