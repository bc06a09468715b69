#!/bin/sh
# hueprobe --help and --version answer on stdout with status 0 and need no display;
# anything else but Qt's own options is one line on stderr and status 2.
# Usage: command-line.sh HUEPROBE RELEASE
set -eu

program=$1 release=$2
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
fail() { echo "FAIL: hueprobe $*" >&2 && exit 1; }

# expect STATUS ARGUMENT...: runs hueprobe without any display.
expect() {
    wanted=$1
    shift
    status=0
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@" >"$out" 2>"$err" ||
        status=$?
    [ "$status" -eq "$wanted" ] || fail "$*: status $status, not $wanted: $(cat "$err")"
}

# answered PATTERN ARGUMENT...: the answer's first line matches PATTERN; stderr stays empty.
answered() {
    pattern=$1
    shift
    expect 0 "$@"
    # shellcheck disable=SC2254 # the pattern is one
    case $(head -n 1 "$out") in $pattern) ;; *) fail "$*: $(cat "$out")" ;; esac
    [ ! -s "$err" ] || fail "$*: stderr: $(cat "$err")"
}

answered 'Usage: hueprobe *' --help
# A Qt option's value is the option's, even when it looks like an option.
answered "hueprobe $release" -style fusion --qwindowtitle --help --version
# Qt's options pass on to Qt: only the missing display stops the program (status 1).
expect 1 -reverse -display :1 -qwindowgeometry 540x316+0+0

for wrong in --colour=red red -platform "-- red"; do
    # shellcheck disable=SC2086 # "-- red" is two arguments
    expect 2 $wrong
    [ ! -s "$out" ] || fail "$wrong: stdout: $(cat "$out")"
    [ "$(wc -l <"$err")" -eq 1 ] || fail "$wrong: not one line: $(cat "$err")"
    grep -q '^hueprobe: .*--help' "$err" || fail "$wrong: $(cat "$err")"
done
