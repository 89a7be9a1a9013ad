#include "game/core/NumberText.h"

#include <cmath>
#include <cstdio>

namespace zanbora {

std::string NumberText(double value) {
    if (value == 0) return "0";
    if (std::isnan(value)) return "0";
    char text[32];
    std::snprintf(text, sizeof text, "%.15g", value);
    return text;
}

}  // namespace zanbora
