// What the program answers before any window opens.
#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "game/flow/CommandLine.h"

using namespace zanbora;

namespace {

struct Answer {
    std::optional<int> status;
    std::string out, err;
};

Answer Ask(std::initializer_list<const char*> args) {
    std::vector<const char*> argv{"zanbora"};
    argv.insert(argv.end(), args);
    std::ostringstream out, err;
    Answer answer;
    answer.status = HandleCommandLine(int(argv.size()), argv.data(), out, err);
    answer.out = out.str();
    answer.err = err.str();
    return answer;
}

}  // namespace

TEST(CommandLine, NoArgumentsStartTheGame) {
    EXPECT_FALSE(Ask({}).status.has_value());
}

TEST(CommandLine, VersionAndHelpAnswerOnStandardOutputAndEnd) {
    const Answer version = Ask({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("zanbora ") + GameVersion() + "\n");
    EXPECT_TRUE(version.err.empty());

    const Answer help = Ask({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* wanted : {"--version", "ZANBORA_DIR", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "Alt+Enter", "F12", "fast-forward"})
        EXPECT_NE(help.out.find(wanted), std::string::npos) << wanted;
}

TEST(CommandLine, AnythingElseIsRefusedWithAHint) {
    for (auto answer : {Ask({"--fullscreen"}), Ask({"--version", "--help"})}) {
        EXPECT_EQ(answer.status, 2);
        EXPECT_TRUE(answer.out.empty());
        EXPECT_NE(answer.err.find("zanbora --help"), std::string::npos) << answer.err;
    }
}
