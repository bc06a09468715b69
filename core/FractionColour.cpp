#include "FractionColour.h"

#include <cmath>

namespace hueprobe {

std::optional<Int16> ChannelFromFraction(double fraction) {
    if (std::isnan(fraction) || fraction < 0.0 || fraction > 1.0)
        return std::nullopt;
    return static_cast<Int16>(std::lround(fraction * 255.0));
}

std::optional<Channels> ChannelsFromFractions(const std::array<double, ChannelCount>& fractions) {
    Channels colour{};
    for (int i = 0; i < ChannelCount; ++i) {
        const std::optional<Int16> channel = ChannelFromFraction(fractions.at(i));
        if (!channel)
            return std::nullopt;
        colour.at(i) = *channel;
    }
    return colour;
}

} // namespace hueprobe
