#pragma once

#include "Oklab.h"

#include <array>

// A 3×3 matrix acting on a colour's three channels, as the colour spaces'
// conversions through CIE XYZ use them.
namespace hueprobe {

using Matrix3 = std::array<Triple, 3>;

constexpr Triple Times(const Matrix3& matrix, const Triple& vector) {
    Triple result{};
    for (std::size_t row = 0; row < 3; ++row)
        result[row] =
            matrix[row][0] * vector[0] + matrix[row][1] * vector[1] + matrix[row][2] * vector[2];
    return result;
}

} // namespace hueprobe
