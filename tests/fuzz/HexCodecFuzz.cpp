// Fuzz target for the colour core: the text conversions and the chart lookup.
// libFuzzer makes up the inputs; each property below must hold for every one of
// them. A broken property ends the run with its name and the input, and
// libFuzzer keeps the input that broke it; the sanitizers the target is built
// with report memory faults and undefined behaviour the same way.

#include "ColorChart.h"
#include "HexCodec.h"
#include "Module1.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace {

using namespace hueprobe;

void require(bool holds, const char* property, const std::string& input) {
    if (holds)
        return;
    std::fprintf(stderr, "broken property: %s\n  input: %s\n", property, input.c_str());
    std::fflush(stderr);
    std::abort();
}

// The text as a C++ string literal would show it, so any byte can be reported.
std::string quoted(std::string_view text) {
    std::string shown = "\"";
    for (const unsigned char c : text) {
        char escape[5];
        const bool plain = c >= 0x20 && c < 0x7F && c != '"' && c != '\\';
        std::snprintf(escape, sizeof escape, plain ? "%c" : "\\x%02X", c);
        shown += escape;
    }
    return shown + "\"";
}

// The whole text read as a number in the given base: nothing when any
// character is left over or the number does not fit.
template <class Number> std::optional<Number> readWhole(std::string_view text, int base) {
    Number number{};
    const char* const last = text.data() + text.size();
    const auto [end, error] = std::from_chars(text.data(), last, number, base);
    if (error != std::errc{} || end != last)
        return std::nullopt;
    return number;
}

// What one character is worth as a hexadecimal digit, either case; any other
// character does not begin a number and counts 0.
int digitValue(char c) {
    return readWhole<int>(std::string_view(&c, 1), 16).value_or(0);
}

bool isChannelValue(int value) {
    return value >= 0 && value <= 255;
}

bool isUpperHex(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789ABCDEF") == std::string_view::npos;
}

bool beginsWithNumber(std::string_view text) {
    const std::string_view digits = text.starts_with('-') ? text.substr(1) : text;
    return !digits.empty() && digits.front() >= '0' && digits.front() <= '9';
}

// The text with the letters at the positions set in lowerMask (bit 0 the first
// character) in lower case.
std::string withLowerCase(std::string text, unsigned lowerMask) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((lowerMask >> i & 1U) != 0 && text[i] >= 'A' && text[i] <= 'F')
            text[i] = static_cast<char>(text[i] - 'A' + 'a');
    }
    return text;
}

void checkShortHex(Int16 value) {
    const std::string text = shortHex(value);
    const std::string input = std::to_string(value);
    require(isUpperHex(text), "shortHex gives upper-case hexadecimal digits", input);
    require(text == "0" || text.front() != '0', "shortHex has no leading zero", input);
    require(readWhole<std::uint16_t>(text, 16) == static_cast<std::uint16_t>(value),
            "shortHex keeps the value (16-bit two's complement)", input);
}

void checkToHex(Int16 value) {
    const std::string text = ToHex(value);
    const std::string input = std::to_string(value);
    require(isUpperHex(text), "ToHex gives upper-case hexadecimal digits", input);
    require(readWhole<std::uint16_t>(text, 16) == static_cast<std::uint16_t>(value),
            "ToHex keeps the value", input);
    if (!isChannelValue(value))
        return;
    require(text.size() == 2, "ToHex gives exactly two digits for 0 to 255", input);
    for (unsigned lowerMask = 0; lowerMask < 4; ++lowerMask) {
        const std::string cased = withLowerCase(text, lowerMask);
        require(to10(cased) == value, "to10 inverts ToHex, letters in either case",
                input + " as " + quoted(cased));
    }
}

void checkDecimalText(Int16 value) {
    const std::string text = decimalText(value);
    const std::string input = std::to_string(value);
    require(readWhole<Int16>(text, 10) == value,
            "decimalText round-trips through from_chars, with no blank or plus sign", input);
    const std::string_view digits = std::string_view(text).substr(value < 0 ? 1 : 0);
    require(digits == "0" || digits.front() != '0', "decimalText has no leading zero", input);
    require(to10sub(text) == value, "to10sub reads a decimal text back", input);
}

// to10 and to10sub must take any text without ending the program.
void checkHexText(std::string_view text) {
    const Int16 whole = to10sub(text);
    const Int16 value = to10(text);
    const std::string input = quoted(text);
    if (text.size() == 1)
        require(whole == digitValue(text.front()),
                "to10sub reads one character as a hexadecimal digit, any other as 0", input);
    if (text.size() != 1 && !beginsWithNumber(text))
        require(whole == 0, "to10sub gives 0 for a text that does not begin with a number", input);
    if (text.size() == 2)
        require(value == 16 * digitValue(text[0]) + digitValue(text[1]),
                "to10 reads two characters as two hexadecimal digits", input);
    else
        require(value == whole, "to10 hands a text of any other length to to10sub", input);
}

void checkColour(const Channels& colour) {
    const std::string input = std::to_string(colour.at(0)) + "," + std::to_string(colour.at(1)) +
                              "," + std::to_string(colour.at(2));
    const Channels inverse = inverseColor(colour);
    for (int i = 0; i < ChannelCount; ++i)
        require(inverse.at(i) == 255 - colour.at(i), "inverseColor turns each channel around",
                input);
    require(inverseColor(inverse) == colour, "inverseColor twice gives the colour back", input);

    const std::string code =
        sixDigitCode({ToHex(colour.at(0)), ToHex(colour.at(1)), ToHex(colour.at(2))});
    const std::uint32_t packed = colour.at(0) << 16 | colour.at(1) << 8 | colour.at(2);
    require(code.size() == 6 && readWhole<std::uint32_t>(code, 16) == packed,
            "the six-digit code holds red, green and blue in that order", input);
}

// The colour a chart code stands for; before any lookup the code is empty and
// the colour black.
Channels colourOfCode(std::string_view code) {
    if (code.empty())
        return {};
    const std::optional<std::uint32_t> packed = readWhole<std::uint32_t>(code, 16);
    require(code.size() == 6 && packed.has_value(), "chart codes are six hexadecimal digits",
            quoted(code));
    return {Int16(*packed >> 16), Int16(*packed >> 8 & 0xFF), Int16(*packed & 0xFF)};
}

void checkChartLookup(int listIndex) {
    const std::string before = Module1.strColor140;
    Color140(listIndex);
    const bool inChart = listIndex >= 0 && listIndex < ColorChartRows;
    const std::string_view expected =
        inChart ? ColorChart.at(static_cast<std::size_t>(listIndex)).hex : before;
    const std::string input = std::to_string(listIndex) + " after " + quoted(before);
    require(Module1.strColor140 == expected,
            "Color140 remembers the code of a row, and keeps the last one for any other index",
            input);
    require(Module1.intColor == colourOfCode(expected), "Color140 takes the colour of the code",
            input);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    checkHexText(input.ConsumeRandomLengthString(32));

    const auto value = input.ConsumeIntegral<Int16>();
    checkShortHex(value);
    checkToHex(value);
    checkDecimalText(value);

    checkColour({input.ConsumeIntegral<std::uint8_t>(), input.ConsumeIntegral<std::uint8_t>(),
                 input.ConsumeIntegral<std::uint8_t>()});

    // Each input is a run of its own: the chart lookups start from a new program.
    Module1 = ProgramState{};
    while (input.remaining_bytes() > 0) {
        const bool nearTheChart = input.ConsumeBool();
        checkChartLookup(nearTheChart ? input.ConsumeIntegralInRange(-2, ColorChartRows + 1)
                                      : input.ConsumeIntegral<int>());
    }
    return 0;
}
