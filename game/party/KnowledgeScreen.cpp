#include "game/party/KnowledgeScreen.h"

#include "game/core/Frame.h"
#include "game/core/Game.h"

namespace zanbora {

namespace {

const std::array<KnowledgePage, kKnowledgePages> kPages{{
    {"○各職業の成長の特徴",
     {"町民：平均的。特に目立ったところはない。", "勇者マメ：町民より力強い。マメサン斬りの威力大。",
      "魔法使：MPの上がりは良い。攻撃力の上昇は望めない。", "爆弾兵：攻撃力の上がりが良い。ボンバーでいけ！",
      "マメじゃないヤツ：上昇値は少々低め。", "蛮族：攻撃力と防御がよく上がる。",
      "ネクロマンサー：魔法使に近い。シムボーンにかけろ", "戦闘民族：唯一魔法が使えない。他を鍛えろ。"}},
    {"○各ステータスについて",
     {"HP:ヒットポイント。これが0になると死ぬ。", "MP:マジックパワー。技を使うときに必要。",
      "攻撃力：物理攻撃時の威力の事。", "防御力：敵からのダメージを軽減する。",
      "速度：高いと先手を取ったり相手がミスしたりする。", "", "熟練度：直接表示されないがそれぞれの技の修行し",
      "た回数を意味する。修行場での必要金額÷100-1。"}},
    {"○ストームマメンガーの恐怖",
     {"ストームマメンガーは熟練度が低くても", "いつも大ダメージを与える強力な技だ。",
      "しかし使うたびに経験値を消費する。", "熟練度1なら最大10%、2なら最大20%と",
      "鍛えるほど増え、最後は100%にもなる。", "ただしZとXを交互にすばやく連打すれば",
      "消費する経験値を減らすことができる。", "減るのはあくまで経験値だけなので、",
      "ステータスが下がることはないぞ。"}},
    {"○シムボーンとゆけゆけボーンの関係",
     {"シムボーンは自分の能力を削って骨を", "成長させる儀式だ。削った能力は宿屋に",
      "泊まっても元には戻らないので要注意。", "ゆけゆけボーンはその骨で攻撃する技で、",
      "骨が育っているほど威力が上がる。", "ネクロマンサーは骨の育ちが良く、",
      "上位魔法ゆけゆけボーン2も強力だ。", "なお、マメじゃないヤツはシムボーンを",
      "しても骨がまったく育たないぞ。"}},
}};

void DrawPage(Game& game, const KnowledgePage& page) {
    game.Pic.clear();
    DrawText(game, page.heading, 30, 50);
    for (size_t i = 0; i < page.lines.size(); ++i) DrawText(game, page.lines[i], 30, 80 + 20 * int(i));
    Present(game);
}

}  // namespace

const std::array<KnowledgePage, kKnowledgePages>& KnowledgePages() { return kPages; }

void Tisiki(Game& game) {
    KeyFlags& keys = game.keys;
    double& cursor = game.field.Cursor;
    for (;;) {
        const int page = Int(cursor);
        if (page < 0 || page >= kKnowledgePages) {
            cursor = 0;
            return;
        }
        DrawPage(game, kPages[size_t(page)]);
        AwaitDecideOrAct(game);
        if (keys.KeyAct) {
            cursor = 0;
            keys.KeyAct = false;
            return;
        }
        ScreenWipe(game);
        keys.KeyDecide = false;
        cursor += 1;
        if (cursor >= kKnowledgePages) {
            cursor = 0;
            return;
        }
    }
}

}  // namespace zanbora
