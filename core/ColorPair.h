#pragma once

#include "ColorMetrics.h"
#include "ColorVision.h"

#include <array>
#include <optional>

// A text colour on a background colour: how readable the pair is, the nearest
// colour to the text colour that would be readable enough, and how the pair
// looks to readers with other colour vision.
namespace hueprobe {

// The colour nearest to text (the least deltaEOK) that reaches minimum contrast
// against background, or none where no colour does (neither white nor black
// reaches it). Text itself where it already does. The search keeps the text's
// OKLCh hue, and its chroma as far as the screen can show it, changing only the
// lightness; it ends on whole channel values at the very edge: one unit on any
// channel back toward text no longer reaches minimum.
std::optional<Channels> NearestPassing(const Channels& text, const Channels& background,
                                       double minimum);

// The two colours as a reader with a given colour vision sees them, and their contrast.
struct SeenPair {
    Channels text{};
    Channels background{};
    double ratio = 1;
};

// Everything the text-and-background dialog shows for one pair.
struct PairMeasures {
    double ratio = 1;
    std::optional<Channels> nearestAA;  // normal text, 4.5:1
    std::optional<Channels> nearestAAA; // normal text, 7:1
    std::array<SeenPair, ColorVisions.size()> seen{};
};

PairMeasures MeasurePair(const Channels& text, const Channels& background);

} // namespace hueprobe
