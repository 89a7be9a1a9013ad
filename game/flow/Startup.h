#pragma once
namespace zanbora {

struct Game;

// Start-up: instance check, the world map, joystick, tables, the new-hero
// values, the sheets, name.ini, the title; then the start screen.
void Form_Load(Game& game);
// Steps of the start-up up to (not including) the title, for tests.
void LoadGameData(Game& game);

}  // namespace zanbora
