#pragma once

#include "Module1.h"

#include <array>
#include <optional>

namespace hueprobe {

// The desktop's own colour picker answers with each channel as an sRGB fraction
// from 0 to 1. A fraction becomes a channel value by rounding (0.5 -> 128), so a
// colour taken in and shown again is the nearest one, never one step darker.
// Anything outside 0..1, NaN included, is no colour at all.
std::optional<Int16> ChannelFromFraction(double fraction);

// All three channels, red first, or none if any of them is not a fraction.
std::optional<Channels> ChannelsFromFractions(const std::array<double, ChannelCount>& fractions);

} // namespace hueprobe
