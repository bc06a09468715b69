# shellcheck shell=sh
# A private headless sway for the tests that source this, a real Wayland compositor
# with no screen and no input devices: start_sway starts it and points
# WAYLAND_DISPLAY, XDG_RUNTIME_DIR and SWAYSOCK at it, stop_sway ends it, and
# as_sway_user runs a client (Hueprobe, wl-paste, wl-copy, wtype, grim, swaymsg) as
# the user sway runs as, who alone may reach its sockets.
#
# sway refuses to run as root, so under root it runs as nobody, in a runtime folder
# of nobody's own; the programs under test must then be readable by nobody, which
# sway_program sees to.

# fail and eventually, as the X11 tests have them.
# shellcheck source=tests/x-server.sh
. "$(dirname "$0")/../x-server.sh"

# What another Wayland program pastes, in place of the X11 tests' clipboard_is. An
# empty clipboard reads "No selection", whatever wl-paste's own words for it
# ("Nothing is copied" since wl-clipboard 2.2).
pasted() { as_sway_user wl-paste --no-newline 2>/dev/null || echo 'No selection'; }
clipboard_is() { [ "$(pasted)" = "$1" ]; }

# Skips the test (CTest's SKIP_RETURN_CODE), saying which package to install, when
# COMMAND is missing.
need_command() { # COMMAND PACKAGE
    command -v "$1" >/dev/null 2>&1 && return 0
    echo "SKIP: $1 is missing; install the $2 package" >&2
    exit 77
}

# Skips the test unless sway, its clients and Qt's Wayland platform are all here.
need_sway_session() {
    for needed in sway:sway swaymsg:sway wl-copy:wl-clipboard wl-paste:wl-clipboard wtype:wtype \
        grim:grim setpriv:util-linux; do
        need_command "${needed%%:*}" "${needed#*:}"
    done
    for plugin in /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so \
        /usr/lib/qt6/plugins/platforms/libqwayland-generic.so; do
        [ -e "$plugin" ] && return 0
    done
    echo "SKIP: Qt's Wayland platform is missing; install the qt6-wayland package" >&2
    exit 77
}

# Runs a program as the user sway runs as, on its display, with nothing of the
# caller's X server. sway_user holds the words that change the user, set by start_sway.
# shellcheck disable=SC2086 # sway_user is several words, or none
as_sway_user() {
    : "${sway_runtime:?start_sway first}"
    env -u DISPLAY ${sway_user-} "$@"
}

# The same in the background; spawned is then the program's own process (a function
# run with & would leave a shell between, which a signal would reach instead).
# shellcheck disable=SC2086 # sway_user is several words, or none
spawn_as_sway_user() {
    : "${sway_runtime:?start_sway first}"
    env -u DISPLAY ${sway_user-} "$@" &
    spawned=$!
}

# A path to PROGRAM that the sway user may run: PROGRAM itself where it can, else a
# copy in a folder of its own (a build tree in root's home or in a private folder).
sway_program() { # PROGRAM
    if as_sway_user test -r "$1" -a -x "$1"; then
        echo "$1"
        return
    fi
    mkdir -p "$sway_runtime/bin"
    cp "$1" "$sway_runtime/bin/"
    chmod 755 "$sway_runtime/bin/$(basename "$1")"
    echo "$sway_runtime/bin/$(basename "$1")"
}

# True once sway answers and has its output.
sway_ready() {
    [ -S "$SWAYSOCK" ] && as_sway_user swaymsg -t get_outputs 2>/dev/null | grep -q '"HEADLESS-1"'
}

# start_sway BACKGROUND [CONFIG_LINE...]: one output of SWAY_MODE (1024x768 unless
# set) at SWAY_SCALE (1 unless set), painted BACKGROUND (#RRGGBB), with the given
# lines (for_window rules, say) after those. Xwayland stays off: every client here
# must speak Wayland itself.
start_sway() {
    background=$1
    shift
    sway_runtime=$(mktemp -d /tmp/sway-session.XXXXXX)
    mkdir "$sway_runtime/home"
    {
        echo "xwayland disable"
        echo "output * mode ${SWAY_MODE:-1024x768} scale ${SWAY_SCALE:-1} bg $background solid_color"
        for line in "$@"; do echo "$line"; done
    } >"$sway_runtime/config"
    sway_user=""
    if [ "$(id -u)" -eq 0 ]; then
        chown -R 65534:65534 "$sway_runtime"
        sway_user="setpriv --reuid=65534 --regid=65534 --clear-groups env HOME=$sway_runtime/home"
    fi
    chmod 700 "$sway_runtime"
    XDG_RUNTIME_DIR=$sway_runtime
    export XDG_RUNTIME_DIR
    unset WAYLAND_DISPLAY SWAYSOCK DISPLAY QT_QPA_PLATFORM
    WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
        spawn_as_sway_user sway --config "$sway_runtime/config" >"$sway_runtime/sway.log" 2>&1
    sway=$spawned
    # sway names its socket after its user and process.
    SWAYSOCK=$sway_runtime/sway-ipc.$(as_sway_user id -u).$sway.sock
    export SWAYSOCK
    eventually sway_ready || fail "sway did not start: $(tail -n 5 "$sway_runtime/sway.log")"
    for socket in "$sway_runtime"/wayland-*; do
        case "$socket" in *.lock) ;; *) WAYLAND_DISPLAY=$(basename "$socket") ;; esac
    done
    export WAYLAND_DISPLAY
    # A keyboard that stays (a wtype that only waits): without one, each wtype call
    # would bring the seat's keyboard and take it away again, and a window could miss
    # the first keys while it learns of it.
    spawn_as_sway_user wtype -s 3600000 </dev/null >/dev/null 2>&1
    sway_keyboard=$spawned
}

stop_sway() {
    [ -z "${sway_keyboard:-}" ] || kill "$sway_keyboard" 2>/dev/null || true
    sway_keyboard=""
    [ -z "${sway:-}" ] || kill "$sway" 2>/dev/null || true
    [ -z "${sway:-}" ] || wait "$sway" 2>/dev/null || true
    sway=""
    [ -z "${sway_runtime:-}" ] || rm -rf "$sway_runtime"
    sway_runtime=""
}

# The colour of one screen pixel as RRGGBB, read by grim (at scale 1, where layout
# and device pixels are one).
pixel_at() { # X Y
    as_sway_user grim -g "$1,$2 1x1" -t ppm - | tail -c 3 | od -An -tx1 | tr -d ' \n' |
        tr '[:lower:]' '[:upper:]'
}

# True while a window with this Wayland app_id is on sway's tree.
sway_has_window() { # APP_ID
    as_sway_user swaymsg -t get_tree | grep -q "\"app_id\": \"$1\""
}

# Types keys with wtype (its arguments) into the focused window, all in one call.
# A pause and a tap of Shift come first: each call is a new virtual keyboard, whose
# first key a window may miss.
sway_keys() {
    as_sway_user wtype -s 100 -k Shift_L "$@"
}

# True once a process of the test's has ended: a child not yet waited for is a
# zombie, which kill -0 still finds.
process_ended() { # PID
    ! ps -o stat= -p "$1" | grep -qv Z
}
