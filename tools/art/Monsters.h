#pragma once
// The 28 opponents: cg/mons01.bmp ... cg/mons28.bmp, each three 100 x 100
// animation frames stacked (frame n at y = 100 n) on pure black.
#include <cairo.h>

#include <array>
#include <initializer_list>

#include "Image.h"
#include "Paint.h"

namespace art {

constexpr int kMonsterCount = 28;

// Draws frame (0..2) of monster number n (1..28) into a 100 x 100 box.
void DrawMonster(cairo_t* cr, int n, int frame);
// The finished 100 x 300 picture of monster n.
Image MonsterPicture(int n);

// Pieces shared by the monster drawings.
namespace parts {
// Lists of number groups for loops over shapes: Nums<3>{{x, y, r}, ...}.
template <size_t N>
using Nums = std::initializer_list<std::array<double, N>>;
void Eyes(cairo_t* cr, double x, double y, double gap, double size, double lookX, bool angry);
void Teeth(cairo_t* cr, double x0, double x1, double y, double h, int count, bool down);
void Crown(cairo_t* cr, double cx, double y, double w, double h);
// マメゾ, the pumpkin-headed bean minister, in two colourings.
void Mamezo(cairo_t* cr, int frame, Rgb pumpkin, Rgb robe);
}  // namespace parts

// Monster drawings, split over two files: 1..14 and 15..28.
void DrawMonsterA(cairo_t* cr, int n, int frame);
void DrawMonsterB(cairo_t* cr, int n, int frame);

}  // namespace art
