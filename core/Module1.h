#pragma once

#include "Channel16.h"

#include <array>
#include <cstdint>
#include <string>

namespace hueprobe {

// Channel indexes, shared by intColor and every per-channel control array.
inline constexpr int ChannelCount = 3; // 0 red, 1 green, 2 blue

using Channels = std::array<Int16, ChannelCount>;

// The program-wide state shared by the main window and the dialogs.
// It lives for the whole run and starts with every number 0 and every text empty.
struct ProgramState {
    Channels intColor{};                            // current red, green, blue
    std::array<std::string, ChannelCount> strHex{}; // two-digit hex text of each channel
    std::string strColor;                           // the six-digit code in the swatch
    std::string strColor140;                        // hex text of the last chart row looked up
    std::int32_t lngClipMode = 0;                   // clipboard format: 0 hex, 1 "#"+hex, 2 RGB()
};

inline ProgramState Module1;

} // namespace hueprobe
