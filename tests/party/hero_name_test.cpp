// Hero names are file names: what is refused, why, and the code page's
// look-alikes.
#include <gtest/gtest.h>

#include "game/core/HeroName.h"

using namespace zanbora;

namespace {
std::string Reason(const std::string& name) {
    std::string reason;
    EXPECT_FALSE(CheckHeroName(name, reason)) << name;
    return reason;
}
}  // namespace

TEST(HeroName, OrdinaryNamesAreFine) {
    for (const char* name : {"マメ太郎", "偽マメ", "Bean", "mame taro", "まめ.", "Ａ", "ｶﾀｶﾅ", "1", "３２文字",
                             "一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十一二"}) {
        std::string reason;
        EXPECT_TRUE(CheckHeroName(name, reason)) << name << ": " << reason;
    }
}

TEST(HeroName, HostileNamesAreRefusedWithAReason) {
    const std::string tooLong(33, 'a');
    const std::string hostile[] = {
        "", "../x", "a/b", "/", "\\", "..\\x", "a\\b", ".hidden", ".", "..", std::string("a\0b", 3),
        std::string(1, '\0'), "\t", "a\tb", "a\nb", "a\rb", "\x1b[31m", "\x7f", "\xc2\x85", tooLong,
        "一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十一二三", " ", "   ", "　", " 　 ",
        "\U0001F600", "𠮷野家", "한국", "ŵ", "\xff\xfe", "\xe3\x81", "abc\xc0\xaf",
    };
    EXPECT_GE(std::size(hostile), 30u);
    for (const std::string& name : hostile) {
        std::string reason;
        EXPECT_FALSE(CheckHeroName(name, reason)) << name;
        EXPECT_FALSE(reason.empty()) << name;
        EXPECT_EQ(reason.find('\n'), std::string::npos) << name;
    }
}

TEST(HeroName, TheReasonSaysWhatIsWrong) {
    EXPECT_EQ(Reason(""), "名前を入力してください。");
    EXPECT_EQ(Reason("../x"), "名前に「/」や「\\」は使えません。");
    EXPECT_EQ(Reason(".hidden"), "名前を「.」で始めることはできません。");
    EXPECT_EQ(Reason("a/b"), "名前に「/」や「\\」は使えません。");
    EXPECT_EQ(Reason("a\tb"), "名前に制御文字は使えません。");
    EXPECT_EQ(Reason("   "), "空白だけの名前はつけられません。");
    EXPECT_EQ(Reason(std::string(33, 'a')), "名前は32文字までにしてください。");
    EXPECT_EQ(Reason("𠮷野家"), "「𠮷」は名前に使えません。");
}

TEST(HeroName, LookAlikesBecomeTheirCodePageForm) {
    EXPECT_EQ(NormaliseHeroName("マメ〜"), "マメ～");
    EXPECT_EQ(NormaliseHeroName("−‖¢—"), "－∥￠―");
    EXPECT_EQ(NormaliseHeroName("マメ太郎"), "マメ太郎");
    EXPECT_EQ(NormaliseHeroName("𠮷"), "𠮷");
    // The code page would write "¥" and "‾" as "\" and "~": those stay as
    // typed and are refused, never turned into a path separator.
    EXPECT_EQ(NormaliseHeroName("..¥..¥マメ"), "..¥..¥マメ");
    EXPECT_EQ(NormaliseHeroName("マメ‾"), "マメ‾");
    EXPECT_EQ(Reason("マメ¥"), "「¥」は名前に使えません。");
    const std::string once = NormaliseHeroName("〜マメ〜");
    EXPECT_EQ(NormaliseHeroName(once), once);
    std::string reason;
    EXPECT_TRUE(CheckHeroName(once, reason)) << reason;
}
