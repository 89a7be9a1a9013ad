#pragma once
// Numbers as the panels print them: whole values without a point, fractions
// with their digits (up to 15 significant), "-0" as "0".
#include <string>

namespace zanbora {

std::string NumberText(double value);

}  // namespace zanbora
