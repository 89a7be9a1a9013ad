#pragma once
namespace zanbora {

struct Game;

// The trainer's three questions that decide the hero's job.
void CharN(Game& game);
// The end of training on the graduation cell (56, 480): the fee, the
// questionnaire, the job and the trainer's farewell. Runs once per hero.
void GraduationScene(Game& game);

}  // namespace zanbora
