#pragma once
// Virtual key codes the game's key handlers understand.
namespace zanbora::vk {
constexpr int Backspace = 8;
constexpr int Tab = 9;
constexpr int Enter = 13;
constexpr int Shift = 16;
constexpr int Alt = 18;
constexpr int Escape = 27;
constexpr int Space = 32;
constexpr int PageUp = 33;
constexpr int PageDown = 34;
constexpr int End = 35;
constexpr int Home = 36;
constexpr int Left = 37;
constexpr int Up = 38;
constexpr int Right = 39;
constexpr int Down = 40;
constexpr int Delete = 46;
constexpr int FastForward = 70;  // the code of F, its default key
constexpr int X = 88;
constexpr int Z = 90;
constexpr int F4 = 115;
}  // namespace zanbora::vk
