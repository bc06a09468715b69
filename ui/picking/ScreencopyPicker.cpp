#include "ScreencopyPicker.h"

#include "PickOverlay.h"

#include <QGuiApplication>
#include <QPainter>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QWindow>

#include <algorithm>

namespace hueprobe {

namespace {

// grim rather than a screencopy client of Hueprobe's own: it is the one these
// desktops ship (Debian 12 and 13 package it), it already deals with the
// compositor's buffer formats, output transforms and scales, and as a program of
// its own it costs Hueprobe nothing until a pick, not even a Wayland library.
// PPM, not PNG: nothing to compress or decompress while the user waits.
const QString Grim = QStringLiteral("grim");

// Built when needed: nothing of the picker runs before its first use.
QString installGrim() {
    return QStringLiteral(
        "画面から色を取るには、grim をインストールしてください（sway など wlroots の"
        "デスクトップの場合）。GNOME と KDE では、デスクトップのポータル"
        "（xdg-desktop-portal-gnome、xdg-desktop-portal-kde）が色を取ります。");
}
QString refused(const QString& why) {
    return QStringLiteral("画面の画像を撮れなかったため、色を取れませんでした（grim: %1）。")
        .arg(why);
}
QString unreadable() {
    return QStringLiteral("画面の画像が読めなかったため、色を取れませんでした。");
}
QString outputRemoved() {
    return QStringLiteral("色を取っている間に画面がひとつ外されたため、取るのをやめました。");
}

// grim's own first line says why it failed; a crash has none.
QString whyFailed(QProcess& grim) {
    QString said =
        QString::fromLocal8Bit(grim.readAllStandardError()).trimmed().section(u'\n', 0, 0);
    if (!said.isEmpty())
        return said;
    if (grim.exitStatus() == QProcess::CrashExit)
        return QStringLiteral("異常終了");
    return QStringLiteral("終了コード %1").arg(grim.exitCode());
}

} // namespace

ScreencopyPicker::ScreencopyPicker(QObject* parent)
    : ScreenPicker(parent) {
    // An output taken away mid-pick leaves an image of nothing to aim at.
    connect(qGuiApp, &QGuiApplication::screenRemoved, this, [this] {
        if (waiting)
            finish({std::nullopt, outputRemoved()});
    });
}

ScreencopyPicker::~ScreencopyPicker() {
    for (PickOverlay* overlay : std::as_const(overlays))
        delete overlay;
}

void ScreencopyPicker::requestColour(Answer answer) {
    finish({}); // one picking at a time: an unfinished one counts as cancelled
    waiting = std::move(answer);
    const QString grim = QStandardPaths::findExecutable(Grim);
    if (grim.isEmpty()) {
        finish({std::nullopt, installGrim()});
        return;
    }
    // Each output on its own: its image is in its own device pixels, whatever
    // the scale of the others.
    for (QScreen* screen : QGuiApplication::screens())
        capture(screen, grim);
}

void ScreencopyPicker::capture(QScreen* screen, const QString& grim) {
    auto* process = new QProcess(this);
    outputs.append({screen, process, {}, {}});
    connect(process, &QProcess::finished, this, [this, process] { captured(process); });
    connect(process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            finish({std::nullopt, installGrim()});
    });
    process->start(grim, {QStringLiteral("-t"), QStringLiteral("ppm"), QStringLiteral("-o"),
                          screen->name(), QStringLiteral("-")});
}

void ScreencopyPicker::captured(QProcess* grim) {
    grim->deleteLater();
    const auto output = std::find_if(outputs.begin(), outputs.end(),
                                     [grim](const Output& each) { return each.grim == grim; });
    if (output == outputs.end())
        return; // a capture of a pick already ended
    if (grim->exitStatus() != QProcess::NormalExit || grim->exitCode() != 0) {
        finish({std::nullopt, refused(whyFailed(*grim))});
        return;
    }
    if (!output->image.loadFromData(grim->readAllStandardOutput(), "PPM")) {
        finish({std::nullopt, unreadable()});
        return;
    }
    if (everyOutputCaptured())
        showOverlays();
}

bool ScreencopyPicker::everyOutputCaptured() const {
    return std::all_of(outputs.cbegin(), outputs.cend(),
                       [](const Output& output) { return !output.image.isNull(); });
}

// The outputs' images side by side make one desktop, so that a device pixel names
// one pixel of one output; the aim never crosses from one to the next by a key.
void ScreencopyPicker::showOverlays() {
    QSize size(0, 0);
    for (Output& output : outputs) {
        output.deviceArea = QRect(QPoint(size.width(), 0), output.image.size());
        size = QSize(size.width() + output.image.width(),
                     std::max(size.height(), output.image.height()));
    }
    desktop = QImage(size, QImage::Format_RGB32);
    desktop.fill(Qt::black);
    QPainter painter(&desktop);
    for (const Output& output : std::as_const(outputs))
        painter.drawImage(output.deviceArea.topLeft(), output.image);
    painter.end();

    const QWindow* window = QGuiApplication::focusWindow();
    const QScreen* first = window ? window->screen() : QGuiApplication::primaryScreen();
    const Output* aimed = &outputs.constFirst();
    for (const Output& output : std::as_const(outputs)) {
        auto* overlay = new PickOverlay(output.screen, desktop, output.deviceArea);
        overlay->drawCrosshair();
        connect(overlay, &PickOverlay::pointerMoved, this, &ScreencopyPicker::aimAt);
        connect(overlay, &PickOverlay::stepRequested, this, &ScreencopyPicker::step);
        connect(overlay, &PickOverlay::pickRequested, this, &ScreencopyPicker::pick);
        connect(overlay, &PickOverlay::cancelRequested, this, [this] { finish({}); });
        overlays.append(overlay);
        if (output.screen == first)
            aimed = &output;
    }
    aimAt(aimed->deviceArea.center());
    // The compositor gives the keyboard to the window shown last: the one aimed at.
    const qsizetype last = aimed - outputs.constData();
    overlays.swapItemsAt(last, overlays.size() - 1);
    for (PickOverlay* overlay : std::as_const(overlays))
        overlay->showFullScreen();
    overlays.constLast()->activateWindow();
}

void ScreencopyPicker::aimAt(QPoint devicePixel) {
    aim = devicePixel;
    for (PickOverlay* overlay : std::as_const(overlays))
        overlay->showPointer(aim);
}

// One device pixel, whatever the scale, and never off the output aimed at.
void ScreencopyPicker::step(QPoint by) {
    for (const Output& output : std::as_const(outputs)) {
        const QRect area = output.deviceArea;
        if (area.contains(aim)) {
            aimAt(QPoint(std::clamp(aim.x() + by.x(), area.left(), area.right()),
                         std::clamp(aim.y() + by.y(), area.top(), area.bottom())));
            return;
        }
    }
}

void ScreencopyPicker::pick() {
    finish(PixelPicked(desktop, aim));
}

void ScreencopyPicker::finish(const PickAnswer& answer) {
    for (const Output& output : std::as_const(outputs)) {
        if (output.grim) {
            output.grim->disconnect(this);
            output.grim->kill();
            output.grim->deleteLater();
        }
    }
    outputs.clear();
    CloseOverlays(overlays);
    desktop = QImage();
    if (const Answer answering = std::exchange(waiting, {}))
        answering(answer);
}

} // namespace hueprobe
