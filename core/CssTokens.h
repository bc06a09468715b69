#pragma once

#include <string_view>
#include <vector>

// The pieces a style sheet's colour value is made of, cut as style sheets cut
// them: numbers with their units, names, function names with their opening
// bracket, '#' codes, commas, '/', brackets and single other characters.
// The colour reader works on these rather than on characters.
namespace hueprobe {

enum class CssTokenKind {
    Number,       // 12, -0.5, 1e3
    Percentage,   // 40%
    Dimension,    // 30deg, 0.5turn: a number with a unit
    Ident,        // a name: red, none, from, display-p3
    Function,     // a name directly followed by '(': rgb(, calc(
    Hash,         // '#' and what follows: #0fa
    Comma,        // ,
    Slash,        // /
    OpenBracket,  // ( on its own, as calc() groups with it
    CloseBracket, // )
    Delim,        // any other single character: + - * ! ...
    End,          // after the last piece
};

struct CssToken {
    CssTokenKind kind = CssTokenKind::End;
    double number = 0;     // Number, Percentage, Dimension; infinite when too large to hold
    std::string_view text; // the name, the unit, the digits after '#' or the character
    bool blankBefore = false;
    bool is(CssTokenKind other, std::string_view name) const {
        return kind == other && text == name;
    }
};

// Cuts a text already in lower case into pieces; the views point into it.
std::vector<CssToken> CssTokens(std::string_view lower);

} // namespace hueprobe
