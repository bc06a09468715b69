#include "ColorPair.h"

#include <cmath>
#include <limits>

namespace hueprobe {

namespace {

constexpr int LightnessSteps = 32; // halvings of the lightness range: far finer than a channel unit
constexpr int ChromaSteps = 24;    // halvings of the chroma range at the screen's edge
constexpr double GamutSlack = 1e-9;

bool onScreen(const Triple& linear) {
    for (const double channel : linear) {
        if (channel < -GamutSlack || channel > 1 + GamutSlack)
            return false;
    }
    return true;
}

double luminanceOf(const Triple& linear) {
    return 0.2126 * linear[0] + 0.7152 * linear[1] + 0.0722 * linear[2];
}

double ratioOfLuminances(double one, double other) {
    return one > other ? (one + 0.05) / (other + 0.05) : (other + 0.05) / (one + 0.05);
}

Int16 oneUnitToward(Int16 value, Int16 target) {
    return value == target ? value : Int16(value < target ? value + 1 : value - 1);
}

// The text colour's hue and chroma, and the colours of other lightnesses that
// keep them: the chroma is cut only as far as the screen needs.
class HueLine {
public:
    explicit HueLine(const Channels& text)
        : oklch_(OklchFromOklab(OklabFromLinearSrgb(LinearSrgb(text))))
        , direction_(OklabFromOklch({0, 1, oklch_[2]})) {}

    double lightness() const { return oklch_[0]; }

    Triple linearAt(double lightness) const {
        const Triple full = linearAt(lightness, oklch_[1]);
        if (onScreen(full))
            return full;
        double shown = 0;
        double beyond = oklch_[1];
        for (int step = 0; step < ChromaSteps; ++step) {
            const double middle = (shown + beyond) / 2;
            (onScreen(linearAt(lightness, middle)) ? shown : beyond) = middle;
        }
        return linearAt(lightness, shown);
    }

private:
    Triple linearAt(double lightness, double chroma) const {
        return LinearSrgbFromOklab({lightness, chroma * direction_[1], chroma * direction_[2]});
    }

    Triple oklch_;
    Triple direction_; // the hue as a unit step in a and b
};

class Search {
public:
    Search(const Channels& text, const Channels& background, double minimum)
        : text_(text)
        , textOklab_(OklabFromLinearSrgb(LinearSrgb(text)))
        , background_(background)
        , backgroundLuminance_(RelativeLuminance(background))
        , minimum_(minimum)
        , line_(text) {}

    // Toward black (extreme 0) or white (255) from the text colour.
    std::optional<Channels> toward(Int16 extreme) const {
        if (!passes({extreme, extreme, extreme}))
            return std::nullopt;
        return settle(onLine(extreme), extreme);
    }

    double distance(const Channels& colour) const {
        return DeltaEOK(textOklab_, OklabFromLinearSrgb(LinearSrgb(colour)));
    }

    bool passes(const Channels& colour) const {
        return Passes(ContrastRatio(colour, background_), WcagLevel{"", minimum_});
    }

private:
    // The lightness on the hue line nearest the text's that reaches the minimum,
    // found by halving, as whole channel values.
    Channels onLine(Int16 extreme) const {
        double failing = line_.lightness();
        double passing = extreme == 0 ? 0 : 1;
        for (int step = 0; step < LightnessSteps; ++step) {
            const double middle = (failing + passing) / 2;
            const double luminance = luminanceOf(line_.linearAt(middle));
            const bool reaches = ratioOfLuminances(luminance, backgroundLuminance_) >= minimum_;
            (reaches ? passing : failing) = middle;
        }
        return ChannelsFromLinearSrgb(line_.linearAt(passing));
    }

    // Rounding may leave the colour short of the minimum or short of the edge: it
    // is moved toward the extreme until it passes, then back toward the text one
    // unit at a time, the unit that brings it nearest, for as long as it still passes.
    Channels settle(Channels colour, Int16 extreme) const {
        while (!passes(colour)) {
            for (Int16& channel : colour)
                channel = oneUnitToward(channel, extreme);
        }
        while (const std::optional<Channels> closer = nearestPassingStep(colour))
            colour = *closer;
        return colour;
    }

    std::optional<Channels> nearestPassingStep(const Channels& colour) const {
        std::optional<Channels> best;
        double least = std::numeric_limits<double>::infinity();
        for (std::size_t i = 0; i < colour.size(); ++i) {
            if (colour.at(i) == text_.at(i))
                continue;
            Channels step = colour;
            step.at(i) = oneUnitToward(colour.at(i), text_.at(i));
            if (!passes(step))
                continue;
            const double difference = distance(step);
            if (difference < least) {
                least = difference;
                best = step;
            }
        }
        return best;
    }

    Channels text_;
    Triple textOklab_;
    Channels background_;
    double backgroundLuminance_;
    double minimum_;
    HueLine line_;
};

SeenPair seenWith(ColorVision vision, const Channels& text, const Channels& background) {
    SeenPair seen{SeenWith(vision, text), SeenWith(vision, background), 1};
    seen.ratio = ContrastRatio(seen.text, seen.background);
    return seen;
}

} // namespace

std::optional<Channels> NearestPassing(const Channels& text, const Channels& background,
                                       double minimum) {
    const Search search(text, background, minimum);
    if (search.passes(text))
        return text;
    const std::optional<Channels> darker = search.toward(0);
    const std::optional<Channels> lighter = search.toward(255);
    if (darker && lighter)
        return search.distance(*darker) <= search.distance(*lighter) ? darker : lighter;
    return darker ? darker : lighter;
}

PairMeasures MeasurePair(const Channels& text, const Channels& background) {
    PairMeasures measures;
    measures.ratio = ContrastRatio(text, background);
    measures.nearestAA = NearestPassing(text, background, WcagLevels.at(0).minimum);
    measures.nearestAAA = NearestPassing(text, background, WcagLevels.at(1).minimum);
    for (std::size_t i = 0; i < ColorVisions.size(); ++i)
        measures.seen.at(i) = seenWith(ColorVisions.at(i), text, background);
    return measures;
}

} // namespace hueprobe
