#include "GothicFont.h"

#include <QApplication>
#include <QFontDatabase>
#include <QStringList>

namespace hueprobe {

namespace {

// The Gothic face to draw with: the font the windows' sizes were chosen for,
// under either of its names, or else the proportional Gothic face Debian ships
// in fonts-ipafont-gothic, which has the same metrics class. Asking for a face
// that is not installed makes Qt search the system's fallback fonts for every
// size and script, milliseconds at start-up, and a name look-up through
// fontconfig costs nearly as much; so the installed face is found in the plain
// family list and asked for alone. Where none is installed, both are asked for.
struct GothicFaces {
    QStringList families;
    bool installed = false;
};

const GothicFaces& gothicFaces() {
    static const GothicFaces faces = [] {
        const QStringList installed = QFontDatabase::families();
        for (const QString& face : {QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                                    QStringLiteral("IPAPGothic")}) {
            if (installed.contains(face))
                return GothicFaces{{face}, true};
        }
        return GothicFaces{{QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic")}};
    }();
    return faces;
}

} // namespace

QFont gothicFont(double points) {
    const GothicFaces& faces = gothicFaces();
    QFont font;
    font.setFamilies(faces.families);
    font.setStyleHint(QFont::SansSerif);
    // The face has every character the windows show in it, so Qt need not
    // gather fallback fonts for it that it would never use.
    if (faces.installed)
        font.setStyleStrategy(QFont::NoFontMerging);
    font.setPointSizeF(points);
    font.setWeight(QFont::Normal);
    return font;
}

// Left to the toolkit, its font would draw Latin text in the system's sans face
// and fall back to the system's preferred Japanese face: two more font files in
// memory beside the Gothic one, each with its own font look-ups at start.
void useGothicInterfaceFont() {
    QFont font = QApplication::font();
    font.setFamilies(gothicFaces().families);
    QApplication::setFont(font);
}

} // namespace hueprobe
