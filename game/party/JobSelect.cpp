#include "game/party/JobSelect.h"

#include "game/core/Game.h"
#include "game/core/Music.h"
#include "game/party/JobTables.h"
#include "game/view/FieldView.h"
#include "game/view/MessageWindow.h"
#include "game/view/SlideSprite.h"
#include "game/view/StatusPanel.h"

namespace zanbora {

namespace {

constexpr double kTrainingFee = 99800;
constexpr int kGraduationX = 56, kGraduationY = 480;
constexpr int kTrainerSprite = 21;
constexpr int kTrainerX = 250, kTrainerY = 80;

const JobQuestion kFirstQuestion{
    {"これから出す３つの質問に答えて下さい。", "この世界でのあなたの職業を決定します。", "次のどちらが大切ですか？"},
    "友情",
    "闘争心"};

const JobQuestion kSecondQuestions[2]{
    {{"あなたは趣味で豆を育てています。", "ある日、その豆が突然しゃべりだしました。", "あなたはどうしますか？"},
     "自分だけの秘密にします。",
     "立派な体が生えて、あなたを抱きしめました。"},
    {{"あなたは覆面の荒くれ者を倒しました。", "ところが見知らぬ男が、自分が倒したと",
      "言いふらしています。どうしますか？"},
     "誠実の心で彼を殺します。",
     "慈悲の心で彼にダイブ（殺人抱擁）します。"},
};

const JobQuestion kThirdQuestions[4]{
    {{"あなたは畑仕事で満ち足りた毎日です。", "ある日、行き倒れた大道芸人の道具を",
      "拾いました。あなたの考えは？"},
     "現在の生活に満足している。",
     "これをターニングポイントにする。"},
    {{"あなたは一国の王様です。しかし心の", "どこかで自由な旅にあこがれています。", "あなたはどうしますか？"},
     "一国の王として国を守ります。",
     "自由を求め旅へでます。"},
    {{"親友が何者かに殺されました。その夜、", "別の友人があなたに愛を告白しました。", "あなたはどうしますか？"},
     "彼の愛を受け止めます。",
     "友人の敵を討ちます。"},
    {{"あなたは長い修行の末、ついに暗殺拳を", "極めました。ただし一度使えば二度と",
      "後戻りはできません。使いますか？"},
     "もちろん使います。",
     "別の生き方を考えます。"},
};

// What the trainer says around the questionnaire, a page at a time.
const std::array<std::vector<std::string>, 3> kGraduationPages{{
    {"おめでとう。これで修行は終わりです。", "もうザンボラ退治に出発できます。では今日",
     "までの修行料金99800銭払ってもらいます。"},
    {"さて、冒険を始めるにあたってあなたの職業を決", "めましょう。"},
    {"私の力ではザンボラを倒すことはできません。", "すべてはあなたにかかっているのです。",
     "さあ、行きなさい。マメの未来のために！"},
}};

// The field under the hero's feet, the status panel and an empty window.
void FieldWithWindow(Game& game) {
    game.Pic.clear();
    DrawHero(game);
    DrawStatusPanel(game);
    ClearMessageBox(game);
}

void DrawTrainer(Game& game, int x) { game.Pic.blt(x, kTrainerY, 300, 300, game.sheets.mons_c, 0, 0); }

void SlideTrainerIn(Game& game) {
    LoadIntoMonsC(game, "\\cg\\etc01.bmp");
    for (int i = 0; i <= 300; i += 10) {
        game.Pic.clear();
        DrawTrainer(game, 550 - i);
        Present(game);
        Wait(game, 40);
    }
}

// Asks one question; returns 0 for the upper answer, 1 for the lower.
int Ask(Game& game, const JobQuestion& question) {
    double& cursor = game.field.Cursor;
    for (;;) {
        game.Pic.clear();
        DrawTrainer(game, kTrainerX);
        for (int i = 0; i < 3; ++i) DrawText(game, question.lines[size_t(i)], 30, 10 + 20 * i);
        DrawText(game, question.upper, 50, 80);
        DrawText(game, question.lower, 50, 100);
        ChoiceCursor(game);
        if (game.keys.KeyDecide) break;
        Present(game);
        Wait(game, 30);
    }
    PlayMen03(game);
    game.keys.KeyDecide = false;
    const int answer = Int(cursor);
    cursor = 0;
    return answer;
}

// The job of code 0..7 with its growth, extras and starting values.
void TakeJob(Game& game, int code) {
    Player& hero = game.player;
    const JobEntry& job = JobByCode(code);
    hero.Job = job.name;
    hero.GrowHp = job.growHp;
    hero.GrowMp = job.growMp;
    hero.GrowAttack = job.growAttack;
    hero.GrowDefence = job.growDefence;
    hero.GrowSpeed = job.growSpeed;
    hero.BoneRate = job.boneRate;
    if (IsWarriorRace(hero)) {
        hero.Progress[7] = 1;
        hero.Skill = 7;
    }
    if (hero.Job == "ネクロマンサー") hero.Bone = 10;
    hero.MaxHp += hero.GrowHp;
    hero.MaxMp += hero.GrowMp;
    hero.Hp = hero.MaxHp;
    hero.Mp = hero.MaxMp;
    hero.Attack += hero.GrowAttack;
    hero.Defence += hero.GrowDefence;
    hero.Speed += hero.GrowSpeed;
}

void ShowJob(Game& game, const JobEntry& job) {
    do {
        game.Pic.clear();
        DrawTrainer(game, kTrainerX);
        DrawText(game, std::string("あなたの職業は") + job.name, 15, 30);
        for (int i = 0; i < 3; ++i) DrawText(game, job.description[size_t(i)], 30, 70 + 20 * i);
        Present(game);
        Wait(game, 30);
    } while (!game.keys.KeyDecide);
    PlayMen03(game);
    game.keys.KeyDecide = false;
}

}  // namespace

const JobQuestion& QuestionFor(int step, int answersSoFar) {
    if (step == 1) return kFirstQuestion;
    if (step == 2) return kSecondQuestions[answersSoFar == 0 ? 0 : 1];
    return kThirdQuestions[answersSoFar & 3];
}

void CharN(Game& game) {
    SlideTrainerIn(game);
    game.field.Cursor = 0;
    game.Pic.foreColour = QBColor(15);
    double& work = game.player.Work;
    work = 0;
    game.keys.KeyDecide = false;
    work += Ask(game, QuestionFor(1, 0));
    work += 2 * Ask(game, QuestionFor(2, Int(work)));
    work += 4 * Ask(game, QuestionFor(3, Int(work)));
    TakeJob(game, Int(work));
    ShowJob(game, JobByCode(Int(work)));
    ApplyJobSprite(game);
}

const std::array<std::vector<std::string>, 3>& GraduationPages() { return kGraduationPages; }

void GraduationScene(Game& game) {
    FieldWithWindow(game);
    TypePage(game, kGraduationPages[0]);
    PlayMen08(game);
    Present(game);
    WaitKey(game);
    game.player.Money -= kTrainingFee;

    FieldWithWindow(game);
    TypePage(game, kGraduationPages[1]);
    Present(game);
    WaitKey(game);

    CharN(game);
    ApplyJobTables(game);

    FieldWithWindow(game);
    TypePage(game, kGraduationPages[2]);
    Present(game);
    WaitKey(game);

    game.map.setEvent(kGraduationX, kGraduationY, 0);
    SlideSpriteX(game, 0, 2, kTrainerSprite, 0);
    SlideSpriteY(game, 0, 3, kTrainerSprite, 2);
}

}  // namespace zanbora
