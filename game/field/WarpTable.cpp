#include "game/field/WarpTable.h"

namespace zanbora {

std::optional<FieldWarp> FindFieldWarp(int code, int row) {
    for (const FieldWarp& warp : kFieldWarps)
        if (warp.code == code && (warp.row < 0 || warp.row == row)) return warp;
    return std::nullopt;
}

std::optional<MagicCircle> FindMagicCircle(int row) {
    for (const MagicCircle& circle : kMagicCircles)
        if (circle.row == row) return circle;
    return std::nullopt;
}

MapCell WarpLanding(const FieldWarp& warp, MapCell from) {
    if (warp.relative) return {from.x + warp.x, from.y + warp.y};
    return {warp.x, warp.y};
}

MapCell CircleLanding(const MagicCircle& circle, MapCell from) {
    if (circle.relative) return {from.x + circle.x, from.y + circle.y};
    return {circle.x, circle.y};
}

}  // namespace zanbora
