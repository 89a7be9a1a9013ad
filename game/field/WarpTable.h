#pragma once
// Where the warp cells and magic circles of the event layer send the hero.
// Plain data shared by the field step and by the world checker; no game
// state here. All positions are map cells of the hero's foot point.

#include <optional>

namespace zanbora {

struct MapCell {
    int x;
    int y;
    friend constexpr bool operator==(MapCell, MapCell) = default;
};

// A warp cell (event codes 3, 4, 7, 10..15). A relative warp moves the hero
// by (x, y) and keeps the fraction of the position; an absolute one puts the
// foot point on (x, y). `row` >= 0 limits the warp to cells of that row.
struct FieldWarp {
    int code;
    int row;
    bool relative;
    int x;
    int y;
};

inline constexpr FieldWarp kFieldWarps[] = {
    {3, -1, true, 0, 20},        // hole: down 20 rows
    {4, -1, true, 0, -20},       // ladder: up 20 rows
    {7, -1, false, 63, 148},     // dark pit into the cave
    {10, -1, false, 33, 334},    // temple hole to the first seal's dungeon
    {11, -1, false, 46, 311},    // temple hole to the south shore
    {12, -1, true, 30, 0},       // passage 30 columns east
    {13, -1, true, -30, 0},      // passage 30 columns west
    {14, 305, false, 11, 355},   // stairs down to the second seal's dungeon
    {15, 355, false, 70, 305},   // stairs back up to the south shore
};

// Which music a circle leaves playing: unchanged, the field's (data1) or the
// underground's (data6).
enum class CircleMusic { Keep, Field, Underground };

// A magic circle (event codes 18 and 19), chosen by the row it lies in.
// `relative` circles move the hero by (x, y) instead of to (x, y).
// `opensWayBack`: the circle writes 18 into its landing cell, so that the
// landing cell becomes the circle of the way back (its row has an entry too).
// `storesReturnPoint`: the landing becomes the teleport return point.
struct MagicCircle {
    int row;
    bool relative;
    int x;
    int y;
    bool opensWayBack;
    CircleMusic music;
    bool storesReturnPoint;
};

inline constexpr MagicCircle kMagicCircles[] = {
    // The hall's door to the world: the clearing north of the first meadow.
    {470, false, 50, 8, false, CircleMusic::Keep, false},
    // The circle beside the first town: down to the grate yard.
    {17, true, -1, 20, false, CircleMusic::Keep, true},
    // Home from the meadow by the second town; its landing leads back.
    {24, false, 64, 472, true, CircleMusic::Keep, false},
    {472, false, 29, 24, false, CircleMusic::Keep, false},
    // Home from the warp building past the stone keeper, and back.
    {188, false, 62, 474, true, CircleMusic::Keep, false},
    {474, false, 65, 188, false, CircleMusic::Keep, false},
    // From the temple shore back to the warp building.
    {285, false, 63, 190, false, CircleMusic::Keep, false},
    // The south shore's circle back to the temple.
    {320, false, 66, 290, false, CircleMusic::Keep, false},
    // The seal dungeons' way out to the south shore.
    {347, false, 52, 312, false, CircleMusic::Keep, false},
    {375, false, 54, 312, false, CircleMusic::Keep, false},
    // The circle the two seal keepers open at (79, 273): down to the
    // castle under the hall, and its way back.
    {273, false, 50, 384, true, CircleMusic::Underground, false},
    {384, false, 78, 273, false, CircleMusic::Field, false},
    // The castle's last circle: to the throne room of the hall, and back.
    {455, false, 94, 483, true, CircleMusic::Field, false},
    {483, false, 50, 454, false, CircleMusic::Underground, false},
};

// The warp of `code` on a cell of `row`, if that cell warps at all.
std::optional<FieldWarp> FindFieldWarp(int code, int row);

// The circle that lies in `row`, if the table has one.
std::optional<MagicCircle> FindMagicCircle(int row);

// The cell the hero lands in when a warp or circle fires on `from`.
MapCell WarpLanding(const FieldWarp& warp, MapCell from);
MapCell CircleLanding(const MagicCircle& circle, MapCell from);

}  // namespace zanbora
