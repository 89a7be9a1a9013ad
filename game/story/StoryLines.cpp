#include "game/story/StoryLines.h"

namespace zanbora {

namespace talk {
const Script kGuide = {
    {"よう、新米の冒険者マメね。", "まずは東へ向かうといいマメ。", "近くの魔物と戦って鍛えるマメ。"},
    {"それから、西へは行っちゃダメマメ。", "あっちはとっても危ないマメよ。"},
};
const Script kCircle = {{"その魔法陣に乗ると、", "別の場所へ運んでくれるマメ。"}};
const Script kMascotsTire = {{"マスコットは長い戦いになると", "だんだん疲れてくるマメ。", "無理させちゃダメマメよ。"}};
const Script kIronGrate = {{"鉄格子の近くまで行ってみるマメ。", "レベルが高ければ、", "体当たりで壊せるマメよ。"}};
const Script kLostBean = {
    {"・・・・・・・・・・・・・・・・・・ん？！"},
    {"ユー元気？ミーは元気。", "マメ館　帰る", "サヨナーラ！"},
};
const Script kDragonRock = {
    {"このドラゴン岩はとっても硬いマメ。", "手がないなら引き返すマメ。", "それとも、やってみるマメか？"}};
const Script kFirstAdventure = {
    {"初めての冒険で迷っちゃったマメか？", "大丈夫、みんな最初はそうマメ。"},
    {"この建物には良いROBOと", "悪いROBOがいるマメ。", "良いROBOはマスコットにされたマメ。"},
};
const Script kHiddenPassage = {{"このダンジョンには", "隠し通路があるらしいマメ。"}};
const Script kWellFound = {{"よくここを見つけたマメね。", "・・・それだけマメ。"}};
const Script kRacerRescued = {
    {"助けてくれてありがとうマメ！", "ボクはマメ館に帰るマメ。", "館でレースをやるから遊びに来てね！"}};
const Script kMascotTips = {
    {"マスコットを連れて行けるのは", "一度に一匹だけマメ。", "自分と敵を見て選ぶといいマメ。"},
    {"ホネコプターは毎ターン", "HPを回復してくれるマメよ。"},
};
const Script kMascotAhead = {
    {"この先のマスコットは、", "ザンボラに封印されたキミの仲間マメ。", "助けてあげてほしいマメ。"},
    {"手に入れたら、メニューの", "マスコットで選ぶといいマメ。"},
};
const Script kChallengeCourse = {
    {"ここは試練のコースマメ。", "今のキミにはまだ難しすぎるマメ。"},
    {"もっと強くなってから", "来るといいマメよ。"},
};
const Script kMeetSealKeepers = {
    {"この先のダンジョンにいる", "二人の封印の守り手に会うマメ。", "封印を解いてもらうマメよ。"}};
const Script kSealsBroken = {{"二つの封印は解かれたマメ！", "ザンボラはもうすぐそこマメ。", "気をつけて行くマメよ。"}};
const Script kToughGuy = {
    {"ほう、この扉を破るとはな。", "オレはオトコの中のオトコだ。", "本物のオトコになりたいなら、"},
    {"マメ館へ来い。待ってるぜ。", "あばよ。"},
};
const Script kFirstSeal = {
    {"よくぞ来たまめー。", "ワシは第一の封印を守る者まめー。", "今、第一の封印はお前のために解いたまめー。"}};
const Script kSecondSeal = {
    {"よくぞ来たまめー。", "ワシは第二の封印を守る者まめー。", "今、第二の封印はお前のために解いたまめー。"}};
const Script kStoneKeeper = {
    {"ここを通りたいのか？", "なら、俺が投げる石を", "蹴ってここまで戻してみろ。"},
    {"蹴るのはZだ。いいな。ではいくぞ。"},
};
const Script kStoneThrown = {{"今のを取ってくるんだ", "もう一度いうぞ蹴るのはZだ。いいな。", "わかったら早く行って来い！"}};
const Script kTollAsked = {{"通りたくば金を200銭ほど持って来い。"}};
const Script kTollPaid = {{"おお！確かに頂いた。"}};
const Script kTollRefused = {{"なんだ持ってないのか。"}};
const Script kWorldLore = {
    {"この世界に住んでいるのは、", "ほとんどがマメ族マメ。", "人間はほんの少ししかいないマメ。"},
    {"人間の中には、技を", "使える者がいるマメ。", "でも、お金のためにしか使わないマメ。"},
    {"そのかわり、お金を払えば", "技を教えてくれるマメよ。"},
};
const Script kBattleFolkLore = {{"でも、人間は戦闘民族が", "大っ嫌いマメ。キミには", "技を教えてくれないマメね。"}};
const Script kUnderground = {{"マメ族は地下に住んでいるマメ。", "地上はお日様がポカポカだけど、", "魔物がいっぱいマメ。"}};
const Script kMentorOffer = {{"よくぞここまで育ったな。", "わしの力を少し分けてやろう。"}};
const Script kMentorFarewell = {{"次にわしに会うのは、", "ザンボラを倒してからじゃ。"}};
const Script kCastleBean = {{"ここはザンボラの城マメ。", "先に行っててほしいマメ。", "ボクもあとから追いかけるマメ。"}};
const Script kWhyZambora = {
    {"なぜザンボラを倒さなきゃ", "いけないのか、もう誰も", "覚えていないマメ。"},
    {"長生きの人間たちは", "知っているらしいけど、", "何も教えてくれないマメ。"},
};
const Script kStoneBrought = {
    {"石を持ってきたか。それならここを通そう！", "この先は危ないが、お前なら大丈夫だ。", "俺はマメ館に帰るとしよう。"}};
const Script kStoneMissing = {{"まだ、石を持ってきてないだろ。", "蹴るのはZだ。いいな。", "それと持ってきたら、俺に話せ。"}};
const Script kNobody = {{"マーメマーメ。オレは", "", ""}};
}  // namespace talk

namespace scene {
const Script kLastBossSpeech = {
    {"あなたに話しておくことがあります。", "実は、わしがザンボラなのです。"},
    {"・・・・・・驚きましたか？"},
    {"ザンボラの名を名乗り、", "マメ族を育ててきたのは、", "マメ族がどこまで伸びるか知るため。"},
    {"マメ族は力を子に伝え、", "ついに人間と肩を並べるまでになった。"},
    {"そろそろ、どちらが上か決める時だ。"},
    {"さあ、わしを倒してみよ。", "手加減はせぬぞ。", "勝とうが負けようが後悔はせぬ。ハァッ！"},
};
const Script kEndingSpeech = {
    {"見事だ・・・わしの負けだ。", "マメ族はついに人間を", "超えたのだな。"},
    {"実は・・・わしは本物の", "ザンボラではない。", "本物は別の世界で人間を治めている。"},
    {"わしはそやつに挑み、敗れた。", "だから代わりに、マメ族を", "鍛えることにしたのだ。"},
    {"お前なら、きっと本物の", "ザンボラを倒せるはずだ。"},
    {"わしはもう長くない・・・", "お前の拳はよく効いたぞ。", "あとは、お前に任せる。"},
    {"たのんだぞ・・・・・・・。"},
};
const Script kPowerGreeting = {
    {"マメ様、こんにちは。", "占い師のミルメでございます。", "マメ様方一族には大変お世話になっております。"}};
const Script kPowerMeasuring = {
    {"では、戦闘力を調べさせていただきます。", "ハァーーーーーーーーーーーーーーーーー", "ーーーーー・・・・・・・・・・・・・・"}};
const Page kDuelOffer = {"俺と戦うか？必要金額は500銭", "勝ったらいい事があるかもしれんぞ！", "ちなみに死んだらゲーム終了だ。"};
const Page kHpOffer = {"んー？　　　　　　　　　　　", "ユー元気？ミーは元気。", "100銭　イイコト　元気？"};
const Page kModeOffer = {"オレはマメ館のアニキ、ゴンタだ。", "オトコの中のオトコだと言ったはずだ。", "もしかして、オトコになりに来たか？"};
const Page kModeWarning = {"オトコモードはちょびっとだけ敵が強いぞ。"};
const Choice kRaceChoice = {"遊ぶ", "やめとく"};
const Choice kDuelChoice = {"戦う", "やめとく"};
const Choice kHpChoice = {"元気！", "やめとく"};
const Choice kModeChoice = {"通常モード", "オトコモード"};
}  // namespace scene

std::vector<const Script*> AllStoryScripts() {
    using namespace talk;
    using namespace scene;
    return {&kGuide,          &kCircle,         &kMascotsTire,   &kIronGrate,      &kLostBean,       &kDragonRock,
            &kFirstAdventure, &kHiddenPassage,  &kWellFound,     &kRacerRescued,   &kMascotTips,     &kMascotAhead,
            &kChallengeCourse, &kMeetSealKeepers, &kSealsBroken, &kToughGuy,       &kFirstSeal,      &kSecondSeal,
            &kStoneKeeper,    &kStoneThrown,    &kTollAsked,     &kTollPaid,       &kTollRefused,    &kWorldLore,
            &kBattleFolkLore, &kUnderground,    &kMentorOffer,   &kMentorFarewell, &kCastleBean,     &kWhyZambora,
            &kStoneBrought,   &kStoneMissing,   &kNobody,        &kLastBossSpeech, &kEndingSpeech,   &kPowerGreeting,
            &kPowerMeasuring};
}

std::vector<const Page*> AllStoryPages() {
    using namespace scene;
    return {&kDuelOffer, &kHpOffer, &kModeOffer, &kModeWarning};
}

std::vector<const Choice*> AllStoryChoices() {
    using namespace scene;
    return {&kRaceChoice, &kDuelChoice, &kHpChoice, &kModeChoice};
}

}  // namespace zanbora
