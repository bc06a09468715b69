#include "ColorVision.h"

#include <algorithm>
#include <cmath>

namespace hueprobe {

namespace {

using Matrix = std::array<Triple, 3>;

// The severity 1.0 matrices published with the model, for linear RGB.
constexpr Matrix ProtanopiaMatrix{{
    {0.152286, 1.052583, -0.204868},
    {0.114503, 0.786281, 0.099216},
    {-0.003882, -0.048116, 1.051998},
}};
constexpr Matrix DeuteranopiaMatrix{{
    {0.367322, 0.860646, -0.227968},
    {0.280085, 0.672501, 0.047413},
    {-0.011820, 0.042940, 0.968881},
}};
constexpr Matrix TritanopiaMatrix{{
    {1.255528, -0.076749, -0.178779},
    {-0.078411, 0.930809, 0.147602},
    {0.004733, 0.691367, 0.303900},
}};

Triple times(const Matrix& matrix, const Triple& vector) {
    Triple result{};
    for (std::size_t row = 0; row < 3; ++row)
        result.at(row) = matrix.at(row)[0] * vector[0] + matrix.at(row)[1] * vector[1] +
                         matrix.at(row)[2] * vector[2];
    return result;
}

// WCAG's relative luminance, the one thing achromatopsia still sees.
Triple greyOfSameLight(const Triple& linear) {
    const double luminance = 0.2126 * linear[0] + 0.7152 * linear[1] + 0.0722 * linear[2];
    return {luminance, luminance, luminance};
}

Int16 encodedChannel(double linear) {
    return Int16(std::lround(EncodedFromLinear(std::clamp(linear, 0.0, 1.0)) * 255));
}

} // namespace

Channels ChannelsFromLinearSrgb(const Triple& linear) {
    return {encodedChannel(linear[0]), encodedChannel(linear[1]), encodedChannel(linear[2])};
}

Channels SeenWith(ColorVision vision, const Channels& colour) {
    const Triple light = LinearSrgb(colour);
    switch (vision) {
    case ColorVision::Protanopia:
        return ChannelsFromLinearSrgb(times(ProtanopiaMatrix, light));
    case ColorVision::Deuteranopia:
        return ChannelsFromLinearSrgb(times(DeuteranopiaMatrix, light));
    case ColorVision::Tritanopia:
        return ChannelsFromLinearSrgb(times(TritanopiaMatrix, light));
    case ColorVision::Achromatopsia:
        break;
    }
    return ChannelsFromLinearSrgb(greyOfSameLight(light));
}

} // namespace hueprobe
