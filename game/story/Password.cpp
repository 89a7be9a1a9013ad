#include "game/story/Password.h"

#include <cmath>

#include "game/core/Game.h"

namespace zanbora {

const std::array<const char*, 16> FirstWord = {"マメ",   "ホネ",   "バラ男", "ヤカン", "地球", "武士", "魔導師", "土佐犬",
                                               "マメ王", "マウス", "フデオ", "魔王",   "タマゴ", "ロボ", "パパ",   "貴公子"};
const std::array<const char*, 16> SecondWord = {"転んで",   "戦って",       "死んで",   "飛んで",   "笑って",   "ニヤリと",
                                                "冒険して", "眠って",       "爆発して", "キョロキョロ", "グヘヘヘ", "本読んで",
                                                "勉強して", "修行して",     "軍隊入って", "お国のために"};
const std::array<const char*, 16> ThirdWord = {"コンバンワ", "さようなら",   "元気でね", "強くなる", "微笑んだ", "ビッ、ビカツー",
                                               "特攻隊",     "気合いため",   "居合い切り", "天国へ", "ウヒャヒャヒャ", "宝物",
                                               "ご飯食べた", "男前",         "打倒ザンボラ", "質屋へゴー"};

namespace {

size_t DrawIndex(Game& game) { return size_t(std::floor(game.Rnd() * 16)) & 15; }

void ReseedFromClock(Game& game) { game.rng.seed(uint32_t(game.now())); }

}  // namespace

int64_t PowerOf(const Player& player) {
    const double product = player.MaxHp * player.MaxMp * player.Attack * player.Defence;
    return int64_t(std::floor((product + player.Speed) / 10000));
}

std::string MakePassword(Game& game, int64_t power) {
    game.rng.restart(uint64_t(power));
    std::string password = FirstWord[DrawIndex(game)];
    password += "が";
    password += SecondWord[DrawIndex(game)];
    password += ThirdWord[DrawIndex(game)];
    ReseedFromClock(game);
    return password;
}

std::string MakeClearPassword(Game& game, uint64_t seed) {
    game.rng.restart(seed);
    std::string password;
    for (int i = 0; i < 11; ++i) password += char(int(std::floor(game.Rnd() * 50 + 30)));
    ReseedFromClock(game);
    return password;
}

}  // namespace zanbora
