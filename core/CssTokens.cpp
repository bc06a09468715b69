#include "CssTokens.h"

#include <charconv>
#include <limits>

namespace hueprobe {

namespace {

using Kind = CssTokenKind;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Letters, '_' and everything beyond ASCII may begin a name; digits and '-'
// may continue one.
bool startsName(char c) {
    return (c >= 'a' && c <= 'z') || c == '_' || static_cast<unsigned char>(c) >= 0x80;
}

bool continuesName(char c) {
    return startsName(c) || isDigit(c) || c == '-';
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

class Cutter {
public:
    explicit Cutter(std::string_view text)
        : text(text) {}

    std::vector<CssToken> all() {
        std::vector<CssToken> tokens;
        for (;;) {
            const bool blank = skipBlanks();
            CssToken token = next();
            token.blankBefore = blank;
            tokens.push_back(token);
            if (token.kind == Kind::End)
                return tokens;
        }
    }

private:
    char at(std::size_t offset) const {
        return position + offset < text.size() ? text[position + offset] : '\0';
    }

    bool skipBlanks() {
        const std::size_t from = position;
        while (position < text.size() && isBlank(text[position]))
            ++position;
        return position > from;
    }

    // A name starts here: a name character, or '-' before one or before a second '-'.
    bool nameStartsHere() const {
        if (at(0) == '-')
            return startsName(at(1)) || at(1) == '-';
        return startsName(at(0));
    }

    bool numberStartsHere() const {
        const std::size_t sign = at(0) == '+' || at(0) == '-' ? 1 : 0;
        return isDigit(at(sign)) || (at(sign) == '.' && isDigit(at(sign + 1)));
    }

    std::string_view take(std::size_t length) {
        const std::string_view taken = text.substr(position, length);
        position += length;
        return taken;
    }

    std::size_t digitsFrom(std::size_t offset) const {
        while (isDigit(at(offset)))
            ++offset;
        return offset;
    }

    std::string_view name() {
        std::size_t length = 0;
        while (position + length < text.size() && continuesName(text[position + length]))
            ++length;
        return take(length);
    }

    // Sign, digits, fraction and exponent, as style sheets write a number.
    std::size_t numberLength() const {
        std::size_t end = digitsFrom(at(0) == '+' || at(0) == '-' ? 1 : 0);
        if (at(end) == '.' && isDigit(at(end + 1)))
            end = digitsFrom(end + 1);
        if (at(end) == 'e') {
            const std::size_t sign = at(end + 1) == '+' || at(end + 1) == '-' ? 1 : 0;
            if (isDigit(at(end + 1 + sign)))
                end = digitsFrom(end + 1 + sign);
        }
        return end;
    }

    // A number too large (or too small) for a double becomes infinite, for the
    // reader to refuse.
    CssToken number() {
        const std::string_view written = take(numberLength());
        const std::size_t plus = written.front() == '+' ? 1 : 0;
        CssToken token{.kind = Kind::Number, .text = {}};
        const auto [end, error] =
            std::from_chars(written.data() + plus, written.data() + written.size(), token.number);
        if (error != std::errc{} || end != written.data() + written.size())
            token.number = std::numeric_limits<double>::infinity();
        if (at(0) == '%') {
            ++position;
            token.kind = Kind::Percentage;
        } else if (nameStartsHere()) {
            token.kind = Kind::Dimension;
            token.text = name();
        }
        return token;
    }

    CssToken next() {
        if (position >= text.size())
            return {};
        if (numberStartsHere())
            return number();
        if (nameStartsHere()) {
            const std::string_view written = name();
            if (at(0) == '(') {
                ++position;
                return {.kind = Kind::Function, .text = written};
            }
            return {.kind = Kind::Ident, .text = written};
        }
        const std::string_view single = take(1);
        switch (single.front()) {
        case '#':
            return {.kind = Kind::Hash, .text = name()};
        case ',':
            return {.kind = Kind::Comma, .text = single};
        case '/':
            return {.kind = Kind::Slash, .text = single};
        case '(':
            return {.kind = Kind::OpenBracket, .text = single};
        case ')':
            return {.kind = Kind::CloseBracket, .text = single};
        default:
            return {.kind = Kind::Delim, .text = single};
        }
    }

    std::string_view text;
    std::size_t position = 0;
};

} // namespace

std::vector<CssToken> CssTokens(std::string_view lower) {
    return Cutter(lower).all();
}

} // namespace hueprobe
