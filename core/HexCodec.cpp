#include "HexCodec.h"

#include <charconv>
#include <cstdint>

namespace hueprobe {

std::string shortHex(Int16 value) {
    static constexpr char digits[] = "0123456789ABCDEF";
    auto bits = static_cast<std::uint16_t>(value);
    std::string text;
    do {
        text.insert(text.begin(), digits[bits & 0xF]);
        bits >>= 4;
    } while (bits != 0);
    return text;
}

std::string ToHex(Int16 value) {
    std::string text = shortHex(value);
    return text.size() == 2 ? text : "0" + text;
}

std::string decimalText(Int16 value) {
    return std::to_string(value);
}

Int16 to10sub(std::string_view text) {
    if (text.size() == 1) {
        const char c = text.front();
        if (c >= 'A' && c <= 'F')
            return static_cast<Int16>(c - 'A' + 10);
        if (c >= 'a' && c <= 'f')
            return static_cast<Int16>(c - 'a' + 10);
    }
    Int16 number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    (void)end;
    return error == std::errc{} ? number : Int16{0};
}

Int16 to10(std::string_view text) {
    if (text.size() != 2)
        return to10sub(text);
    const long long high = to10sub(text.substr(0, 1));
    const long long low = to10sub(text.substr(1, 1));
    return checkedInt16(16 * high + low, "to10");
}

Channels inverseColor(const Channels& colour) {
    Channels inverse{};
    for (int i = 0; i < ChannelCount; ++i)
        inverse.at(i) = checkedInt16(255LL - colour.at(i), "inverse colour");
    return inverse;
}

std::string sixDigitCode(const std::array<std::string, ChannelCount>& hex) {
    return hex.at(0) + hex.at(1) + hex.at(2);
}

} // namespace hueprobe
