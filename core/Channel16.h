#pragma once

#include <array>
#include <cstdint>

namespace hueprobe {

// A channel value, as the window stores and shows it: 16-bit signed.
using Int16 = std::int16_t;

// Channel indexes, shared by intColor and every per-channel control array.
inline constexpr int ChannelCount = 3; // 0 red, 1 green, 2 blue

// A colour: red, green and blue channel values.
using Channels = std::array<Int16, ChannelCount>;

// Reports that channel arithmetic left the 16-bit range and ends the program.
// Such an overflow can only come from a fault in Hueprobe itself; showing a
// wrapped-around colour instead would hand the user a wrong code silently.
[[noreturn]] void channelOverflow(const char* operation, long long value);

// Narrows a result of channel arithmetic to 16 bits, checking the range.
constexpr Int16 checkedInt16(long long value, const char* operation) {
    if (value < INT16_MIN || value > INT16_MAX)
        channelOverflow(operation, value);
    return static_cast<Int16>(value);
}

} // namespace hueprobe
