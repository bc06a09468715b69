#include "ColorSpaces.h"

#include "ColorMatrix.h"

#include <algorithm>
#include <cstdio>
#include <numbers>

namespace hueprobe {

namespace {

// The matrices from linear light to CIE XYZ and back, each computed from the
// space's primaries and white chromaticities, as CSS Color 4 gives them.
constexpr Matrix3 XyzFromLinearSrgb{{
    {506752.0 / 1228815, 87881.0 / 245763, 12673.0 / 70218},
    {87098.0 / 409605, 175762.0 / 245763, 12673.0 / 175545},
    {7918.0 / 409605, 87881.0 / 737289, 1001167.0 / 1053270},
}};
constexpr Matrix3 LinearSrgbFromXyz{{
    {12831.0 / 3959, -329.0 / 214, -1974.0 / 3959},
    {-851781.0 / 878810, 1648619.0 / 878810, 36519.0 / 878810},
    {705.0 / 12673, -2585.0 / 12673, 705.0 / 667},
}};
constexpr Matrix3 XyzFromLinearP3{{
    {608311.0 / 1250200, 189793.0 / 714400, 198249.0 / 1000160},
    {35783.0 / 156275, 247089.0 / 357200, 198249.0 / 2500400},
    {0, 32229.0 / 714400, 5220557.0 / 5000800},
}};
constexpr Matrix3 LinearP3FromXyz{{
    {446124.0 / 178915, -333277.0 / 357830, -72051.0 / 178915},
    {-14852.0 / 17905, 63121.0 / 35810, 423.0 / 17905},
    {11844.0 / 330415, -50337.0 / 660830, 316169.0 / 330415},
}};
constexpr Matrix3 XyzFromLinearA98{{
    {573536.0 / 994567, 263643.0 / 1420810, 187206.0 / 994567},
    {591459.0 / 1989134, 6239551.0 / 9945670, 374412.0 / 4972835},
    {53769.0 / 1989134, 351524.0 / 4972835, 4929758.0 / 4972835},
}};
constexpr Matrix3 LinearA98FromXyz{{
    {1829569.0 / 896150, -506331.0 / 896150, -308931.0 / 896150},
    {-851781.0 / 878810, 1648619.0 / 878810, 36519.0 / 878810},
    {16779.0 / 1248040, -147721.0 / 1248040, 1266979.0 / 1248040},
}};
// ProPhoto's XYZ is relative to D50.
constexpr Matrix3 XyzFromLinearProPhoto{{
    {0.79776664490064230, 0.13518129740053308, 0.03134773412839220},
    {0.28807482881940130, 0.71183523424187300, 0.00008993693872564},
    {0.00000000000000000, 0.00000000000000000, 0.82510460251046020},
}};
constexpr Matrix3 LinearProPhotoFromXyz{{
    {1.34578688164715830, -0.25557208737979464, -0.05110186497554526},
    {-0.54463070512490190, 1.50824774284514680, 0.02052744743642139},
    {0.00000000000000000, 0.00000000000000000, 1.21196754563894520},
}};
constexpr Matrix3 XyzFromLinearRec2020{{
    {63426534.0 / 99577255, 20160776.0 / 139408157, 47086771.0 / 278816314},
    {26158966.0 / 99577255, 472592308.0 / 697040785, 8267143.0 / 139408157},
    {0, 19567812.0 / 697040785, 295819943.0 / 278816314},
}};
constexpr Matrix3 LinearRec2020FromXyz{{
    {30757411.0 / 17917100, -6372589.0 / 17917100, -4539589.0 / 17917100},
    {-19765991.0 / 29648200, 47925759.0 / 29648200, 467509.0 / 29648200},
    {792561.0 / 44930125, -1921689.0 / 44930125, 42328811.0 / 44930125},
}};
// Bradford chromatic adaptation between the two whites.
constexpr Matrix3 D50FromD65{{
    {1.0479297925449969, 0.022946870601609652, -0.05019226628920524},
    {0.02962780877005599, 0.9904344267538799, -0.017073799063418826},
    {-0.009243040646204504, 0.015055191490298152, 0.7518742814281371},
}};
constexpr Matrix3 D65FromD50{{
    {0.955473421488075, -0.02309845494876471, 0.06325924320057072},
    {-0.0283697093338637, 1.0099953980813041, 0.021041441191917323},
    {0.012314014864481998, -0.020507649298898964, 1.330365926242124},
}};
constexpr Triple D50White{0.3457 / 0.3585, 1.0, (1.0 - 0.3457 - 0.3585) / 0.3585};

template <double (*curve)(double)> Triple eachChannel(const Triple& channels) {
    return {curve(channels[0]), curve(channels[1]), curve(channels[2])};
}

// The transfer curves of the spaces that do not share sRGB's, each keeping the
// sign so that colours beyond the primaries survive the trip.
double a98Linear(double encoded) {
    return std::copysign(std::pow(std::abs(encoded), 563.0 / 256), encoded);
}
double a98Encoded(double linear) {
    return std::copysign(std::pow(std::abs(linear), 256.0 / 563), linear);
}
double proPhotoLinear(double encoded) {
    const double magnitude = std::abs(encoded);
    return magnitude <= 16.0 / 512 ? encoded / 16
                                   : std::copysign(std::pow(magnitude, 1.8), encoded);
}
double proPhotoEncoded(double linear) {
    const double magnitude = std::abs(linear);
    return magnitude >= 1.0 / 512 ? std::copysign(std::pow(magnitude, 1 / 1.8), linear)
                                  : 16 * linear;
}
// rec2020 as screens show it: the pure 2.4 power of ITU-R BT.1886 (black lift
// 0, gain 1), over the extended range.
double rec2020Linear(double encoded) {
    return std::copysign(std::pow(std::abs(encoded), 2.4), encoded);
}
double rec2020Encoded(double linear) {
    return std::copysign(std::pow(std::abs(linear), 1 / 2.4), linear);
}

Triple xyzFromSrgb(const Triple& rgb) {
    return Times(XyzFromLinearSrgb, eachChannel<LinearFromEncoded>(rgb));
}
Triple srgbFromXyz(const Triple& xyz) {
    return eachChannel<EncodedFromLinear>(Times(LinearSrgbFromXyz, xyz));
}
Triple xyzFromLinearSrgb(const Triple& rgb) {
    return Times(XyzFromLinearSrgb, rgb);
}
Triple linearSrgbFromXyz(const Triple& xyz) {
    return Times(LinearSrgbFromXyz, xyz);
}
Triple xyzFromP3(const Triple& rgb) {
    return Times(XyzFromLinearP3, eachChannel<LinearFromEncoded>(rgb));
}
Triple p3FromXyz(const Triple& xyz) {
    return eachChannel<EncodedFromLinear>(Times(LinearP3FromXyz, xyz));
}
Triple xyzFromA98(const Triple& rgb) {
    return Times(XyzFromLinearA98, eachChannel<a98Linear>(rgb));
}
Triple a98FromXyz(const Triple& xyz) {
    return eachChannel<a98Encoded>(Times(LinearA98FromXyz, xyz));
}
Triple xyzFromProPhoto(const Triple& rgb) {
    return Times(XyzFromLinearProPhoto, eachChannel<proPhotoLinear>(rgb));
}
Triple proPhotoFromXyz(const Triple& xyz) {
    return eachChannel<proPhotoEncoded>(Times(LinearProPhotoFromXyz, xyz));
}
Triple xyzFromRec2020(const Triple& rgb) {
    return Times(XyzFromLinearRec2020, eachChannel<rec2020Linear>(rgb));
}
Triple rec2020FromXyz(const Triple& xyz) {
    return eachChannel<rec2020Encoded>(Times(LinearRec2020FromXyz, xyz));
}
Triple same(const Triple& xyz) {
    return xyz;
}

// CIE Lab under D50, with the exact constants CIE 15 intends.
constexpr double LabEpsilon = 216.0 / 24389;
constexpr double LabKappa = 24389.0 / 27;

Triple labFromXyz(const Triple& xyz) {
    Triple f{};
    for (std::size_t i = 0; i < 3; ++i) {
        const double ratio = xyz[i] / D50White[i];
        f[i] = ratio > LabEpsilon ? std::cbrt(ratio) : (LabKappa * ratio + 16) / 116;
    }
    return {116 * f[1] - 16, 500 * (f[0] - f[1]), 200 * (f[1] - f[2])};
}
Triple xyzFromLab(const Triple& lab) {
    const double fy = (lab[0] + 16) / 116;
    const double fx = lab[1] / 500 + fy;
    const double fz = fy - lab[2] / 200;
    auto cubeOrLine = [](double f) {
        const double cube = f * f * f;
        return cube > LabEpsilon ? cube : (116 * f - 16) / LabKappa;
    };
    const double y = lab[0] > LabKappa * LabEpsilon ? fy * fy * fy : lab[0] / LabKappa;
    return {cubeOrLine(fx) * D50White[0], y * D50White[1], cubeOrLine(fz) * D50White[2]};
}

// The polar form of an opponent space: lightness, chroma, hue in degrees.
Triple polarFromOpponent(const Triple& opponent) {
    double hue = std::atan2(opponent[2], opponent[1]) * 180 / std::numbers::pi;
    if (hue < 0)
        hue += 360;
    return {opponent[0], std::hypot(opponent[1], opponent[2]), hue};
}
Triple opponentFromPolar(const Triple& polar) {
    const double hue = polar[2] * std::numbers::pi / 180;
    return {polar[0], polar[1] * std::cos(hue), polar[1] * std::sin(hue)};
}

Triple xyzFromLch(const Triple& lch) {
    return xyzFromLab(opponentFromPolar(lch));
}
Triple lchFromXyz(const Triple& xyz) {
    return polarFromOpponent(labFromXyz(xyz));
}
Triple xyzFromOklab(const Triple& oklab) {
    return xyzFromLinearSrgb(LinearSrgbFromOklab(oklab));
}
Triple oklabFromXyz(const Triple& xyz) {
    return OklabFromLinearSrgb(linearSrgbFromXyz(xyz));
}
Triple xyzFromOklch(const Triple& oklch) {
    return xyzFromOklab(opponentFromPolar(oklch));
}
Triple oklchFromXyz(const Triple& xyz) {
    return polarFromOpponent(oklabFromXyz(xyz));
}

double wrappedHue(double hue) {
    hue = std::fmod(hue, 360);
    return hue < 0 ? hue + 360 : hue;
}

Triple srgbFromHsl(const Triple& hsl) {
    const double hue = wrappedHue(hsl[0]);
    const double saturation = hsl[1] / 100;
    const double lightness = hsl[2] / 100;
    auto channel = [&](double n) {
        const double k = std::fmod(n + hue / 30, 12);
        const double amplitude = saturation * std::min(lightness, 1 - lightness);
        return lightness - amplitude * std::max(-1.0, std::min({k - 3, 9 - k, 1.0}));
    };
    return {channel(0), channel(8), channel(4)};
}
// The hue of HSL and HWB, 0 for a grey.
double hueOfSrgb(const Triple& rgb, double highest, double spread) {
    double hue = 0;
    if (highest == rgb[0])
        hue = (rgb[1] - rgb[2]) / spread + (rgb[1] < rgb[2] ? 6 : 0);
    else if (highest == rgb[1])
        hue = (rgb[2] - rgb[0]) / spread + 2;
    else
        hue = (rgb[0] - rgb[1]) / spread + 4;
    return wrappedHue(hue * 60);
}
// Below this, a difference between channels is the rounding of the trip through XYZ.
constexpr double GreySpread = 1e-9;

Triple hslFromSrgb(const Triple& rgb) {
    const double highest = std::max({rgb[0], rgb[1], rgb[2]});
    const double lowest = std::min({rgb[0], rgb[1], rgb[2]});
    const double spread = highest - lowest;
    const double lightness = (highest + lowest) / 2;
    if (spread <= GreySpread)
        return {0, 0, lightness * 100};
    double hue = hueOfSrgb(rgb, highest, spread);
    const double distanceToEnd = std::min(lightness, 1 - lightness);
    double saturation =
        std::abs(distanceToEnd) < GreySpread ? 0 : (highest - lightness) / distanceToEnd;
    // A colour beyond the screen's primaries can come out with a negative
    // saturation; it is the same colour with the opposite hue.
    if (saturation < 0) {
        hue += 180;
        saturation = -saturation;
    }
    return {wrappedHue(hue), saturation * 100, lightness * 100};
}
Triple xyzFromHsl(const Triple& hsl) {
    return xyzFromSrgb(srgbFromHsl(hsl));
}
Triple hslFromXyz(const Triple& xyz) {
    return hslFromSrgb(srgbFromXyz(xyz));
}

Triple srgbFromHwb(const Triple& hwb) {
    const double white = hwb[1] / 100;
    const double black = hwb[2] / 100;
    if (white + black >= 1) {
        const double grey = white / (white + black);
        return {grey, grey, grey};
    }
    Triple rgb = srgbFromHsl({hwb[0], 100, 50});
    for (double& channel : rgb)
        channel = channel * (1 - white - black) + white;
    return rgb;
}
Triple hwbFromSrgb(const Triple& rgb) {
    const double highest = std::max({rgb[0], rgb[1], rgb[2]});
    const double lowest = std::min({rgb[0], rgb[1], rgb[2]});
    const double hue =
        highest - lowest <= GreySpread ? 0 : hueOfSrgb(rgb, highest, highest - lowest);
    return {hue, lowest * 100, (1 - highest) * 100};
}
Triple xyzFromHwb(const Triple& hwb) {
    return xyzFromSrgb(srgbFromHwb(hwb));
}
Triple hwbFromXyz(const Triple& xyz) {
    return hwbFromSrgb(srgbFromXyz(xyz));
}

// Where each polar space's hue stops meaning anything: a chroma so small that
// rounding alone could have made it.
bool lchIsGrey(const Triple& lch) {
    return lch[1] < 1e-4;
}
bool oklchIsGrey(const Triple& oklch) {
    return oklch[1] < 1e-6;
}
bool hslIsGrey(const Triple& hsl) {
    return std::abs(hsl[1]) < 1e-4 || hsl[2] <= 1e-6 || hsl[2] >= 100 - 1e-6;
}
bool hwbIsGrey(const Triple& hwb) {
    return hwb[1] + hwb[2] >= 100 - 1e-4;
}

using Kind = ChannelKind;

constexpr ChannelInfo Hue{.keyword = "h", .kind = Kind::Hue, .decimals = 2};
constexpr std::array<ChannelInfo, 3> RgbChannels{{
    {.keyword = "r", .kind = Kind::Red, .percentReference = 1},
    {.keyword = "g", .kind = Kind::Green, .percentReference = 1},
    {.keyword = "b", .kind = Kind::Blue, .percentReference = 1},
}};
constexpr std::array<ChannelInfo, 3> XyzChannels{{
    {.keyword = "x", .kind = Kind::Red, .percentReference = 1},
    {.keyword = "y", .kind = Kind::Green, .percentReference = 1},
    {.keyword = "z", .kind = Kind::Blue, .percentReference = 1},
}};

// Each space a style sheet can name, in the order CSS Color 4 lists them. The
// decimals of lab(), lch(), oklab(), oklch() and hwb() are the fewest with which
// every #rrggbb, written out and read back, is the same colour.
// clang-format off
constexpr std::array<ColorSpace, 14> Table{{
    {.name = "srgb", .functionName = "rgb", .legacyFunctionName = "rgba", .functionScale = 255,
     .inColorFunction = true,
     // rgb() clamps its channels to the screen's range; color(srgb) does not.
     .channels = {{{.keyword = "r", .kind = Kind::Red, .percentReference = 1, .lowest = 0, .highest = 1, .decimals = 0},
                   {.keyword = "g", .kind = Kind::Green, .percentReference = 1, .lowest = 0, .highest = 1, .decimals = 0},
                   {.keyword = "b", .kind = Kind::Blue, .percentReference = 1, .lowest = 0, .highest = 1, .decimals = 0}}},
     .toXyz = xyzFromSrgb, .fromXyz = srgbFromXyz},
    {.name = "srgb-linear", .inColorFunction = true, .channels = RgbChannels,
     .toXyz = xyzFromLinearSrgb, .fromXyz = linearSrgbFromXyz},
    {.name = "display-p3", .inColorFunction = true, .channels = RgbChannels,
     .toXyz = xyzFromP3, .fromXyz = p3FromXyz},
    {.name = "a98-rgb", .inColorFunction = true, .channels = RgbChannels,
     .toXyz = xyzFromA98, .fromXyz = a98FromXyz},
    {.name = "prophoto-rgb", .inColorFunction = true, .channels = RgbChannels,
     .whitePoint = WhitePoint::D50, .toXyz = xyzFromProPhoto, .fromXyz = proPhotoFromXyz},
    {.name = "rec2020", .inColorFunction = true, .channels = RgbChannels,
     .toXyz = xyzFromRec2020, .fromXyz = rec2020FromXyz},
    {.name = "xyz-d50", .inColorFunction = true, .channels = XyzChannels,
     .whitePoint = WhitePoint::D50, .toXyz = same, .fromXyz = same},
    {.name = "xyz-d65", .aliases = {"xyz"}, .inColorFunction = true, .channels = XyzChannels,
     .toXyz = same, .fromXyz = same},
    {.name = "lab", .functionName = "lab",
     .channels = {{{.keyword = "l", .kind = Kind::Lightness, .percentReference = 100, .lowest = 0, .highest = 100, .decimals = 2},
                   {.keyword = "a", .kind = Kind::OpponentA, .percentReference = 125, .decimals = 2},
                   {.keyword = "b", .kind = Kind::OpponentB, .percentReference = 125, .decimals = 2}}},
     .whitePoint = WhitePoint::D50, .toXyz = xyzFromLab, .fromXyz = labFromXyz},
    {.name = "lch", .functionName = "lch",
     .channels = {{{.keyword = "l", .kind = Kind::Lightness, .percentReference = 100, .lowest = 0, .highest = 100, .decimals = 2},
                   {.keyword = "c", .kind = Kind::Colourfulness, .percentReference = 150, .lowest = 0, .decimals = 2},
                   Hue}},
     .whitePoint = WhitePoint::D50, .hueChannel = 2, .hueIsPowerless = lchIsGrey,
     .toXyz = xyzFromLch, .fromXyz = lchFromXyz},
    {.name = "oklab", .functionName = "oklab",
     .channels = {{{.keyword = "l", .kind = Kind::Lightness, .percentReference = 1, .lowest = 0, .highest = 1, .decimals = 4},
                   {.keyword = "a", .kind = Kind::OpponentA, .percentReference = 0.4},
                   {.keyword = "b", .kind = Kind::OpponentB, .percentReference = 0.4}}},
     .toXyz = xyzFromOklab, .fromXyz = oklabFromXyz},
    {.name = "oklch", .functionName = "oklch",
     .channels = {{{.keyword = "l", .kind = Kind::Lightness, .percentReference = 1, .lowest = 0, .highest = 1, .decimals = 4},
                   {.keyword = "c", .kind = Kind::Colourfulness, .percentReference = 0.4, .lowest = 0},
                   Hue}},
     .hueChannel = 2, .hueIsPowerless = oklchIsGrey, .toXyz = xyzFromOklch, .fromXyz = oklchFromXyz},
    {.name = "hsl", .functionName = "hsl", .legacyFunctionName = "hsla",
     .channels = {{Hue,
                   {.keyword = "s", .kind = Kind::Colourfulness, .percentReference = 100, .lowest = 0, .decimals = 2, .writtenAsPercent = true},
                   {.keyword = "l", .kind = Kind::Lightness, .percentReference = 100, .decimals = 2, .writtenAsPercent = true}}},
     .hueChannel = 0, .hueIsPowerless = hslIsGrey, .toXyz = xyzFromHsl, .fromXyz = hslFromXyz},
    {.name = "hwb", .functionName = "hwb",
     .channels = {{Hue,
                   {.keyword = "w", .percentReference = 100, .decimals = 1, .writtenAsPercent = true},
                   {.keyword = "b", .percentReference = 100, .decimals = 1, .writtenAsPercent = true}}},
     .hueChannel = 0, .hueIsPowerless = hwbIsGrey, .toXyz = xyzFromHwb, .fromXyz = hwbFromXyz},
}};
// clang-format on

constexpr const ColorSpace& tableEntry(std::string_view name) {
    for (const ColorSpace& space : Table)
        if (space.name == name)
            return space;
    throw "no such colour space";
}
constexpr const ColorSpace& Srgb = tableEntry("srgb");
constexpr const ColorSpace& Oklab = tableEntry("oklab");
constexpr const ColorSpace& Oklch = tableEntry("oklch");

bool sameName(std::string_view name, std::string_view other) {
    return !other.empty() && std::ranges::equal(name, other, [](char a, char b) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        return lower(a) == lower(b);
    });
}

Triple missingAsZero(Triple coordinates) {
    for (double& coordinate : coordinates)
        if (IsMissing(coordinate))
            coordinate = 0;
    return coordinates;
}

// The channels rounded as the screen shows them, halves up, as browsers round.
// The trip through XYZ leaves an error of about 1e-15 on a channel, so a channel
// that lay on a half step (hsl()'s 50% grey, 127.5) may arrive just below it;
// it is rounded up all the same.
Channels screenChannels(const Triple& srgb) {
    constexpr double TripError = 1e-9;
    Channels channels{};
    for (std::size_t i = 0; i < 3; ++i)
        channels[i] = Int16(std::floor(std::clamp(srgb[i], 0.0, 1.0) * 255 + 0.5 + TripError));
    return channels;
}

bool insideScreen(const Triple& srgb) {
    return std::ranges::all_of(srgb, [](double channel) { return channel >= 0 && channel <= 1; });
}

Triple clipped(Triple srgb) {
    for (double& channel : srgb)
        channel = std::clamp(channel, 0.0, 1.0);
    return srgb;
}

double deltaEOKOfSrgb(const Triple& srgb, const Triple& otherSrgb) {
    return DeltaEOK(ConvertColour(Srgb, srgb, Oklab), ConvertColour(Srgb, otherSrgb, Oklab));
}

// CSS Color 4's gamut mapping onto sRGB: lower the OKLCh chroma by bisection
// until the colour, clipped, is within a just noticeable difference of itself.
Triple mappedOntoScreen(const Triple& oklch) {
    constexpr double JustNoticeable = 0.02;
    constexpr double Epsilon = 0.0001;
    if (oklch[0] >= 1)
        return {1, 1, 1};
    if (oklch[0] <= 0)
        return {0, 0, 0};
    auto srgbOf = [](const Triple& polar) {
        return ConvertColour(OklchSpace(), polar, SrgbSpace());
    };
    Triple current = oklch;
    Triple clip = clipped(srgbOf(current));
    if (deltaEOKOfSrgb(clip, srgbOf(current)) < JustNoticeable)
        return clip;
    double low = 0;
    double high = oklch[1];
    bool lowInside = true;
    while (high - low > Epsilon) {
        const double chroma = (low + high) / 2;
        current[1] = chroma;
        const Triple srgb = srgbOf(current);
        if (lowInside && insideScreen(srgb)) {
            low = chroma;
            continue;
        }
        clip = clipped(srgb);
        const double difference = deltaEOKOfSrgb(clip, srgb);
        if (difference < JustNoticeable) {
            if (JustNoticeable - difference < Epsilon)
                return clip;
            lowInside = false;
            low = chroma;
        } else {
            high = chroma;
        }
    }
    return clip;
}

void appendNumber(std::string& text, double value, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    std::string number = buffer;
    if (number.find('.') != std::string::npos) {
        number.erase(number.find_last_not_of('0') + 1);
        if (number.back() == '.')
            number.pop_back();
    }
    text += number == "-0" ? "0" : number;
}

} // namespace

std::span<const ColorSpace> ColorSpaces() {
    return Table;
}

const ColorSpace* FindColorSpace(std::string_view cssName) {
    for (const ColorSpace& space : Table)
        if (sameName(cssName, space.name) || sameName(cssName, space.aliases[0]) ||
            sameName(cssName, space.aliases[1]))
            return &space;
    return nullptr;
}

const ColorSpace* FindColorFunction(std::string_view functionName) {
    for (const ColorSpace& space : Table)
        if (sameName(functionName, space.functionName) ||
            sameName(functionName, space.legacyFunctionName))
            return &space;
    return nullptr;
}

const ColorSpace& SrgbSpace() {
    return Srgb;
}

const ColorSpace& OklchSpace() {
    return Oklch;
}

Triple XyzD65From(const ColorSpace& space, const Triple& coordinates) {
    const Triple xyz = space.toXyz(missingAsZero(coordinates));
    return space.whitePoint == WhitePoint::D50 ? Times(D65FromD50, xyz) : xyz;
}

Triple CoordinatesFromXyzD65(const ColorSpace& space, const Triple& xyzD65) {
    return space.fromXyz(space.whitePoint == WhitePoint::D50 ? Times(D50FromD65, xyzD65) : xyzD65);
}

Triple ConvertColour(const ColorSpace& from, const Triple& coordinates, const ColorSpace& to) {
    if (&from == &to)
        return missingAsZero(coordinates);
    Triple result = CoordinatesFromXyzD65(to, XyzD65From(from, coordinates));
    if (to.polar() && to.hueIsPowerless(result))
        result[std::size_t(to.hueChannel)] = 0;
    return result;
}

ScreenColour ToScreen(const ColorSpace& space, const Triple& coordinates) {
    const Triple srgb = ConvertColour(space, coordinates, SrgbSpace());
    if (insideScreen(srgb))
        return {screenChannels(srgb), false};
    const Triple mapped = mappedOntoScreen(ConvertColour(space, coordinates, OklchSpace()));
    // Beyond the screen by less than half a step, the colour shows as it is.
    const bool visiblyOutside = std::ranges::any_of(
        srgb, [](double channel) { return channel * 255 < -0.5 || channel * 255 > 255.5; });
    return {screenChannels(mapped), visiblyOutside};
}

std::string SerialiseColour(const ColorSpace& space, const Triple& coordinates) {
    std::string text;
    if (space.functionName.empty())
        text = "color(" + std::string(space.name) + " ";
    else
        text = std::string(space.functionName) + "(";
    for (std::size_t i = 0; i < 3; ++i) {
        if (i > 0)
            text += ' ';
        const ChannelInfo& channel = space.channels[i];
        if (IsMissing(coordinates[i])) {
            text += "none";
            continue;
        }
        double value = coordinates[i] * space.functionScale;
        if (channel.kind == ChannelKind::Hue) {
            value = wrappedHue(value);
            if (value >= 360 - 0.5 * std::pow(10.0, -channel.decimals))
                value = 0;
        }
        appendNumber(text, value, channel.decimals);
        if (channel.writtenAsPercent)
            text += '%';
    }
    return text + ")";
}

Triple CoordinatesOf(const ColorSpace& space, const Channels& colour) {
    const Triple srgb{colour[0] / 255.0, colour[1] / 255.0, colour[2] / 255.0};
    return ConvertColour(SrgbSpace(), srgb, space);
}

} // namespace hueprobe
