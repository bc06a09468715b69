#pragma once

#include "Module1.h"

#include <string>

// A colour in the forms a style sheet takes, as a web author types them.
namespace hueprobe {

std::string CssHex(const Channels& colour);       // "#ff7f50"
std::string CssRgb(const Channels& colour);       // "rgb(255 127 80)"
std::string CssRgbCommas(const Channels& colour); // "rgb(255, 127, 80)", for older browsers
std::string CssHsl(const Channels& colour);       // "hsl(16 100% 66%)"

} // namespace hueprobe
