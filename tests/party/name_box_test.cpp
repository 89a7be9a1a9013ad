// The name box's editing: characters, not bytes, under the caret.
#include <gtest/gtest.h>

#include "game/party/NameBox.h"

using namespace zanbora;

TEST(NameBox, EditsWholeCharactersAroundTheCaret) {
    NameBox box;
    box.insert("マメ");
    box.insert("太郎");
    EXPECT_EQ(box.text(), "マメ太郎");
    EXPECT_EQ(box.caret(), 4u);
    box.left();
    box.backspace();
    EXPECT_EQ(box.text(), "マメ郎");
    box.home();
    box.deleteForward();
    box.left();  // already at the start
    EXPECT_EQ(box.text(), "メ郎");
    box.right();
    box.insert("x");
    EXPECT_EQ(box.text(), "メx郎");
    box.end();
    box.right();
    box.deleteForward();  // nothing after the end
    box.insert("y");
    EXPECT_EQ(box.text(), "メx郎y");
    EXPECT_EQ(box.beforeCaret(), "メx郎y");
    box.setCaret(1);
    EXPECT_EQ(box.beforeCaret(), "メ");
    EXPECT_EQ(box.afterCaret(), "x郎y");
}

TEST(NameBox, TheCompositionWaitsUntilCommitted) {
    NameBox box;
    box.insert("マメ");
    box.compose("たろう");
    EXPECT_TRUE(box.composing());
    EXPECT_EQ(box.text(), "マメ");
    box.insert("太郎");
    EXPECT_FALSE(box.composing());
    EXPECT_EQ(box.text(), "マメ太郎");
}

TEST(NameBox, ControlCharactersAreDroppedAndTheLengthIsCapped) {
    NameBox box;
    box.insert("a\tb\r\nc\x7f");
    EXPECT_EQ(box.text(), "abc");
    box.setText("");
    for (int i = 0; i < 40; ++i) box.insert("豆");
    EXPECT_EQ(box.caret(), NameBox::kMaxLength);
    box.setText(std::string(40, 'a'));  // a long name from name.ini stays whole, to be refused with a reason
    EXPECT_EQ(box.caret(), 40u);
}
