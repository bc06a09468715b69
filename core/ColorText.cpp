#include "ColorText.h"

#include "ColorChart.h"
#include "ColorMix.h"
#include "ColorSpaces.h"
#include "CssTokens.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

namespace hueprobe {

namespace {

using Refusal = ColorTextRefusal;
using Kind = CssTokenKind;

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

// ---- #rgb, #rgba, #rrggbb, #rrggbbaa and the program's bare six digits

std::optional<int> hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return std::nullopt;
}

// Red, green, blue and alpha, each 0..255. Each channel is written with
// `width` digits: one digit d stands for dd.
std::optional<std::array<int, 4>> hexValues(std::string_view digits) {
    if (digits.size() != 3 && digits.size() != 4 && digits.size() != 6 && digits.size() != 8)
        return std::nullopt;
    const std::size_t width = digits.size() <= 4 ? 1 : 2;
    std::array<int, 4> values{0, 0, 0, 255};
    for (std::size_t i = 0; i < digits.size(); ++i) {
        const std::optional<int> digit = hexDigit(digits[i]);
        if (!digit)
            return std::nullopt;
        int& value = values.at(i / width);
        value = (i % width == 0 ? 0 : value * 16) + *digit;
        if (width == 1)
            value *= 17;
    }
    return values;
}

SpacedColour screenColour(const std::array<int, 4>& values) {
    return {.space = &SrgbSpace(),
            .coordinates = {values[0] / 255.0, values[1] / 255.0, values[2] / 255.0},
            .alpha = values[3] / 255.0};
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

// ---- values

// A value as written, before the channel it stands in gives it its meaning.
enum class Written { Number, Percent, Degrees, None };

struct WrittenValue {
    Written kind = Written::Number;
    double number = 0;
};

std::optional<double> degreesOf(double number, std::string_view unit) {
    static constexpr std::array<std::pair<std::string_view, double>, 4> degreesPer{{
        {"deg", 1.0},
        {"grad", 0.9},
        {"rad", 180.0 / std::numbers::pi},
        {"turn", 360.0},
    }};
    for (const auto& [name, degreesPerUnit] : degreesPer) {
        if (unit == name)
            return number * degreesPerUnit;
    }
    return std::nullopt;
}

// What the channel keywords of a relative colour stand for: the origin colour
// in the space of the function that names it, in that function's numbers.
struct ChannelKeywords {
    const ColorSpace* space = nullptr;
    Triple values{};
    double alpha = 1;

    std::optional<double> find(std::string_view name) const {
        for (std::size_t i = 0; i < 3; ++i) {
            if (space->channels.at(i).keyword == name)
                return values.at(i);
        }
        if (name == "alpha")
            return alpha;
        return std::nullopt;
    }
};

// A colour function's space and how its numbers are read: the function's own
// ("rgb(255 0 0)", clamped as the function clamps) or color()'s
// ("color(srgb 1 0 0)", as written). A relative colour is never clamped, so
// that a colour beyond the screen stays what it is until it is mapped.
struct Notation {
    const ColorSpace* space = nullptr;
    bool asFunction = true;
    bool relative = false;

    bool clamped() const { return asFunction && !relative; }

    double scale(std::size_t channel) const {
        const bool hue = int(channel) == space->hueChannel;
        return asFunction && !hue ? space->functionScale : 1.0;
    }
};

// A missing channel of the origin counts as 0, as does a missing alpha.
ChannelKeywords keywordsFor(const Notation& notation, const SpacedColour& origin) {
    const Triple values = ConvertColour(*origin.space, origin.coordinates, *notation.space);
    ChannelKeywords keywords{.space = notation.space,
                             .alpha = IsMissing(origin.alpha) ? 0 : origin.alpha};
    for (std::size_t i = 0; i < 3; ++i)
        keywords.values.at(i) = values.at(i) * notation.scale(i);
    return keywords;
}

std::optional<HueInterpolation> hueInterpolation(std::string_view name) {
    static constexpr std::array<std::pair<std::string_view, HueInterpolation>, 4> ways{{
        {"shorter", HueInterpolation::Shorter},
        {"longer", HueInterpolation::Longer},
        {"increasing", HueInterpolation::Increasing},
        {"decreasing", HueInterpolation::Decreasing},
    }};
    for (const auto& [written, way] : ways) {
        if (name == written)
            return way;
    }
    return std::nullopt;
}

// Finite numbers can still be too large to convert: oklch(50% 1e300 0)'s light
// overflows on the way to the screen.
bool convertible(const SpacedColour& colour) {
    for (const ColorSpace* space : {&SrgbSpace(), &OklchSpace()}) {
        const Triple converted = ConvertColour(*colour.space, colour.coordinates, *space);
        if (!std::all_of(converted.begin(), converted.end(),
                         [](double coordinate) { return std::isfinite(coordinate); }))
            return false;
    }
    return true;
}

// ---- the reader

// Reads one colour from the pieces of the text, descending into nested
// colours and calc() brackets; each level counts, and past MaxNesting the text
// is refused at once rather than followed further down.
class Reader {
public:
    explicit Reader(std::string_view lower)
        : tokens(CssTokens(lower)) {}

    // One colour and nothing after it.
    std::optional<SpacedColour> whole() {
        std::optional<SpacedColour> read = readColour();
        if (read && peek().kind != Kind::End)
            return fail(Refusal::NotAColour);
        return read;
    }

    Refusal refusal() const { return failure; }

private:
    static constexpr int MaxNesting = 32;

    const CssToken& peek() const { return tokens.at(at); }

    const CssToken& take() {
        const CssToken& token = tokens.at(at);
        if (token.kind != Kind::End)
            ++at;
        return token;
    }

    bool takeIf(Kind kind) {
        if (peek().kind != kind)
            return false;
        take();
        return true;
    }

    bool takeIdent(std::string_view name) {
        if (!peek().is(Kind::Ident, name))
            return false;
        take();
        return true;
    }

    // The first reason found is the one given.
    std::nullopt_t fail(Refusal why) {
        if (failure == Refusal::None)
            failure = why;
        return std::nullopt;
    }

    bool failed() const { return failure != Refusal::None; }

    // Each function and bracket goes one level down.
    bool enter() {
        if (++depth > MaxNesting) {
            fail(Refusal::TooDeep);
            return false;
        }
        return true;
    }

    std::optional<SpacedColour> readColour() {
        const CssToken& token = take();
        switch (token.kind) {
        case Kind::Hash:
            if (const auto values = hexValues(token.text))
                return screenColour(*values);
            return fail(Refusal::NotAColour);
        case Kind::Ident:
            return namedColour(token.text);
        case Kind::Function:
            if (!enter())
                return std::nullopt;
            return leave(function(token.text));
        default:
            return fail(Refusal::NotAColour);
        }
    }

    std::optional<SpacedColour> leave(std::optional<SpacedColour> read) {
        --depth;
        return read;
    }

    // Inside a mix "transparent" is a colour like any other, fully transparent.
    std::optional<SpacedColour> namedColour(std::string_view name) {
        if (name == "currentcolor")
            return fail(Refusal::CurrentColor);
        if (name == "transparent")
            return screenColour({0, 0, 0, 0});
        if (const std::optional<std::string_view> code = nameCode(std::string(name)))
            return screenColour(*hexValues(*code));
        return fail(Refusal::NotAColour);
    }

    std::optional<SpacedColour> function(std::string_view name) {
        if (name == "color-mix")
            return mix();
        if (name == "color")
            return colorFunction();
        const ColorSpace* space = FindColorFunction(name);
        if (space == nullptr)
            return fail(Refusal::OtherFunction);
        const Notation notation{.space = space};
        if (!space->legacyFunctionName.empty() && legacyAhead())
            return legacyArguments(notation);
        return modernArguments(notation);
    }

    // ---- rgb(), hsl()... and color()

    // rgb() and hsl() keep their older syntax: values and alpha all separated by
    // commas, the first value followed by one.
    bool legacyAhead() const {
        return peek().kind != Kind::Ident && peek().kind != Kind::End &&
               tokens.at(at + 1).kind == Kind::Comma;
    }

    // Neither `none` nor a relative origin; rgb() takes three numbers or three
    // percentages, hsl() a hue and two percentages.
    std::optional<SpacedColour> legacyArguments(const Notation& notation) {
        std::array<WrittenValue, 4> written{};
        std::size_t count = 0;
        do {
            const std::optional<WrittenValue> value = readValue(nullptr);
            if (!value || count == written.size())
                return fail(Refusal::BadArguments);
            written.at(count++) = *value;
        } while (takeIf(Kind::Comma));
        if (count < 3 || !takeIf(Kind::CloseBracket))
            return fail(Refusal::BadArguments);
        const Written nonHue = notation.space->polar() ? Written::Percent : written[1].kind;
        for (std::size_t i = 0; i < count; ++i) {
            const bool channelOfKind = i < 3 && int(i) != notation.space->hueChannel;
            if (written.at(i).kind == Written::None ||
                (channelOfKind && written.at(i).kind != nonHue))
                return fail(Refusal::BadArguments);
        }
        return resolved(notation, {written[0], written[1], written[2]},
                        count == 4 ? std::optional(written[3]) : std::nullopt);
    }

    // [from <colour>] three values [/ alpha]
    std::optional<SpacedColour> modernArguments(Notation notation) {
        std::optional<ChannelKeywords> keywords;
        if (takeIdent("from")) {
            const std::optional<SpacedColour> origin = readColour();
            if (!origin)
                return std::nullopt;
            keywords = keywordsFor(notation, *origin);
            notation.relative = true;
        }
        return channelsAndAlpha(notation, keywords);
    }

    std::optional<SpacedColour> channelsAndAlpha(const Notation& notation,
                                                 const std::optional<ChannelKeywords>& keywords) {
        const ChannelKeywords* known = keywords ? &*keywords : nullptr;
        std::array<WrittenValue, 3> channels{};
        for (WrittenValue& channel : channels) {
            const std::optional<WrittenValue> read = readValue(known);
            if (!read)
                return fail(Refusal::BadArguments);
            channel = *read;
        }
        std::optional<WrittenValue> alpha;
        if (takeIf(Kind::Slash) && !(alpha = readValue(known)))
            return fail(Refusal::BadArguments);
        if (!alpha && keywords)
            alpha = WrittenValue{.number = keywords->alpha};
        if (!takeIf(Kind::CloseBracket))
            return fail(Refusal::BadArguments);
        return resolved(notation, channels, alpha);
    }

    // color([from <colour>] <space> three values [/ alpha])
    std::optional<SpacedColour> colorFunction() {
        std::optional<SpacedColour> origin;
        if (takeIdent("from") && !(origin = readColour()))
            return std::nullopt;
        const CssToken& name = take();
        if (name.kind != Kind::Ident)
            return fail(Refusal::BadArguments);
        const ColorSpace* space = FindColorSpace(name.text);
        if (space == nullptr || !space->inColorFunction)
            return fail(Refusal::UnknownSpace);
        const Notation notation{
            .space = space, .asFunction = false, .relative = origin.has_value()};
        return channelsAndAlpha(notation, origin ? std::optional(keywordsFor(notation, *origin))
                                                 : std::nullopt);
    }

    // The written values as coordinates of the space: a percentage of the
    // channel's reference, a number in the notation's scale, hues in degrees.
    std::optional<SpacedColour> resolved(const Notation& notation,
                                         const std::array<WrittenValue, 3>& written,
                                         const std::optional<WrittenValue>& alpha) {
        SpacedColour colour{.space = notation.space};
        for (std::size_t i = 0; i < 3; ++i) {
            const std::optional<double> coordinate = coordinateOf(notation, i, written.at(i));
            if (!coordinate)
                return fail(Refusal::BadArguments);
            colour.coordinates.at(i) = *coordinate;
        }
        if (alpha) {
            const std::optional<double> opacity = opacityOf(*alpha);
            if (!opacity)
                return fail(Refusal::BadArguments);
            colour.alpha = *opacity;
        }
        return colour;
    }

    static std::optional<double> coordinateOf(const Notation& notation, std::size_t index,
                                              const WrittenValue& written) {
        const ChannelInfo& info = notation.space->channels.at(index);
        const bool hue = int(index) == notation.space->hueChannel;
        double coordinate = 0;
        switch (written.kind) {
        case Written::None:
            return Missing;
        case Written::Degrees:
            if (!hue)
                return std::nullopt;
            return written.number;
        case Written::Percent:
            if (info.percentReference == 0)
                return std::nullopt;
            coordinate = written.number / 100 * info.percentReference;
            break;
        case Written::Number:
            coordinate = written.number / notation.scale(index);
            break;
        }
        return notation.clamped() ? std::clamp(coordinate, info.lowest, info.highest) : coordinate;
    }

    // Alpha as a number 0..1 or a percentage, clamped; `none` is missing.
    static std::optional<double> opacityOf(const WrittenValue& written) {
        switch (written.kind) {
        case Written::None:
            return Missing;
        case Written::Number:
            return std::clamp(written.number, 0.0, 1.0);
        case Written::Percent:
            return std::clamp(written.number / 100, 0.0, 1.0);
        case Written::Degrees:
            break;
        }
        return std::nullopt;
    }

    // ---- one value

    // A number, percentage, angle, `none`, a channel keyword of a relative
    // colour or calc(); nothing when it is none of these (the reason is kept
    // when there is a more telling one than "bad arguments").
    std::optional<WrittenValue> readValue(const ChannelKeywords* keywords) {
        const CssToken& token = take();
        std::optional<WrittenValue> read;
        switch (token.kind) {
        case Kind::Number:
            read = WrittenValue{Written::Number, token.number};
            break;
        case Kind::Percentage:
            read = WrittenValue{Written::Percent, token.number};
            break;
        case Kind::Dimension:
            if (const std::optional<double> degrees = degreesOf(token.number, token.text))
                read = WrittenValue{Written::Degrees, *degrees};
            break;
        case Kind::Ident:
            read = namedValue(token.text, keywords);
            break;
        case Kind::Function:
            read = calculated(token.text, keywords);
            break;
        default:
            break;
        }
        if (read && !std::isfinite(read->number))
            return fail(Refusal::NotFinite);
        return read;
    }

    static std::optional<WrittenValue> namedValue(std::string_view name,
                                                  const ChannelKeywords* keywords) {
        if (name == "none")
            return WrittenValue{.kind = Written::None};
        const std::optional<double> number = keywords ? keywords->find(name) : std::nullopt;
        if (!number)
            return std::nullopt;
        return WrittenValue{.number = *number};
    }

    std::optional<WrittenValue> calculated(std::string_view name, const ChannelKeywords* keywords) {
        if (name != "calc")
            return fail(Refusal::UnsupportedCalc);
        if (!enter())
            return std::nullopt;
        const std::optional<double> number = sum(keywords);
        --depth;
        if (!number)
            return std::nullopt;
        if (!takeIf(Kind::CloseBracket))
            return fail(Refusal::UnsupportedCalc);
        return WrittenValue{.number = *number};
    }

    // ---- calc(): numbers, channel keywords, e and pi, + - * / and brackets

    // '+' and '-' stand between blanks, as style sheets require.
    bool takeAddition(char& sign) {
        const CssToken& token = peek();
        if (token.kind != Kind::Delim || (token.text != "+" && token.text != "-") ||
            !token.blankBefore || !tokens.at(at + 1).blankBefore)
            return false;
        sign = token.text.front();
        take();
        return true;
    }

    bool takeMultiplication(char& sign) {
        const CssToken& token = peek();
        if (token.kind == Kind::Slash || token.is(Kind::Delim, "*")) {
            sign = token.text.front();
            take();
            return true;
        }
        return false;
    }

    std::optional<double> sum(const ChannelKeywords* keywords) {
        std::optional<double> total = product(keywords);
        char sign = 0;
        while (total && takeAddition(sign)) {
            const std::optional<double> term = product(keywords);
            if (!term)
                return std::nullopt;
            *total += sign == '+' ? *term : -*term;
        }
        return total;
    }

    std::optional<double> product(const ChannelKeywords* keywords) {
        std::optional<double> result = factor(keywords);
        char sign = 0;
        while (result && takeMultiplication(sign)) {
            const std::optional<double> next = factor(keywords);
            if (!next)
                return std::nullopt;
            *result = sign == '*' ? *result * *next : *result / *next;
        }
        return result;
    }

    std::optional<double> factor(const ChannelKeywords* keywords) {
        const CssToken& token = take();
        switch (token.kind) {
        case Kind::Number:
            return token.number;
        case Kind::Ident:
            return constant(token.text, keywords);
        case Kind::OpenBracket:
        case Kind::Function:
            return bracketed(token, keywords);
        default:
            return fail(Refusal::UnsupportedCalc);
        }
    }

    std::optional<double> constant(std::string_view name, const ChannelKeywords* keywords) {
        if (name == "e")
            return std::numbers::e;
        if (name == "pi")
            return std::numbers::pi;
        if (name == "infinity" || name == "-infinity" || name == "nan")
            return fail(Refusal::NotFinite);
        if (const std::optional<double> number = keywords ? keywords->find(name) : std::nullopt)
            return number;
        return fail(Refusal::UnsupportedCalc);
    }

    // "( ... )" or a nested "calc( ... )"; other functions (min(), var()...) are not read.
    std::optional<double> bracketed(const CssToken& opening, const ChannelKeywords* keywords) {
        if (opening.kind == Kind::Function && opening.text != "calc")
            return fail(Refusal::UnsupportedCalc);
        if (!enter())
            return std::nullopt;
        const std::optional<double> inner = sum(keywords);
        --depth;
        if (!inner)
            return std::nullopt;
        if (!takeIf(Kind::CloseBracket))
            return fail(Refusal::UnsupportedCalc);
        return inner;
    }

    // ---- color-mix()

    // color-mix([in <space> [<way> hue],] <colour> [<p>], <colour> [<p>]); without
    // a space the mix is in OKLab.
    std::optional<SpacedColour> mix() {
        const ColorSpace* space = FindColorSpace("oklab");
        HueInterpolation way = HueInterpolation::Shorter;
        if (takeIdent("in")) {
            const CssToken& name = take();
            space = name.kind == Kind::Ident ? FindColorSpace(name.text) : nullptr;
            if (space == nullptr)
                return fail(name.kind == Kind::Ident ? Refusal::UnknownSpace
                                                     : Refusal::BadArguments);
            if (peek().kind == Kind::Ident && !hueWay(*space, way))
                return std::nullopt;
            if (!takeIf(Kind::Comma))
                return fail(Refusal::BadArguments);
        }
        const auto first = mixPart();
        if (!first || !takeIf(Kind::Comma))
            return failed() ? std::nullopt : fail(Refusal::BadArguments);
        const auto second = mixPart();
        if (!second || !takeIf(Kind::CloseBracket))
            return failed() ? std::nullopt : fail(Refusal::BadArguments);
        if (!convertible(first->first) || !convertible(second->first))
            return fail(Refusal::NotFinite);
        const std::optional<SpacedColour> mixed =
            MixColours(*space, way, first->first, first->second, second->first, second->second);
        if (!mixed)
            return fail(Refusal::BadArguments);
        return mixed;
    }

    // "<way> hue", taken only by a space with a hue.
    bool hueWay(const ColorSpace& space, HueInterpolation& way) {
        const std::optional<HueInterpolation> written = hueInterpolation(take().text);
        if (!written || !space.polar() || !takeIdent("hue")) {
            fail(Refusal::BadArguments);
            return false;
        }
        way = *written;
        return true;
    }

    // A colour and its percentage, in either order, the percentage optional.
    std::optional<std::pair<SpacedColour, std::optional<double>>> mixPart() {
        std::optional<double> percent = mixPercent();
        if (failed())
            return std::nullopt;
        const std::optional<SpacedColour> read = readColour();
        if (!read)
            return std::nullopt;
        if (!percent)
            percent = mixPercent();
        if (failed())
            return std::nullopt;
        return std::pair{*read, percent};
    }

    std::optional<double> mixPercent() {
        if (peek().kind != Kind::Percentage)
            return std::nullopt;
        const double percent = take().number;
        if (!std::isfinite(percent))
            return fail(Refusal::NotFinite);
        return percent;
    }

    std::vector<CssToken> tokens;
    std::size_t at = 0;
    int depth = 0;
    Refusal failure = Refusal::None;
};

// A colour beyond the screen's range is mapped into it, and said so.
ColorTextResult onScreen(const SpacedColour& colour) {
    if (!convertible(colour))
        return refused(Refusal::NotFinite);
    const ScreenColour shown = ToScreen(*colour.space, colour.coordinates);
    return {.colour = shown.colour,
            .alphaDropped = IsMissing(colour.alpha) || colour.alpha < 1,
            .outsideScreen = shown.wasOutside};
}

ColorTextResult readCss(std::string_view lower) {
    Reader reader(lower);
    const std::optional<SpacedColour> colour = reader.whole();
    return colour ? onScreen(*colour) : refused(reader.refusal());
}

bool allHexDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return hexDigit(c).has_value(); });
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
    if (lower == "transparent")
        return refused(Refusal::Transparent);
    if (lower.size() == 6 && allHexDigits(lower)) // the program's own copy format
        return onScreen(screenColour(*hexValues(lower)));
    return readCss(lower);
}

} // namespace hueprobe
