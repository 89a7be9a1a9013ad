#pragma once
// Graduation from the training ground: the fee, the trainer's three
// questions that decide the hero's job, and his farewell.
#include <array>
#include <string>
#include <vector>

namespace zanbora {

struct Game;

// One of the trainer's questions: three lines and two answers.
struct JobQuestion {
    std::array<const char*, 3> lines;
    const char* upper;
    const char* lower;
};

// The question asked at step 1, 2 or 3, given the answers so far (Work).
const JobQuestion& QuestionFor(int step, int answersSoFar);

// The trainer's three pages in the message window: the fee, the choice of
// a job, the farewell.
const std::array<std::vector<std::string>, 3>& GraduationPages();

// The questionnaire: the trainer slides in, asks three questions and tells
// the hero his job, which is set with its starting values.
void CharN(Game& game);
// The end of training on the graduation cell (56, 480): the fee, the
// questionnaire, the job and the trainer's farewell. Runs once per hero.
void GraduationScene(Game& game);

}  // namespace zanbora
