#pragma once

#include "Channel16.h"

#include <array>
#include <cstdint>
#include <string>

namespace hueprobe {

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
