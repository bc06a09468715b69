#include "ColorChart.h"

#include "HexCodec.h"

#include <algorithm>

namespace hueprobe {

// The 140 colours every web browser knows by name, in the order the chart lists
// them (not sorted). Cyan/Aqua and Magenta/Fuchsia are the same colour twice.
const std::array<ChartRow, ColorChartRows> ColorChart{{
    {"White", "ffffff"},                // 0
    {"Snow", "fffafa"},                 // 1
    {"GhostWhite", "f8f8ff"},           // 2
    {"WhiteSmoke", "f5f5f5"},           // 3
    {"FloralWhite", "fffaf0"},          // 4
    {"Linen", "faf0e6"},                // 5
    {"AntiqueWhite", "faebd7"},         // 6
    {"PapayaWhip", "ffefd5"},           // 7
    {"BlanchedAlmond", "ffebcd"},       // 8
    {"Bisque", "ffe4c4"},               // 9
    {"Moccasin", "ffe4b5"},             // 10
    {"NavajoWhite", "ffdead"},          // 11
    {"PeachPuff", "ffdab9"},            // 12
    {"MistyRose", "ffe4e1"},            // 13
    {"LavenderBlush", "fff0f5"},        // 14
    {"Seashell", "fff5ee"},             // 15
    {"OldLace", "fdf5e6"},              // 16
    {"Ivory", "fffff0"},                // 17
    {"Honeydew", "f0fff0"},             // 18
    {"MintCream", "f5fffa"},            // 19
    {"Azure", "f0ffff"},                // 20
    {"AliceBlue", "f0f8ff"},            // 21
    {"Lavender", "e6e6fa"},             // 22
    {"Black", "000000"},                // 23
    {"DarkSlateGray", "2f4f4f"},        // 24
    {"DimGray", "696969"},              // 25
    {"Gray", "808080"},                 // 26
    {"DarkGray", "a9a9a9"},             // 27
    {"Silver", "c0c0c0"},               // 28
    {"LightGray", "d3d3d3"},            // 29
    {"Gainsboro", "dcdcdc"},            // 30
    {"LightSlateGray", "778899"},       // 31
    {"SlateGray", "708090"},            // 32
    {"LightSteelBlue", "b0c4de"},       // 33
    {"SteelBlue", "4682b4"},            // 34
    {"RoyalBlue", "4169e1"},            // 35
    {"MidnightBlue", "191970"},         // 36
    {"Navy", "000080"},                 // 37
    {"DarkBlue", "00008b"},             // 38
    {"MediumBlue", "0000cd"},           // 39
    {"Blue", "0000ff"},                 // 40
    {"DodgerBlue", "1e90ff"},           // 41
    {"CornflowerBlue", "6495ed"},       // 42
    {"DeepSkyBlue", "00bfff"},          // 43
    {"LightSkyBlue", "87cefa"},         // 44
    {"SkyBlue", "87ceeb"},              // 45
    {"LightBlue", "add8e6"},            // 46
    {"PowderBlue", "b0e0e6"},           // 47
    {"PaleTurquoise", "afeeee"},        // 48
    {"LightCyan", "e0ffff"},            // 49
    {"Cyan", "00ffff"},                 // 50
    {"Aqua", "00ffff"},                 // 51
    {"Turquoise", "40e0d0"},            // 52
    {"MediumTurquoise", "48d1cc"},      // 53
    {"DarkTurquoise", "00ced1"},        // 54
    {"LightSeaGreen", "20b2aa"},        // 55
    {"CadetBlue", "5f9ea0"},            // 56
    {"DarkCyan", "008b8b"},             // 57
    {"Teal", "008080"},                 // 58
    {"SeaGreen", "2e8b57"},             // 59
    {"DarkOliveGreen", "556b2f"},       // 60
    {"DarkGreen", "006400"},            // 61
    {"Green", "008000"},                // 62
    {"ForestGreen", "228b22"},          // 63
    {"MediumSeaGreen", "3cb371"},       // 64
    {"DarkSeaGreen", "8fbc8f"},         // 65
    {"MediumAquamarine", "66cdaa"},     // 66
    {"Aquamarine", "7fffd4"},           // 67
    {"PaleGreen", "98fb98"},            // 68
    {"LightGreen", "90ee90"},           // 69
    {"SpringGreen", "00ff7f"},          // 70
    {"MediumSpringGreen", "00fa9a"},    // 71
    {"LawnGreen", "7cfc00"},            // 72
    {"Chartreuse", "7fff00"},           // 73
    {"GreenYellow", "adff2f"},          // 74
    {"Lime", "00ff00"},                 // 75
    {"LimeGreen", "32cd32"},            // 76
    {"YellowGreen", "9acd32"},          // 77
    {"OliveDrab", "6b8e23"},            // 78
    {"Olive", "808000"},                // 79
    {"DarkKhaki", "bdb76b"},            // 80
    {"PaleGoldenrod", "eee8aa"},        // 81
    {"Cornsilk", "fff8dc"},             // 82
    {"Beige", "f5f5dc"},                // 83
    {"LightYellow", "ffffe0"},          // 84
    {"LightGoldenrodYellow", "fafad2"}, // 85
    {"LemonChiffon", "fffacd"},         // 86
    {"Wheat", "f5deb3"},                // 87
    {"Burlywood", "deb887"},            // 88
    {"Tan", "d2b48c"},                  // 89
    {"Khaki", "f0e68c"},                // 90
    {"Yellow", "ffff00"},               // 91
    {"Gold", "ffd700"},                 // 92
    {"Orange", "ffa500"},               // 93
    {"SandyBrown", "f4a460"},           // 94
    {"DarkOrange", "ff8c00"},           // 95
    {"Goldenrod", "daa520"},            // 96
    {"Peru", "cd853f"},                 // 97
    {"DarkGoldenrod", "b8860b"},        // 98
    {"Chocolate", "d2691e"},            // 99
    {"Sienna", "a0522d"},               // 100
    {"SaddleBrown", "8b4513"},          // 101
    {"Maroon", "800000"},               // 102
    {"DarkRed", "8b0000"},              // 103
    {"Brown", "a52a2a"},                // 104
    {"FireBrick", "b22222"},            // 105
    {"IndianRed", "cd5c5c"},            // 106
    {"RosyBrown", "bc8f8f"},            // 107
    {"DarkSalmon", "e9967a"},           // 108
    {"LightCoral", "f08080"},           // 109
    {"Salmon", "fa8072"},               // 110
    {"LightSalmon", "ffa07a"},          // 111
    {"Coral", "ff7f50"},                // 112
    {"Tomato", "ff6347"},               // 113
    {"OrangeRed", "ff4500"},            // 114
    {"Red", "ff0000"},                  // 115
    {"Crimson", "dc143c"},              // 116
    {"MediumVioletRed", "c71585"},      // 117
    {"DeepPink", "ff1493"},             // 118
    {"HotPink", "ff69b4"},              // 119
    {"PaleVioletRed", "db7093"},        // 120
    {"Pink", "ffc0cb"},                 // 121
    {"LightPink", "ffb6c1"},            // 122
    {"Thistle", "d8bfd8"},              // 123
    {"Magenta", "ff00ff"},              // 124
    {"Fuchsia", "ff00ff"},              // 125
    {"Violet", "ee82ee"},               // 126
    {"Plum", "dda0dd"},                 // 127
    {"Orchid", "da70d6"},               // 128
    {"MediumOrchid", "ba55d3"},         // 129
    {"DarkOrchid", "9932cc"},           // 130
    {"DarkViolet", "9400d3"},           // 131
    {"DarkMagenta", "8b008b"},          // 132
    {"Purple", "800080"},               // 133
    {"Indigo", "4b0082"},               // 134
    {"DarkSlateBlue", "483d8b"},        // 135
    {"BlueViolet", "8a2be2"},           // 136
    {"MediumPurple", "9370db"},         // 137
    {"SlateBlue", "6a5acd"},            // 138
    {"MediumSlateBlue", "7b68ee"},      // 139
}};

namespace {

// The characters of text from the 1-based position start, at most count of
// them; fewer (or none) where the text is shorter.
std::string_view mid(std::string_view text, std::size_t start, std::size_t count) {
    const std::size_t offset = start - 1;
    return offset < text.size() ? text.substr(offset, count) : std::string_view{};
}

} // namespace

int chartRowNamed(std::string_view name) {
    const auto row = std::find_if(ColorChart.cbegin(), ColorChart.cend(),
                                  [name](const ChartRow& entry) { return entry.name == name; });
    return row == ColorChart.cend() ? -1 : int(row - ColorChart.cbegin());
}

void Color140(int listIndex) {
    if (listIndex >= 0 && listIndex < ColorChartRows)
        Module1.strColor140 = ColorChart.at(static_cast<std::size_t>(listIndex)).hex;
    for (int channel = 0; channel < ChannelCount; ++channel)
        Module1.intColor.at(channel) = to10(mid(Module1.strColor140, 1 + 2 * channel, 2));
}

} // namespace hueprobe
