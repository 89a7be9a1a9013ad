#include "game/party/Town.h"

#include "game/core/Game.h"
#include "game/core/Music.h"
#include "game/core/NumberText.h"
#include "game/party/HeroFigure.h"
#include "game/party/JobTables.h"
#include "game/party/TrainingHall.h"
#include "game/view/MessageWindow.h"
#include "game/view/StatusPanel.h"

namespace zanbora {

namespace {

constexpr int kInnRow = 0, kHallRow = 1, kInfoRow = 2;

struct TownInfo {
    int row;
    std::array<const char*, 3> lines;
};

const std::array<TownInfo, 14> kTownInfo{{
    {17, {"南へ行くほど強い魔物が生息している。", "良い魔物はマスコットというメダルに", "封印されているらしい。"}},
    {26,
     {"この先の橋はドラゴン岩があって通れないそうだ。", "レーザーのようなもので撃てば",
      "壊せるかもしれないな。"}},
    {74,
     {"この近くにはドラゴン岩好きのマメゾがいる。", "橋に岩を置いたのは彼らしいが、南が",
      "沈んでから姿を見た者はいないとか。"}},
    {110,
     {"付近の山には洞窟があり中には町も存在する。", "ただし洞窟の中は迷路になっている。",
      "洞窟近くの建物には不思議なメダルが…。"}},
    {158,
     {"この洞窟内には川や遺跡があるそうだ。", "遺跡ではたまに宝が見つかるらしい。",
      "近くにはまたドラゴン岩があるぞ。"}},
    {190,
     {"南に進む道は橋が壊れていて進めないらしい。", "もう直せないほど壊れているそうだ。",
      "別の道を探したほうがいい。"}},
    {193,
     {"ワープが集中する場所の近くにはマメ館という建", "物がある。外から見るより中はずっと",
      "広いという話だ。"}},
    {234,
     {"ここに住む人々は現在の状況に不満もないので、", "役に立つ話は何も聞けなかった。",
      "平和なのはいいことだが…。"}},
    {242, {"ここから先は迷いの森だそうだ。", "一度迷うと、なかなか抜け出せない", "らしい。気をつけて進もう。"}},
    {253,
     {"近くにある不思議な穴を通るとこの湖の向こうに", "出られるそうだ。ただし向こうから",
      "戻ってくることはできないらしい。"}},
    {277,
     {"この町は神殿だったところに地下を掘って町にし", "たそうだ。今でも神殿の力が残っていて",
      "ときどき不思議なことが起きるらしい。"}},
    {315,
     {"ここはこの島で最も南にある町みたいだ。", "この先は海しかない。ザンボラはここには",
      "いない。なんとかしなければ…。"}},
    {389, {"なんて事だ。ここは最北端の町らしい。", "ザンボラの城はもうすぐそこだ。", "しっかり準備していこう。"}},
    {482,
     {"マメ館に魔物が入ってくる事はない。", "だが、館の住人たちは外に出たところを",
      "さらわれてしまったそうだ。"}},
}};

bool HasTrainingHall(const Game& game) { return game.player.Progress[7] == 0; }

void DrawTownScreen(Game& game) {
    KeyFlags& keys = game.keys;
    double& cursor = game.field.Cursor;
    DrawText(game, "あなたが梯子を降りると人々", 30, 10);
    DrawText(game, "の暮らす町があった。", 30, 30);
    if (HasTrainingHall(game)) DrawText(game, "修行場もあるらしい。", 30, 50);
    DrawText(game, "宿屋を利用する。" + NumberText(InnPrice(game)) + "銭", 50, 80);
    if (HasTrainingHall(game)) DrawText(game, "修行場に行く。", 50, 100);
    DrawText(game, "話を聞く。", 50, 120);
    game.Pic.blt(30, Int(80 + 20 * cursor), 16, 16, game.sheets.chr_m, 0, 0);
    if (keys.KeyState[3] && cursor < kInfoRow) cursor += 1;
    if (keys.KeyState[1] && cursor > 0) cursor -= 1;
}

// "SLEEP" in big letters, one after another.
void SleepLetters(Game& game) {
    struct Letter {
        const char* text;
        int x, ms;
    };
    const Letter letters[] = {{"S", 50, 100}, {"L", 150, 100}, {"E", 250, 100}, {"E", 350, 100}, {"P", 450, 800}};
    game.Pic.fontSize = 50;
    for (const Letter& letter : letters) {
        DrawText(game, letter.text, letter.x, 100);
        Present(game);
        Wait(game, letter.ms);
    }
    game.Pic.fontSize = 15;
}

void StayAtInn(Game& game) {
    Player& hero = game.player;
    hero.Money -= InnPrice(game);
    if (hero.Money <= 0) hero.Money = 0;
    hero.Hp = hero.MaxHp;
    hero.Mp = hero.MaxMp;
    PlaySe(game, "\\wave\\MEN02.WAV");
    hero.Days += 1;
    ScreenWipe(game);
    SleepLetters(game);
}

}  // namespace

int InnPrice(const Game& game) {
    const Player& hero = game.player;
    return Int((hero.MaxHp - hero.Hp) / 10) + Int((hero.MaxMp - hero.Mp) / 10);
}

std::array<const char*, 3> TownInfoLines(int row) {
    for (const TownInfo& info : kTownInfo)
        if (info.row == row) return info.lines;
    return {"たいした情報は得られなかった。", "", ""};
}

const std::array<int, 14>& TownInfoRows() {
    static const std::array<int, 14> rows = [] {
        std::array<int, 14> r{};
        for (size_t i = 0; i < kTownInfo.size(); ++i) r[i] = kTownInfo[i].row;
        return r;
    }();
    return rows;
}

void ShowTownInfo(Game& game) {
    ClearMessageBox(game);
    DrawText(game, "手に入った情報", 20, 270);
    const auto lines = TownInfoLines(Int(game.player.HeroY + 0.9));
    for (size_t i = 0; i < lines.size(); ++i)
        if (*lines[i]) TypeText(game, lines[i], kMessageLeft, kMessageLineY[i]);
    Present(game);
    WaitKey(game);
}

void ymen(Game& game) {
    switch (Int(game.field.Cursor)) {
        case kInnRow: StayAtInn(game); break;
        case kHallRow:
            if (!HasTrainingHall(game)) break;
            game.field.Cursor = 0;
            Shop(game);
            break;
        case kInfoRow: ShowTownInfo(game); break;
        default: break;
    }
}

void Yado(Game& game) {
    Player& hero = game.player;
    KeyFlags& keys = game.keys;
    hero.Progress[19] = hero.HeroX;
    hero.Progress[20] = hero.HeroY + 1;
    for (int i = 0; i <= 15; ++i) {
        game.battle.HeroDx = 150 - 10 * i;
        game.Pic.clear();
        DrawStatusPanel(game);
        DrawHeroFigure(game);
        Present(game);
        Wait(game, 50);
    }
    hero.Work = 0;
    game.Pic.foreColour = QBColor(15);
    keys.KeyDecide = false;
    for (;;) {
        game.Pic.clear();
        DrawTownScreen(game);
        DrawHeroFigure(game);
        DrawStatusPanel(game);
        if (keys.KeyAct) break;
        if (keys.KeyDecide) {
            PlayMen03(game);
            keys.KeyDecide = false;
            ymen(game);
        }
        Present(game);
        Wait(game, 100);
    }
    for (int i = 0; i <= 15; ++i) {
        SetMusicVolume(game, 65535 - 4369 * i);
        game.battle.HeroDx = 10 * i;
        game.Pic.clear();
        DrawStatusPanel(game);
        DrawTownScreen(game);
        DrawHeroFigure(game);
        Present(game);
        Wait(game, 50);
    }
    ChangeMusic(game, "data1.mid");
    SetMusicVolume(game, 65535);
    keys.KeyAct = false;
    ScreenWipe(game);
    game.battle.HeroDx = game.battle.HeroDy = 0;
}

}  // namespace zanbora
