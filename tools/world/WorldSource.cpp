#include "WorldSource.h"

#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>
#include <utility>

namespace worldtool {

namespace {

std::ifstream Open(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error(path + ": cannot be read");
    return in;
}

// One line without its CR LF or LF.
bool NextLine(std::istream& in, std::string& line) {
    if (!std::getline(in, line)) return false;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
}

[[noreturn]] void Fail(const std::string& path, int line, const std::string& what) {
    throw std::runtime_error(path + ":" + std::to_string(line) + ": " + what);
}

}  // namespace

Legend ReadLegend(const std::string& path) {
    Legend legend;
    legend.code.fill(-1);
    std::ifstream in = Open(path);
    std::string line;
    int number = 0;
    while (NextLine(in, line)) {
        ++number;
        if (line.empty() || line.rfind("//", 0) == 0) continue;
        // "C CODE meaning": the cell character, a blank, the terrain code.
        std::istringstream fields(line.substr(1));
        int code = -1;
        if (line.size() < 3 || line[1] != ' ' || !(fields >> code) || code < 0 || code > 255)
            Fail(path, number, "expected a character, a blank and a terrain code 0..255");
        const auto c = static_cast<unsigned char>(line[0]);
        if (legend.code[c] >= 0) Fail(path, number, std::string("character '") + line[0] + "' is given twice");
        legend.code[c] = code;
        std::string meaning;
        std::getline(fields >> std::ws, meaning);
        legend.meaning[c] = meaning;
    }
    return legend;
}

std::vector<uint8_t> ReadTerrain(const std::string& path, const Legend& legend) {
    std::vector<uint8_t> cells;
    cells.reserve(size_t(kColumns) * kRows);
    std::ifstream in = Open(path);
    std::string line;
    int row = 0;
    while (NextLine(in, line)) {
        if (row == kRows) Fail(path, row + 1, "the map has more than " + std::to_string(kRows) + " rows");
        if (int(line.size()) != kColumns)
            Fail(path, row + 1,
                 "row " + std::to_string(row) + " has " + std::to_string(line.size()) + " characters, expected " +
                     std::to_string(kColumns));
        for (int x = 0; x < kColumns; ++x) {
            const int code = legend.code[static_cast<unsigned char>(line[x])];
            if (code < 0)
                Fail(path, row + 1,
                     std::string("column ") + std::to_string(x) + ": character '" + line[x] + "' is not in the legend");
            cells.push_back(uint8_t(code));
        }
        ++row;
    }
    if (row != kRows)
        throw std::runtime_error(path + ": the map has " + std::to_string(row) + " rows, expected " +
                                 std::to_string(kRows));
    return cells;
}

std::vector<Event> ReadEvents(const std::string& path) {
    std::vector<Event> events;
    std::set<std::pair<int, int>> used;
    std::ifstream in = Open(path);
    std::string line;
    int number = 0;
    while (NextLine(in, line)) {
        ++number;
        const size_t comment = line.find('#');
        std::string data = line.substr(0, comment);
        if (data.find_first_not_of(" \t") == std::string::npos) continue;
        for (char& c : data)
            if (c == ',') c = ' ';
        std::istringstream fields(data);
        Event event{0, 0, 0, number};
        std::string rest;
        if (!(fields >> event.x >> event.y >> event.code) || (fields >> rest))
            Fail(path, number, "expected \"x,y,code\"");
        if (event.x < 0 || event.x >= kEventColumns || event.y < 0 || event.y >= kEventRows)
            Fail(path, number, "the cell lies outside the event layer (columns 0..100, rows 0..590)");
        if (event.code < -32768 || event.code > 32767) Fail(path, number, "the code does not fit 16 bits");
        if (!used.insert({event.x, event.y}).second)
            Fail(path, number, "a second event on cell " + std::to_string(event.x) + "," + std::to_string(event.y));
        events.push_back(event);
    }
    if (int(events.size()) != kEventCount)
        throw std::runtime_error(path + ": " + std::to_string(events.size()) + " events, the game reads exactly " +
                                 std::to_string(kEventCount));
    return events;
}

}  // namespace worldtool
