#pragma once

#include "Channel16.h"

#include <array>
#include <string>
#include <string_view>

namespace hueprobe {

// Upper-case hexadecimal digits without leading zeros: 0 -> "0", 255 -> "FF".
// A negative value is written as its 16-bit two's complement ("FFFF" for -1).
std::string shortHex(Int16 value);

// The two-digit code of a channel: "0" is put in front of any text that is not
// already two characters long, so 10 -> "0A" (and 256 -> "0100").
std::string ToHex(Int16 value);

// Decimal digits with no padding: 7 -> "7", 255 -> "255".
std::string decimalText(Int16 value);

// One hexadecimal digit, either case, to its value; any other text is read as a
// decimal number, and one that is not a number (or does not fit) gives 0.
Int16 to10sub(std::string_view text);

// Two hexadecimal digits to their value ("ff" -> 255); a text of any other
// length is handed whole to to10sub, so the empty text gives 0.
Int16 to10(std::string_view text);

// The swatch's text colour: each channel turned around, so the code stays readable.
Channels inverseColor(const Channels& colour);

// The three two-digit texts joined red first: the code shown in the swatch.
std::string sixDigitCode(const std::array<std::string, ChannelCount>& hex);

} // namespace hueprobe
