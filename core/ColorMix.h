#pragma once

#include "ColorSpaces.h"

#include <optional>

// color-mix(): two colours interpolated in a chosen space, as CSS Color 5 does
// it, so that a reader of style sheets only has to parse.
namespace hueprobe {

// A colour as read: its space, its coordinates (NaN for `none`) and its alpha
// (0..1, NaN for `none`).
struct SpacedColour {
    const ColorSpace* space = nullptr;
    Triple coordinates{};
    double alpha = 1;
};

// Which way round the hue wheel a polar space interpolates.
enum class HueInterpolation { Shorter, Longer, Increasing, Decreasing };

// Mixes `first` and `second` in `space`. The percentages (0..100, or absent)
// follow CSS Color 5: both absent mean 50/50, one absent is 100 minus the other,
// two that do not add up to 100 are scaled to do so, and a sum under 100 makes
// the result that much more transparent (the alpha multiplier). A sum of 0, or a
// percentage outside 0..100, gives no colour.
//
// Each colour is converted to `space` with its missing channels carried over to
// the channels of the same meaning, and a polar space's powerless hue (a grey's)
// made missing; a channel missing in one colour takes the other's value, and
// stays missing when missing in both; so does alpha. Channels are interpolated
// premultiplied by alpha (hue excepted), hues the way `hue` says. The result is
// in `space`, ready for ToScreen or for another mix.
std::optional<SpacedColour> MixColours(const ColorSpace& space, HueInterpolation hue,
                                       const SpacedColour& first,
                                       std::optional<double> firstPercent,
                                       const SpacedColour& second,
                                       std::optional<double> secondPercent);

} // namespace hueprobe
