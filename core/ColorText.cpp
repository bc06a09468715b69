#include "ColorText.h"

#include "ColorChart.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <numbers>
#include <optional>
#include <string>

namespace hueprobe {

namespace {

using Refusal = ColorTextRefusal;

ColorTextResult refused(Refusal why) {
    return {.refusal = why};
}

// The blanks of a style sheet: space, tab, line feed, carriage return, form feed.
bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

bool isControl(char c) {
    const auto code = static_cast<unsigned char>(c);
    return (code < 0x20 && !isBlank(c)) || code == 0x7F;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

char lowerLetter(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string lowerCase(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), lowerLetter);
    return lower;
}

Int16 channelOf(double zeroTo255) {
    return static_cast<Int16>(std::round(std::clamp(zeroTo255, 0.0, 255.0)));
}

// ---- #rgb, #rgba, #rrggbb, #rrggbbaa and the program's bare six digits

std::optional<int> hexDigit(char c) {
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return std::nullopt;
}

// Each channel is written with `width` digits: one digit d stands for dd.
ColorTextResult readHex(std::string_view digits) {
    const std::size_t width = digits.size() <= 4 ? 1 : 2;
    std::array<int, 4> values{0, 0, 0, 255};
    for (std::size_t i = 0; i < digits.size(); ++i) {
        const std::optional<int> digit = hexDigit(digits[i]);
        if (!digit)
            return refused(Refusal::NotAColour);
        int& value = values.at(i / width);
        value = (i % width == 0 ? 0 : value * 16) + *digit;
        if (width == 1)
            value *= 17;
    }
    return {.colour = {Int16(values[0]), Int16(values[1]), Int16(values[2])},
            .alphaDropped = values[3] < 255};
}

// ---- colour names

bool sameName(std::string_view chartName, std::string_view lower) {
    return std::equal(chartName.begin(), chartName.end(), lower.begin(), lower.end(),
                      [](char named, char written) { return lowerLetter(named) == written; });
}

std::optional<std::string_view> chartCode(std::string_view lower) {
    for (const ChartRow& row : ColorChart) {
        if (sameName(row.name, lower))
            return row.hex;
    }
    return std::nullopt;
}

// Every grey of the chart is also spelt "grey", and one colour was named after
// the chart was drawn up.
std::optional<std::string_view> nameCode(std::string lower) {
    if (lower == "rebeccapurple")
        return "663399";
    if (const std::size_t grey = lower.find("grey"); grey != std::string::npos)
        lower.replace(grey, 4, "gray");
    return chartCode(lower);
}

// ---- values inside rgb() and hsl()

enum class Unit { Number, Percent, Degrees, None };

struct Value {
    double number = 0;
    Unit unit = Unit::Number;
};

std::size_t digitsEnd(std::string_view text, std::size_t from) {
    while (from < text.size() && isDigit(text[from]))
        ++from;
    return from;
}

// The length of the number at the start of the text, in the form style sheets
// write one (sign, digits, fraction, exponent); 0 when it begins with none.
std::size_t numberLength(std::string_view text) {
    const std::size_t start = !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
    std::size_t end = digitsEnd(text, start);
    if (end < text.size() && text[end] == '.' && digitsEnd(text, end + 1) > end + 1)
        end = digitsEnd(text, end + 1);
    if (end == start)
        return 0;
    if (end < text.size() && text[end] == 'e') {
        const std::size_t sign =
            end + 1 < text.size() && (text[end + 1] == '+' || text[end + 1] == '-') ? 1 : 0;
        const std::size_t exponentEnd = digitsEnd(text, end + 1 + sign);
        if (exponentEnd > end + 1 + sign)
            end = exponentEnd;
    }
    return end;
}

// A unit after the number, angles turned into degrees.
std::optional<Value> withUnit(double number, std::string_view unit) {
    if (unit.empty())
        return Value{number, Unit::Number};
    if (unit == "%")
        return Value{number, Unit::Percent};
    static constexpr std::array<std::pair<std::string_view, double>, 4> degreesPer{{
        {"deg", 1.0},
        {"grad", 0.9},
        {"rad", 180.0 / std::numbers::pi},
        {"turn", 360.0},
    }};
    for (const auto& [name, degreesPerUnit] : degreesPer) {
        const double degrees = number * degreesPerUnit;
        if (unit == name && std::isfinite(degrees))
            return Value{degrees, Unit::Degrees};
    }
    return std::nullopt;
}

// A number too large or too small for a double is no value a person writes.
std::optional<Value> valueOf(std::string_view token) {
    if (token == "none")
        return Value{0, Unit::None};
    const std::size_t length = numberLength(token);
    if (length == 0)
        return std::nullopt;
    const std::size_t plus = token.front() == '+' ? 1 : 0;
    double number = 0;
    const auto [end, error] = std::from_chars(token.data() + plus, token.data() + length, number);
    if (error != std::errc{} || end != token.data() + length)
        return std::nullopt;
    return withUnit(number, token.substr(length));
}

// The values between the brackets: three, and maybe an alpha. The comma syntax
// separates all of them with commas; the space syntax separates the three with
// blanks and the alpha with '/'.
struct Arguments {
    std::array<Value, 3> channels{};
    std::optional<Value> alpha;
    bool commas = false;
};

// Splits the text at each separator into at most `most` trimmed parts, or nothing.
template <std::size_t most>
std::optional<std::array<std::string_view, most>> split(std::string_view text, char separator,
                                                        std::size_t& count) {
    std::array<std::string_view, most> parts{};
    count = 0;
    for (;;) {
        if (count == most)
            return std::nullopt;
        const std::size_t at = text.find(separator);
        parts.at(count++) = trimmed(text.substr(0, at));
        if (at == std::string_view::npos)
            return parts;
        text.remove_prefix(at + 1);
    }
}

std::size_t blankSeparated(std::string_view text, std::array<std::string_view, 3>& words) {
    std::size_t count = 0;
    for (text = trimmed(text); !text.empty(); text = trimmed(text)) {
        if (count == words.size())
            return count + 1;
        const auto end = std::find_if(text.begin(), text.end(), isBlank);
        words.at(count++) = text.substr(0, std::size_t(end - text.begin()));
        text.remove_prefix(std::size_t(end - text.begin()));
    }
    return count;
}

std::optional<Arguments> commaArguments(std::string_view inside) {
    std::size_t count = 0;
    const auto parts = split<4>(inside, ',', count);
    if (!parts || count < 3)
        return std::nullopt;
    Arguments arguments;
    arguments.commas = true;
    for (std::size_t i = 0; i < count; ++i) {
        const std::optional<Value> value = valueOf(parts->at(i));
        if (!value || value->unit == Unit::None)
            return std::nullopt;
        (i < 3 ? arguments.channels.at(i) : arguments.alpha.emplace()) = *value;
    }
    return arguments;
}

std::optional<Arguments> spaceArguments(std::string_view inside) {
    std::size_t count = 0;
    const auto parts = split<2>(inside, '/', count);
    std::array<std::string_view, 3> words{};
    if (!parts || blankSeparated(parts->at(0), words) != 3)
        return std::nullopt;
    Arguments arguments;
    for (std::size_t i = 0; i < 3; ++i) {
        const std::optional<Value> value = valueOf(words.at(i));
        if (!value)
            return std::nullopt;
        arguments.channels.at(i) = *value;
    }
    if (count == 2) {
        arguments.alpha = valueOf(parts->at(1));
        if (!arguments.alpha)
            return std::nullopt;
    }
    return arguments;
}

std::optional<Arguments> argumentsOf(std::string_view inside) {
    return inside.find(',') != std::string_view::npos ? commaArguments(inside)
                                                      : spaceArguments(inside);
}

// Alpha as a number 0..1 or a percentage; "none" is fully transparent.
std::optional<bool> alphaBelowOne(const std::optional<Value>& alpha) {
    if (!alpha)
        return false;
    switch (alpha->unit) {
    case Unit::Number:
        return alpha->number < 1;
    case Unit::Percent:
        return alpha->number < 100;
    case Unit::None:
        return true;
    case Unit::Degrees:
        break;
    }
    return std::nullopt;
}

ColorTextResult fromArguments(const std::optional<Arguments>& arguments,
                              const std::optional<Channels>& colour) {
    const std::optional<bool> dropped = arguments ? alphaBelowOne(arguments->alpha) : std::nullopt;
    if (!colour || !dropped)
        return refused(Refusal::BadArguments);
    return {.colour = *colour, .alphaDropped = *dropped};
}

// ---- rgb()

// The comma syntax takes three numbers or three percentages, never a mix.
std::optional<Channels> rgbColour(const Arguments& arguments) {
    Channels colour{};
    for (std::size_t i = 0; i < 3; ++i) {
        const Value& value = arguments.channels.at(i);
        if (arguments.commas && value.unit != arguments.channels[0].unit)
            return std::nullopt;
        switch (value.unit) {
        case Unit::Number:
            colour.at(i) = channelOf(value.number);
            break;
        case Unit::Percent:
            colour.at(i) = channelOf(std::clamp(value.number, 0.0, 100.0) * 255 / 100);
            break;
        case Unit::None:
            colour.at(i) = 0;
            break;
        case Unit::Degrees:
            return std::nullopt;
        }
    }
    return colour;
}

// ---- hsl()

std::optional<double> hueDegrees(const Value& hue) {
    if (hue.unit == Unit::Percent)
        return std::nullopt;
    const double turned = std::fmod(hue.number, 360.0);
    return turned < 0 ? turned + 360 : turned;
}

// Saturation and lightness as fractions 0..1; the comma syntax takes percentages only.
std::optional<double> fraction(const Value& value, bool commas) {
    if (value.unit == Unit::Degrees || (commas && value.unit != Unit::Percent))
        return std::nullopt;
    return std::clamp(value.number, 0.0, 100.0) / 100;
}

// The style sheets' conversion from hue, saturation and lightness to red, green, blue.
Channels hslToRgb(double hue, double saturation, double lightness) {
    const double a = saturation * std::min(lightness, 1 - lightness);
    const auto channel = [&](double n) {
        const double k = std::fmod(n + hue / 30, 12);
        return channelOf(255 * (lightness - a * std::max(-1.0, std::min({k - 3, 9 - k, 1.0}))));
    };
    return {channel(0), channel(8), channel(4)};
}

std::optional<Channels> hslColour(const Arguments& arguments) {
    const std::optional<double> hue = hueDegrees(arguments.channels[0]);
    const std::optional<double> saturation = fraction(arguments.channels[1], arguments.commas);
    const std::optional<double> lightness = fraction(arguments.channels[2], arguments.commas);
    if (!hue || !saturation || !lightness)
        return std::nullopt;
    return hslToRgb(*hue, *saturation, *lightness);
}

// ---- functions

bool isFunctionName(std::string_view name) {
    return !name.empty() && std::all_of(name.begin(), name.end(),
                                        [](char c) { return (c >= 'a' && c <= 'z') || c == '-'; });
}

ColorTextResult readFunction(std::string_view lower) {
    const std::size_t open = lower.find('(');
    const std::string_view name = lower.substr(0, open);
    if (!isFunctionName(name) || !lower.ends_with(')'))
        return refused(Refusal::NotAColour);
    const std::string_view inside = lower.substr(open + 1, lower.size() - open - 2);
    const std::optional<Arguments> arguments = argumentsOf(inside);
    if (name == "rgb" || name == "rgba")
        return fromArguments(arguments, arguments ? rgbColour(*arguments) : std::nullopt);
    if (name == "hsl" || name == "hsla")
        return fromArguments(arguments, arguments ? hslColour(*arguments) : std::nullopt);
    return refused(Refusal::OtherFunction);
}

ColorTextResult readWord(const std::string& lower) {
    if (lower == "transparent")
        return refused(Refusal::Transparent);
    if (lower == "currentcolor")
        return refused(Refusal::CurrentColor);
    if (const std::optional<std::string_view> code = nameCode(lower))
        return readHex(*code);
    if (lower.size() == 6) // the program's own copy format: six digits without '#'
        return readHex(lower);
    return refused(Refusal::NotAColour);
}

} // namespace

ColorTextResult ReadColorText(std::string_view text) {
    if (text.size() > ColorTextMaxLength)
        return refused(Refusal::TooLong);
    if (std::any_of(text.begin(), text.end(), isControl))
        return refused(Refusal::NotText);
    std::string_view body = trimmed(text);
    if (body.ends_with(';'))
        body = trimmed(body.substr(0, body.size() - 1));
    if (body.empty())
        return refused(Refusal::Empty);
    const std::string lower = lowerCase(body);
    if (lower.starts_with('#')) {
        const std::size_t digits = lower.size() - 1;
        const bool cssLength = digits == 3 || digits == 4 || digits == 6 || digits == 8;
        return cssLength ? readHex(std::string_view(lower).substr(1))
                         : refused(Refusal::NotAColour);
    }
    if (lower.find('(') != std::string::npos)
        return readFunction(lower);
    return readWord(lower);
}

} // namespace hueprobe
