#include "Desktop.h"

namespace hueprobe {

bool IsGnomeOrKde(std::string_view currentDesktops) {
    while (!currentDesktops.empty()) {
        const std::size_t colon = currentDesktops.find(':');
        const std::string_view desktop = currentDesktops.substr(0, colon);
        if (desktop == "GNOME" || desktop == "KDE")
            return true;
        if (colon == std::string_view::npos)
            break;
        currentDesktops.remove_prefix(colon + 1);
    }
    return false;
}

} // namespace hueprobe
