#include "ColorMix.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace hueprobe {

namespace {

// The colour in the mixing space. A channel missing in the original stays
// missing in the channel of the same meaning (lightness to lightness, hue to
// hue), and a grey's hue reached by conversion is missing, so that the other
// colour's hue is kept; a hue written in the mixing space itself stays, as
// browsers keep it.
Triple inMixingSpace(const SpacedColour& colour, const ColorSpace& space) {
    const bool sameSpace = colour.space == &space;
    Triple result =
        sameSpace ? colour.coordinates : ConvertColour(*colour.space, colour.coordinates, space);
    const Triple converted = result;
    for (std::size_t from = 0; from < 3; ++from) {
        const ChannelKind kind = colour.space->channels[from].kind;
        if (sameSpace || !IsMissing(colour.coordinates[from]) || kind == ChannelKind::Other)
            continue;
        for (std::size_t to = 0; to < 3; ++to)
            if (space.channels[to].kind == kind)
                result[to] = Missing;
    }
    // Whether a colour is grey can only be told from channels it has.
    if (!sameSpace && space.polar() && std::ranges::none_of(result, IsMissing) &&
        space.hueIsPowerless(converted))
        result[std::size_t(space.hueChannel)] = Missing;
    return result;
}

double wrapped(double hue) {
    hue = std::fmod(hue, 360);
    return hue < 0 ? hue + 360 : hue;
}

// Moves one of two hues by a turn so that plain interpolation between them goes
// the chosen way round.
void arrangeHues(double& first, double& second, HueInterpolation way) {
    first = wrapped(first);
    second = wrapped(second);
    const double difference = second - first;
    switch (way) {
    case HueInterpolation::Shorter:
        if (difference > 180)
            first += 360;
        else if (difference < -180)
            second += 360;
        break;
    case HueInterpolation::Longer:
        if (difference > 0 && difference < 180)
            first += 360;
        else if (difference > -180 && difference <= 0)
            second += 360;
        break;
    case HueInterpolation::Increasing:
        if (difference < 0)
            second += 360;
        break;
    case HueInterpolation::Decreasing:
        if (difference > 0)
            first += 360;
        break;
    }
}

// How much of each colour goes in, adding up to 1, and what the alpha is
// multiplied by; all 0 for percentages that mix nothing.
struct Weights {
    double first = 0;
    double second = 0;
    double alphaMultiplier = 0;
    bool mixSomething() const { return first + second > 0; }
};

Weights normalised(std::optional<double> first, std::optional<double> second) {
    auto outOfRange = [](std::optional<double> percent) {
        return percent && (std::isnan(*percent) || *percent < 0 || *percent > 100);
    };
    if (outOfRange(first) || outOfRange(second))
        return {};
    const double p1 = first ? *first : second ? 100 - *second : 50;
    const double p2 = second ? *second : 100 - p1;
    const double sum = p1 + p2;
    if (sum <= 0)
        return {};
    return {p1 / sum, p2 / sum, std::min(sum, 100.0) / 100};
}

// A channel missing in one colour takes the other's value.
void fillEachFromOther(double& first, double& second) {
    if (IsMissing(first))
        first = second;
    else if (IsMissing(second))
        second = first;
}

} // namespace

std::optional<SpacedColour> MixColours(const ColorSpace& space, HueInterpolation hue,
                                       const SpacedColour& first,
                                       std::optional<double> firstPercent,
                                       const SpacedColour& second,
                                       std::optional<double> secondPercent) {
    const Weights weights = normalised(firstPercent, secondPercent);
    if (!weights.mixSomething())
        return std::nullopt;
    Triple a = inMixingSpace(first, space);
    Triple b = inMixingSpace(second, space);
    double alphaA = first.alpha;
    double alphaB = second.alpha;
    fillEachFromOther(alphaA, alphaB);
    // Alpha missing in both stays missing, and the channels are not premultiplied.
    const bool alphaMissing = IsMissing(alphaA);
    if (alphaMissing)
        alphaA = alphaB = 1;
    const double alpha = alphaA * weights.first + alphaB * weights.second;

    SpacedColour mixed{&space, {}, alphaMissing ? Missing : alpha * weights.alphaMultiplier};
    for (std::size_t i = 0; i < 3; ++i) {
        fillEachFromOther(a[i], b[i]);
        if (IsMissing(a[i])) {
            mixed.coordinates[i] = Missing;
            continue;
        }
        if (std::cmp_equal(i, space.hueChannel)) {
            arrangeHues(a[i], b[i], hue);
            mixed.coordinates[i] = wrapped(a[i] * weights.first + b[i] * weights.second);
            continue;
        }
        // Premultiplied by alpha, so a nearly transparent colour adds little of its hue.
        const double premultiplied = a[i] * alphaA * weights.first + b[i] * alphaB * weights.second;
        mixed.coordinates[i] = alpha == 0 ? premultiplied : premultiplied / alpha;
    }
    return mixed;
}

} // namespace hueprobe
