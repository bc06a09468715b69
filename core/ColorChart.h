#pragma once

#include "Module1.h"

#include <array>
#include <string_view>

namespace hueprobe {

// One named colour of the chart: the name as listed, and its code in lower-case
// hexadecimal, red first.
struct ChartRow {
    std::string_view name;
    std::string_view hex;
};

inline constexpr int ColorChartRows = 140;

// The chart in list order: a row's index is its position in the chart list.
extern const std::array<ChartRow, ColorChartRows> ColorChart;

// The list index of the row called name (spelt as listed), or -1 where none is.
int chartRowNamed(std::string_view name);

// Takes the colour of the chart row at listIndex into intColor (and remembers
// its code in strColor140). With no row picked (-1) the last code looked up is
// used again, and before any lookup the colour becomes black.
void Color140(int listIndex);

} // namespace hueprobe
