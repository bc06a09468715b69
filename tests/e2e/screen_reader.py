#!/usr/bin/python3
"""What a screen reader finds in Hueprobe, read through AT-SPI as one reads it:
the dialogs' roles, names and focus, the copy button's description following
the clipboard format and the colour, the scroll bars' value in decimal and
hexadecimal. Runs in its own D-Bus session, accessibility bus and X server.
Needs HUEPROBE (the program)."""
import os
import re
import subprocess
import sys
import tempfile
import time

if not os.environ.get("HUEPROBE_PRIVATE_BUS"):
    os.environ["HUEPROBE_PRIVATE_BUS"] = "1"
    os.execvp("dbus-run-session", ["dbus-run-session", "--", sys.executable] + sys.argv)

VersionTitle = "Hueprobe-バージョン情報　(背景：80FF80)"
started = []


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def eventually(probe):
    """The probe's first true result, retried for about 40 seconds: a bound, not a timing."""
    for _ in range(400):
        try:
            result = probe()
        except Exception:  # the object went away while it was read
            result = None
        if result:
            return result
        time.sleep(0.1)
    return None


def start(command, **options):
    started.append(subprocess.Popen(command, **options))
    return started[-1]


def start_x_server():
    """On a display number no other server holds, as tests/x-server.sh chooses it."""
    number, sockets = 500 + os.getpid() % 1000, open("/proc/net/unix").read()
    while os.path.exists(f"/tmp/.X{number}-lock") or f"/tmp/.X11-unix/X{number}\n" in sockets:
        number += 1
    read, write = os.pipe()
    start(["Xvfb", f":{number}", "-displayfd", str(write), "-nolisten", "tcp", "-screen", "0",
           "1024x768x24"], pass_fds=[write], stderr=subprocess.DEVNULL)
    os.close(write)
    os.environ["DISPLAY"] = ":" + os.read(read, 16).decode().strip()


def keys(*names):
    window = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Hueprobe$"],
                            capture_output=True, text=True).stdout.split()[0]
    subprocess.run(["xdotool", "windowfocus", "--sync", window, "key", "--clearmodifiers",
                    "--delay", "40", *names], check=True)


def node(parent, role, name=None):
    return pyatspi.findDescendant(parent, lambda n: n.getRole() == role and
                                  (name is None or n.name == name))


def window(title):
    """A top-level window of Hueprobe's, read afresh on each try: a window shown while the
    application's list of windows was cached may not join that list otherwise."""
    def find():
        application.clear_cache()
        return next(w for w in application if w.name == title)
    return eventually(find)


def focused(parent):
    return eventually(lambda: pyatspi.findDescendant(
        parent, lambda n: n.getState().contains(pyatspi.STATE_FOCUSED)))


def expect_description(control, expected):
    if not eventually(lambda: control.description == expected):
        fail(f"{control.name} is described as '{control.description}', not '{expected}'")


def expect_dialog(title, focus):
    dialog = window(title) or fail(f"no window '{title}' in the tree")
    if dialog.getRole() != pyatspi.ROLE_DIALOG:
        fail(f"'{title}' is exposed as a {dialog.getRoleName()}, not a dialog")
    if focused(dialog).name != focus:
        fail(f"'{title}' opens with the focus on '{focused(dialog).name}', not '{focus}'")
    return dialog


def press(dialog, role, name):
    node(dialog, role, name).queryAction().doAction(0)


try:
    start_x_server()
    os.environ["XDG_RUNTIME_DIR"] = tempfile.mkdtemp()  # where the accessibility bus listens
    start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
          stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    # Qt looks for the accessibility bus once, at start: it must be there by then.
    eventually(lambda: subprocess.run(
        ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
         "org.a11y.Bus.GetAddress"], capture_output=True).returncode == 0) or \
        fail("the accessibility bus did not start")
    import pyatspi
    # Reading the desktop starts the registry that Hueprobe's windows register with.
    desktop = pyatspi.Registry.getDesktop(0)
    desktop.childCount  # pylint: disable=pointless-statement
    start([os.environ["HUEPROBE"]], stderr=subprocess.DEVNULL,
          env=dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
    application = eventually(lambda: next(a for a in desktop if a.name == "Hueprobe"))
    main = window("Hueprobe") or fail("the main window is not in the tree")
    red = node(main, pyatspi.ROLE_SCROLL_BAR, "赤（Ｒ）")
    green = node(main, pyatspi.ROLE_SCROLL_BAR, "緑（Ｇ）")
    copy = node(main, pyatspi.ROLE_PUSH_BUTTON, "クリップボードにコピー")

    print("-- a scroll bar names its value in decimal and hexadecimal")
    expect_description(red, "赤の値（０～２５５）、今は 0（１６進法で 0）")
    red.queryValue().currentValue = 30
    expect_description(red, "赤の値（０～２５５）、今は 30（１６進法で 1E）")
    expect_description(copy, "「1E0000」をクリップボードにコピーします")

    print("-- a chart pick changes every description")
    keys("Tab", "Tab", "Tab", "Down")  # from the red bar to the chart, and its first entry: White
    expect_description(green, "緑の値（０～２５５）、今は 255（１６進法で FF）")
    expect_description(copy, "「FFFFFF」をクリップボードにコピーします")

    print("-- the clipboard-format dialog, and the copy button after each format")
    in_force = "１６進法"
    for option, text in [("１６進法の先頭に「＃」をつける", "#FFFFFF"),
                         ("１０進法ＲＧＢ表示", "RGB(255,255,255)"), ("１６進法", "FFFFFF")]:
        keys("alt+f", "alt+f", "Return")
        dialog = expect_dialog("Form1", in_force)
        press(dialog, pyatspi.ROLE_RADIO_BUTTON, option)
        press(dialog, pyatspi.ROLE_PUSH_BUTTON, "Ｏ．Ｋ")
        expect_description(copy, f"「{text}」をクリップボードにコピーします")
        in_force = option

    print("-- the version dialog describes no control by a colour code")
    keys("alt+h", "Return")
    dialog = expect_dialog(VersionTitle, "Ｏ．Ｋ")
    coded = pyatspi.findAllDescendants(dialog, lambda n: re.fullmatch("[0-9A-F]{6}", n.description))
    if coded:
        fail(f"'{coded[0].name}' is described as '{coded[0].description}'")
    print("PASS")
finally:
    for process in reversed(started):
        process.terminate()  # the bus launcher then ends the bus it started
        process.wait()
