#pragma once

#include "Module1.h"

#include <optional>

class QString;

// Colours the user gives as text, to the main window or to a dialog: read with
// the colour reader, and where it cannot read them, one message saying why,
// quoting the text, while every colour stays as it was.
namespace hueprobe {

// Where a colour text came from, which its message names.
enum class ColorTextSource {
    Clipboard,
    Typed, // into a dialog's colour field
};

// The colour written in text, or none after a message saying why not. A colour
// whose alpha was dropped is read, and the user is told so.
std::optional<Channels> readColorText(ColorTextSource source, const QString& text);

// The colour written in the clipboard's text; a clipboard without text is said
// so. Only the beginning of the text is read, so a huge clipboard is answered at once.
std::optional<Channels> readClipboardColor();

} // namespace hueprobe
