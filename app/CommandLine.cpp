#include "CommandLine.h"

#include <array>
#include <cstdio>
#include <string>
#include <string_view>

namespace hueprobe {

namespace {

constexpr std::string_view program = "hueprobe";

constexpr std::string_view helpText =
    "Usage: hueprobe [OPTION]...\n"
    "Pick a colour with scroll bars for red, green and blue, from a chart of the\n"
    "140 named web colours, from the screen or from the clipboard, and copy its\n"
    "code to the clipboard for web pages.\n"
    "\n"
    "      --help     display this help and exit\n"
    "      --version  output version information and exit\n"
    "\n"
    "Qt's standard options work too, among them -platform NAME, -display DISPLAY,\n"
    "-style STYLE and -qwindowgeometry GEOMETRY.\n"
    "See hueprobe(1) for the windows, the menus and the clipboard keeper.\n";

constexpr std::string_view versionText = "hueprobe " HUEPROBE_RELEASE "\n"
                                         "Copyright (c) 2026 the Hueprobe developers\n"
                                         "License: MIT <https://opensource.org/licenses/MIT>\n";

struct QtOption {
    std::string_view name;
    bool takesValue;
};

// The options QGuiApplication, QApplication and the X11 platform take off the
// command line themselves; each is written with one dash or two.
constexpr std::array qtOptions{
    QtOption{"platform", true},
    QtOption{"platformpluginpath", true},
    QtOption{"platformtheme", true},
    QtOption{"plugin", true},
    QtOption{"qwindowgeometry", true},
    QtOption{"qwindowicon", true},
    QtOption{"qwindowtitle", true},
    QtOption{"reverse", false},
    QtOption{"session", true},
    QtOption{"nograb", false},
    QtOption{"dograb", false},
    QtOption{"display", true},
    QtOption{"geometry", true},
    QtOption{"title", true},
    QtOption{"icon", true},
    QtOption{"name", true},
    QtOption{"sync", false},
    QtOption{"style", true},
    QtOption{"stylesheet", true},
    QtOption{"widgetcount", false},
    QtOption{"qmljsdebugger", true},
};

// "-style" and "--style" are one option to Qt, and so is "-style=fusion".
const QtOption* findQtOption(std::string_view argument) {
    if (!argument.starts_with('-'))
        return nullptr;
    argument.remove_prefix(argument.starts_with("--") ? 2 : 1);
    const std::string_view name = argument.substr(0, argument.find('='));
    for (const QtOption& option : qtOptions) {
        if (option.name == name)
            return &option;
    }
    return nullptr;
}

int answer(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    if (std::fflush(stdout) == 0)
        return 0;
    std::fputs("hueprobe: write error\n", stderr);
    return 1;
}

int usageError(const std::string& problem) {
    const std::string line = std::string(program) + ": " + problem + "; try '" +
                             std::string(program) + " --help' for more information\n";
    std::fputs(line.c_str(), stderr);
    return 2;
}

std::string quoted(std::string_view argument) {
    return '\'' + std::string(argument) + '\'';
}

} // namespace

std::optional<int> answerCommandLine(int argc, const char* const argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help")
            return answer(helpText);
        if (argument == "--version")
            return answer(versionText);
        // Everything after "--" is an operand, and the program takes none.
        if (argument == "--")
            return i + 1 < argc ? std::optional(usageError("extra operand " + quoted(argv[i + 1])))
                                : std::nullopt;
        const QtOption* option = findQtOption(argument);
        if (option == nullptr)
            return usageError(argument.starts_with('-') && argument != "-"
                                  ? "unrecognized option " + quoted(argument)
                                  : "extra operand " + quoted(argument));
        if (!option->takesValue || argument.find('=') != std::string_view::npos)
            continue;
        if (++i == argc)
            return usageError("option " + quoted(argument) + " requires an argument");
    }
    return std::nullopt;
}

} // namespace hueprobe
