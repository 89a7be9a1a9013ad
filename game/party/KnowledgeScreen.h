#pragma once
// The basic knowledge: four pages of rules, read one after the other.
#include <array>
#include <vector>

namespace zanbora {

struct Game;

struct KnowledgePage {
    const char* heading;
    std::vector<const char*> lines;
};
constexpr int kKnowledgePages = 4;
const std::array<KnowledgePage, kKnowledgePages>& KnowledgePages();

// Starts at the page in Cursor; decide turns the page (after the last one
// the screen ends), cancel ends at once. Cursor is 0 afterwards.
void Tisiki(Game& game);

}  // namespace zanbora
