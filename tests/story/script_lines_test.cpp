// Everything people say fits the message window (25 characters a line at
// most, three lines a page), and the lines the story fixes are there word
// for word.
#include <set>

#include "game/core/TextCodec.h"
#include "game/story/MedalScene.h"
#include "game/story/PowerReading.h"
#include "game/story/Race.h"
#include "game/story/StoryLines.h"
#include "story_fixture.h"

namespace zanbora::testing {
namespace {

std::set<std::string> AllLines() {
    std::set<std::string> lines;
    for (const Script* script : AllStoryScripts())
        for (const Page& page : *script) lines.insert(page.begin(), page.end());
    for (const Page* page : AllStoryPages()) lines.insert(page->begin(), page->end());
    return lines;
}

TEST(ScriptLines, EveryLineFitsTheWindowAndEveryPageHasAtMostThreeLines) {
    for (const Script* script : AllStoryScripts()) {
        ASSERT_FALSE(script->empty());
        for (const Page& page : *script) {
            EXPECT_GE(page.size(), 1u);
            EXPECT_LE(page.size(), 3u) << page[0];
        }
    }
    for (const Page* page : AllStoryPages()) EXPECT_LE(page->size(), 3u);
    for (const std::string& line : AllLines()) EXPECT_LE(Utf8Length(line), 25u) << line;
}

TEST(ScriptLines, TheQuotedLinesArePresentExactly) {
    const std::set<std::string> lines = AllLines();
    for (const char* quoted : {
             "・・・・・・・・・・・・・・・・・・ん？！", "ユー元気？ミーは元気。", "マメ館　帰る", "サヨナーラ！",
             "あばよ。", "今、第一の封印はお前のために解いたまめー。", "今、第二の封印はお前のために解いたまめー。",
             "蹴るのはZだ。いいな。ではいくぞ。", "通りたくば金を200銭ほど持って来い。", "おお！確かに頂いた。",
             "なんだ持ってないのか。", "石を持ってきたか。それならここを通そう！", "まだ、石を持ってきてないだろ。",
             "蹴るのはZだ。いいな。", "それと持ってきたら、俺に話せ。", "マーメマーメ。オレは", "今のを取ってくるんだ",
             "もう一度いうぞ蹴るのはZだ。いいな。", "わかったら早く行って来い！", "勝とうが負けようが後悔はせぬ。ハァッ！",
             "たのんだぞ・・・・・・・。", "マメ様、こんにちは。", "マメ様方一族には大変お世話になっております。",
             "では、戦闘力を調べさせていただきます。", "ハァーーーーーーーーーーーーーーーーー",
             "ーーーーー・・・・・・・・・・・・・・", "俺と戦うか？必要金額は500銭", "勝ったらいい事があるかもしれんぞ！",
             "ちなみに死んだらゲーム終了だ。", "んー？　　　　　　　　　　　", "100銭　イイコト　元気？",
             "オトコの中のオトコだと言ったはずだ。", "もしかして、オトコになりに来たか？",
             "オトコモードはちょびっとだけ敵が強いぞ。"})
        EXPECT_TRUE(lines.count(quoted)) << quoted;
    EXPECT_EQ(Utf8Length("ハァーーーーーーーーーーーーーーーーー"), 19u);
}

// A race of nearly three hours, the reward of a level-999 hero's fastest
// race, a power of ten digits: the lines that carry them still fit.
TEST(ScriptLines, LinesWithNumbersFitEvenForBigNumbers) {
    for (const std::string& line : RaceResultPage(9999999, 9999999, RaceReward(999, 0)))
        EXPECT_LE(Utf8Length(line), 25u) << line;
    EXPECT_LE(Utf8Length(PowerShownLine(9999999994)), 25u);
}

TEST(ScriptLines, MedalCaptionsKeepTheirLeadingBlanks) {
    EXPECT_EQ(MedalCaption(36), "ホネコプターのマスコットを手に入れた");
    EXPECT_EQ(MedalCaption(37), "    ROBOのマスコットを手に入れた");
    EXPECT_EQ(MedalCaption(39), "　ヘビチュのマスコットを手に入れた");
    EXPECT_EQ(MedalCaption(40), " 偽マメサンのマスコットを手に入れた");
    EXPECT_EQ(MedalCaption(41), "  キノコンのマスコットを手に入れた");
    EXPECT_EQ(MedalCaption(42), "   マメゾのマスコットを手に入れた");
    EXPECT_EQ(MedalCaption(43), "   ナイトのマスコットを手に入れた");
    EXPECT_EQ(MedalCaption(44), "岩ドラゴンのマスコットを手に入れた");
    EXPECT_EQ(MedalCaption(45), "プリーストのマスコットを手に入れた");
    EXPECT_EQ(MedalCaption(38), "大喰らい植物のマスコットを手に入れた");
    EXPECT_EQ(MedalCaption(46), "");
}

}  // namespace
}  // namespace zanbora::testing
