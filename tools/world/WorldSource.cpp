#include "WorldSource.h"

#include <fstream>
#include <set>
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

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A whole field that is an integer: blanks around it, an optional minus sign,
// at most nine digits and nothing else ("5x", "5.7" and "" are not numbers).
bool WholeNumber(const std::string& field, int& out) {
    size_t from = 0, to = field.size();
    while (from < to && IsBlank(field[from])) ++from;
    while (to > from && IsBlank(field[to - 1])) --to;
    const bool negative = from < to && field[from] == '-';
    if (negative) ++from;
    if (from == to || to - from > 9) return false;
    int value = 0;
    for (size_t i = from; i < to; ++i) {
        if (!IsDigit(field[i])) return false;
        value = value * 10 + (field[i] - '0');
    }
    out = negative ? -value : value;
    return true;
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
        // "C CODE meaning": the cell character, a blank, the terrain code,
        // and after a blank what the code means.
        size_t start = 2;
        while (start < line.size() && IsBlank(line[start])) ++start;
        size_t end = start;
        while (end < line.size() && !IsBlank(line[end])) ++end;
        int code = -1;
        if (line.size() < 3 || line[1] != ' ' || !WholeNumber(line.substr(start, end - start), code) || code < 0 ||
            code > 255)
            Fail(path, number, "expected a character, a blank and a terrain code 0..255");
        const auto c = static_cast<unsigned char>(line[0]);
        if (legend.code[c] >= 0) Fail(path, number, std::string("character '") + line[0] + "' is given twice");
        legend.code[c] = code;
        while (end < line.size() && IsBlank(line[end])) ++end;
        legend.meaning[c] = line.substr(end);
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
        // Exactly three numbers, each between its own commas.
        std::vector<std::string> fields(1);
        for (char c : data) {
            if (c == ',')
                fields.emplace_back();
            else
                fields.back() += c;
        }
        Event event{0, 0, 0, number};
        if (fields.size() != 3 || !WholeNumber(fields[0], event.x) || !WholeNumber(fields[1], event.y) ||
            !WholeNumber(fields[2], event.code))
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
