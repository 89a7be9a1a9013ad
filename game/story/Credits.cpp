#include "game/story/Credits.h"

#include <cmath>

#include "game/core/Frame.h"
#include "game/core/Game.h"
#include "game/core/Music.h"
#include "game/core/Shutdown.h"
#include "game/core/TextCodec.h"
#include "game/story/ClearRecord.h"
#include "game/view/MessageWindow.h"

namespace zanbora {

namespace {

constexpr int kHeadingY = 130, kLineY = 160;
constexpr int kFloor = 350;

struct FallingLetter {
    double y = 0;
    double speed = 0;
};

void DrawLetters(Game& game, const std::vector<std::string>& letters, const std::vector<FallingLetter>& fall, int x) {
    for (size_t i = 0; i < letters.size(); ++i)
        ShadowText(game, letters[i], x + 20 * int(i + 1), Int(fall[i].y));
}

void DropInAt(Game& game, const std::string& text, int y) { DropIn(game, text, CreditLineX(text), y); }
void DropOutAt(Game& game, const std::string& text, int y) { DropOut(game, text, CreditLineX(text), y); }

}  // namespace

const std::vector<CreditBlock>& CreditRoll() {
    static const std::vector<CreditBlock> roll = {
        {"", {"ザンボラ戦記・スタッフ"}},
        {"企画", {"豆田　大吉"}},
        {"プログラム・グラフィック", {"豆田　大吉"}},
        {"モンスター　デザイン", {"小豆沢　みのり"}},
        {"ミュージックコンポーズ", {"枝豆　ケンジ"}},
        {"キャラクターボイス", {"黒豆　さやか", "空豆　ゴロー", "金時　マメ子", "豆田　大吉"}},
        {"テストプレイ（順不同）",
         {"大豆生田　一郎", "豆腐屋　ハナ", "納豆　ネバル", "きな粉　サラ", "豆板　ジャン", "煮豆　コトコ",
          "福豆　オニオ", "甘納豆　ユウ", "豆まき　セツ", "鶏豆　ヒヨ", "隠元　リュウ", "ご協力ありがとうございました"}},
        {"制作", {"まめ工房"}},
    };
    return roll;
}

int CreditLineX(const std::string& text) { return 250 - 10 * (int(Utf8Length(text)) + 1); }

void DropIn(Game& game, const std::string& text, int x, int y) {
    const std::vector<std::string> letters = Utf8Characters(text);
    std::vector<FallingLetter> fall(letters.size());
    for (FallingLetter& letter : fall) letter.y = -Int(game.Rnd() * 60) - 30;
    for (bool done = false; !done;) {
        game.Pic.clear();
        done = true;
        for (FallingLetter& letter : fall) {
            letter.speed += 0.3;
            letter.y += letter.speed;
            if (letter.y > y) {
                letter.y = y;
                letter.speed = -letter.speed / 1.6;
            }
            if (Int(letter.y) != y) done = false;
        }
        DrawLetters(game, letters, fall, x);
        Present(game);
        Wait(game, 16);
    }
    Wait(game, 600);
}

void DropOut(Game& game, const std::string& text, int x, int y) {
    const std::vector<std::string> letters = Utf8Characters(text);
    std::vector<FallingLetter> fall(letters.size());
    for (FallingLetter& letter : fall) {
        letter.speed = Int(game.Rnd() * 10);
        letter.y = y;
    }
    for (bool done = false; !done;) {
        game.Pic.clear();
        done = true;
        for (FallingLetter& letter : fall) {
            letter.speed += 0.2;
            letter.y += letter.speed;
            if (letter.y > kFloor) {
                letter.y = kFloor;
                letter.speed = 0;
            }
            if (Int(letter.y) != kFloor) done = false;
        }
        DrawLetters(game, letters, fall, x);
        Present(game);
        Wait(game, 15);
    }
}

void RollCredits(Game& game) {
    WriteClearRecord(game);
    const std::vector<CreditBlock>& roll = CreditRoll();
    for (size_t b = 0; b < roll.size(); ++b) {
        const CreditBlock& block = roll[b];
        const bool last = b + 1 == roll.size();
        if (block.heading.empty()) {
            for (const std::string& line : block.lines) {
                DropInAt(game, line, kLineY);
                DropOutAt(game, line, kLineY);
            }
            continue;
        }
        DropInAt(game, block.heading, kHeadingY);
        game.Pic.setBackground(game.Pic.pixels());
        for (const std::string& line : block.lines) {
            DropInAt(game, line, kLineY);
            if (!last) DropOutAt(game, line, kLineY);
        }
        if (last) break;
        game.Pic.removeBackground();
        DropOutAt(game, block.heading, kHeadingY);
    }
    Wait(game, 9000);
    for (int volume = 65535; volume >= 0; volume -= 1000) {
        SetMusicVolume(game, volume);
        Wait(game, 30);
    }
    game.Pic.removeBackground();
    Form_Unload(game);
}

}  // namespace zanbora
