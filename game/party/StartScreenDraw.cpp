// Drawing the start screen: the two prompts and the preview on the left,
// the controls in a column on the right.
#include <algorithm>

#include "game/core/Frame.h"
#include "game/core/Game.h"
#include "game/core/TextCodec.h"
#include "game/party/NameFile.h"
#include "game/party/StartScreenUi.h"

namespace zanbora {

using namespace start_layout;

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kGrey = Rgb(128, 128, 128);
constexpr uint32_t kFocus = Rgb(255, 255, 0);
constexpr uint32_t kNoticeColour = Rgb(255, 96, 96);
constexpr int kPoints = 15;
constexpr size_t kNoticeLineLength = 12;  // full-width characters in the notice box

int TextWidth(Game& game, const std::string& text) {
    return text.empty() ? 0 : game.platform.renderText(text, kPoints).width;
}

// Text whose pixels outside `clip` are not drawn (long names in narrow boxes).
void DrawClippedText(Game& game, const std::string& text, int x, int y, const Box& clip, uint32_t colour) {
    if (text.empty()) return;
    const Pixels& mask = game.platform.renderText(text, kPoints);
    Pixels part(mask.width, mask.height, 0);
    for (int j = 0; j < mask.height; ++j)
        for (int i = 0; i < mask.width; ++i)
            if (clip.contains(x + i, y + j)) part.at(i, j) = mask.at(i, j);
    game.Pic.blendMask(x, y, part, colour);
}

void DrawFrame(Game& game, const Box& box, bool focused, uint32_t fill = kBlack) {
    game.Pic.fillRect(box.x1, box.y1, box.x2, box.y2, fill);
    game.Pic.rect(box.x1, box.y1, box.x2, box.y2, focused ? kFocus : kWhite);
    if (focused) game.Pic.rect(box.x1 + 1, box.y1 + 1, box.x2 - 1, box.y2 - 1, kFocus);
}

bool CaretShown(Game& game) { return game.now() / 500 % 2 == 0; }

constexpr Box kNameInner{kNameBox.x1 + 3, kNameBox.y1 + 2, kNameBox.x2 - 3, kNameBox.y2 - 2};

void DrawNameBox(Game& game, const StartScreenUi& ui) {
    const bool focused = ui.focus == StartFocus::Name;
    DrawFrame(game, kNameBox, focused);
    const Box& inner = kNameInner;
    const std::string before = ui.name.beforeCaret();
    const std::string& composing = ui.name.composition();
    const int caretX = TextWidth(game, before + composing);
    const int left = NameTextLeft(game, ui);
    const int y = kNameBox.y1 + 3;
    DrawClippedText(game, before + composing + ui.name.afterCaret(), left, y, inner, kWhite);
    if (!composing.empty()) {
        // The input method's text so far, underlined at the caret.
        const int from = std::max(inner.x1, left + TextWidth(game, before));
        const int to = std::min(inner.x2, left + caretX);
        game.Pic.line(from, kNameBox.y2 - 4, to, kNameBox.y2 - 4, kWhite);
        game.Pic.line(from, kNameBox.y2 - 5, to, kNameBox.y2 - 5, kWhite);
    }
    if (focused && CaretShown(game)) game.Pic.line(left + caretX, y + 1, left + caretX, y + 19, kWhite);
}

void DrawSaveList(Game& game, const StartScreenUi& ui) {
    const bool focused = ui.focus == StartFocus::List;
    DrawFrame(game, kList, focused);
    const int count = int(ui.saves.size());
    const bool scrolling = count > kListRows;
    const int rowRight = scrolling ? kScrollBar.x1 - 2 : kList.x2 - 3;
    if (count == 0) {
        game.Pic.foreColour = kGrey;
        DrawText(game, "セーブはまだありません", kList.x1 + 6, kFirstRowY);
        game.Pic.foreColour = kWhite;
    }
    for (int row = 0; row < kListRows && ui.top + row < count; ++row) {
        const int index = ui.top + row;
        const Box line{kList.x1 + 3, kFirstRowY + row * kRowHeight, rowRight, kFirstRowY + row * kRowHeight + kRowHeight - 1};
        if (index == ui.selected) game.Pic.fillRect(line.x1, line.y1, line.x2, line.y2, focused ? Rgb(0, 0, 168) : Rgb(72, 72, 96));
        DrawClippedText(game, ui.saves[size_t(index)], line.x1 + 3, line.y1, line, kWhite);
    }
    if (!scrolling) return;
    game.Pic.rect(kScrollBar.x1, kScrollBar.y1, kScrollBar.x2, kScrollBar.y2, kGrey);
    const int track = kScrollBar.y2 - kScrollBar.y1 - 3;
    const int thumb = std::max(12, track * kListRows / count);
    const int y = kScrollBar.y1 + 2 + (track - thumb) * ui.top / (count - kListRows);
    game.Pic.fillRect(kScrollBar.x1 + 2, y, kScrollBar.x2 - 2, y + thumb, kWhite);
}

void DrawButton(Game& game, const StartScreenUi& ui, StartFocus which, const Box& box, const std::string& caption) {
    const bool down = ui.pressed == which;
    DrawFrame(game, box, ui.focus == which, down ? Rgb(80, 80, 80) : kBlack);
    const int x = (box.x1 + box.x2 - TextWidth(game, caption)) / 2;
    DrawText(game, caption, x + (down ? 1 : 0), box.y1 + 3 + (down ? 1 : 0));
}

void DrawSlider(Game& game, const StartScreenUi& ui) {
    DrawFrame(game, kSliderBox, ui.focus == StartFocus::Slider);
    const int value = game.start.check1;
    const int right = kTrackLeft + kTrackStep * (kMaxDrawSkip - 1);
    game.Pic.line(kTrackLeft, kTrackY, right, kTrackY, kGrey);
    for (int v = 0; v < kMaxDrawSkip; ++v)
        game.Pic.line(kTrackLeft + kTrackStep * v, kTrackY + 5, kTrackLeft + kTrackStep * v, kTrackY + 7, kGrey);
    const int x = kTrackLeft + kTrackStep * (value - 1);
    game.Pic.fillRect(x - 2, kTrackY - 7, x + 2, kTrackY + 4, kWhite);
    // Label1
    DrawText(game, std::to_string(value) + "描画スキップ", right + 10, kSliderBox.y1 + 6);
}

void DrawFullScreenBox(Game& game, const StartScreenUi& ui) {
    DrawFrame(game, kFullScreenBox, ui.focus == StartFocus::FullScreen);
    game.Pic.rect(kTick.x1, kTick.y1, kTick.x2, kTick.y2, kWhite);
    if (game.start.Check2) {
        for (int d = 0; d < 2; ++d) {
            game.Pic.line(kTick.x1 + 3, kTick.y1 + 8 + d, kTick.x1 + 6, kTick.y1 + 12 + d, kWhite);
            game.Pic.line(kTick.x1 + 6, kTick.y1 + 12 + d, kTick.x2 - 3, kTick.y1 + 3 + d, kWhite);
        }
    }
    DrawText(game, "フルスクリーン", kTick.x2 + 8, kFullScreenBox.y1 + 3);
}

// The refusal, cut into lines that fit the box.
void DrawNotice(Game& game, const std::string& notice) {
    DrawFrame(game, kNoticeBox, false);
    game.Pic.foreColour = kNoticeColour;
    const size_t length = Utf8Length(notice);
    for (size_t from = 0, row = 0; from < length && row < 2; from += kNoticeLineLength, ++row) {
        const size_t start = Utf8Offset(notice, from);
        const std::string line = notice.substr(start, Utf8Offset(notice, from + kNoticeLineLength) - start);
        DrawText(game, line, kNoticeBox.x1 + 8, kNoticeBox.y1 + 8 + 22 * int(row));
    }
    game.Pic.foreColour = kWhite;
}

}  // namespace

int NameTextLeft(Game& game, const StartScreenUi& ui) {
    const int caretX = TextWidth(game, ui.name.beforeCaret() + ui.name.composition());
    const int room = kNameInner.x2 - kNameInner.x1 - 4;
    return kNameInner.x1 + 2 - std::max(0, caretX - room);
}

int SliderValueAt(int x) {
    const int value = (x - kTrackLeft + kTrackStep / 2) / kTrackStep + 1;
    return std::clamp(value, 1, kMaxDrawSkip);
}

void DrawStartScreen(Game& game, const StartScreenUi& ui) {
    game.Pic.clear();
    game.Pic.foreColour = kWhite;
    game.Pic.fontSize = kPoints;
    DrawText(game, "あなたの名前を入力してください。", 0, 0);
    DrawText(game, "続きをプレイしたい場合はキャラを選択してください。", 0, 20);
    if (ui.preview) {
        DrawFrame(game, kPreviewBox, false);
        DrawSavePreview(game, *ui.preview);
    }
    if (!game.start.Notice.empty()) DrawNotice(game, game.start.Notice);
    DrawNameBox(game, ui);
    DrawSaveList(game, ui);
    DrawButton(game, ui, StartFocus::Delete, kDeleteButton, "削除");
    DrawButton(game, ui, StartFocus::Ok, kOkButton, "OK");
    DrawSlider(game, ui);
    DrawFullScreenBox(game, ui);
}

}  // namespace zanbora
