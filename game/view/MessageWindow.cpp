#include "game/view/MessageWindow.h"

#include "game/core/Game.h"
#include "game/core/Music.h"
#include "game/core/TextCodec.h"
#include "game/view/FieldView.h"
#include "game/view/StatusPanel.h"

namespace zanbora {

namespace {

constexpr int kTypeFrameMs = 50;
constexpr int kPromptFrameMs = 30;

void DrawCharacter(Game& game, const std::string& character, int x, int y, int index) {
    DrawText(game, character, x + kMessageCharAdvance * index, y);
}

void DrawChoiceBox(Game& game, const std::string& first, const std::string& second) {
    game.Pic.fillRect(kChoiceBoxLeft, kChoiceBoxTop, kChoiceBoxRight, kChoiceBoxBottom, 0x000000);
    DrawText(game, first, 50, 80);
    DrawText(game, second, 50, 100);
}

}  // namespace

void ClearMessageBox(Game& game) { game.Pic.fillRect(0, 290, 500, 350, 0x000000); }

void TypeText(Game& game, const std::string& text, int x, int y) {
    const std::vector<std::string> characters = Utf8Characters(text);
    for (size_t i = 0;; ++i) {
        PlaySe(game, "\\wave\\men12.WAV");
        if (i < characters.size()) DrawCharacter(game, characters[i], x, y, int(i));
        if (game.keys.KeyDecide) {
            ShowText(game, text, x, y);
            game.keys.KeyDecide = false;
            return;
        }
        Present(game);
        if (i + 1 >= characters.size()) return;
        Wait(game, kTypeFrameMs);
    }
}

void ShowText(Game& game, const std::string& text, int x, int y) {
    const std::vector<std::string> characters = Utf8Characters(text);
    for (size_t i = 0; i < characters.size(); ++i) DrawCharacter(game, characters[i], x, y, int(i));
}

void ShadowText(Game& game, const std::string& text, int x, int y) {
    game.Pic.foreColour = QBColor(8);
    DrawText(game, text, x, y);
    game.Pic.foreColour = QBColor(15);
    DrawText(game, text, x - 1, y - 1);
}

void ChoiceCursor(Game& game) {
    double& cursor = game.field.Cursor;
    game.Pic.blt(30, 80 + 20 * Int(cursor), 16, 16, game.sheets.chr_m, 0, 0);
    if (game.keys.KeyState[3] && cursor < 1) cursor += 1;
    if (game.keys.KeyState[1] && cursor > 0) cursor -= 1;
}

int ChoicePrompt(Game& game, const std::vector<std::string>& lines, const std::string& first,
                 const std::string& second) {
    double& cursor = game.field.Cursor;
    cursor = 0;
    for (;;) {
        game.Pic.clear();
        DrawHero(game);
        DrawStatusPanel(game);
        ClearMessageBox(game);
        for (size_t i = 0; i < lines.size() && i < 3; ++i) ShowText(game, lines[i], kMessageLeft, kMessageLineY[i]);
        DrawChoiceBox(game, first, second);
        ChoiceCursor(game);
        if (game.keys.KeyDecide) break;
        Present(game);
        Wait(game, kPromptFrameMs);
    }
    game.keys.KeyDecide = false;
    PlayMen03(game);
    return Int(cursor);
}

void TypePage(Game& game, const std::vector<std::string>& lines) {
    ClearMessageBox(game);
    for (size_t i = 0; i < lines.size() && i < 3; ++i) TypeText(game, lines[i], kMessageLeft, kMessageLineY[i]);
}

}  // namespace zanbora
