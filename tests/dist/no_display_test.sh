#!/usr/bin/env bash
# The desktop program on a machine without a display: a plain message that points to the CLI and
# xvfb-run, exit status 1, and no abort (Qt's own reaction is SIGABRT and a core dump).
#   no_display_test.sh PATH_TO_ZQL52
set -uo pipefail
program=$1
work=$(mktemp -d "${TMPDIR:-/tmp}/zq-nodisplay-XXXXXX")
trap 'rm -rf "$work"' EXIT
failures=0

expect_refusal() {
    local name=$1
    shift
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_CONFIG_HOME="$work/config" \
        XDG_RUNTIME_DIR="$work" "$@" "$program" >"$work/out" 2>"$work/err"
    local status=$?
    if [ "$status" -ne 1 ] || ! grep -q "no display was found" "$work/err" ||
        ! grep -q "zql52-cli --help" "$work/err" || ! grep -q "xvfb-run -a zql52" "$work/err"; then
        echo "FAIL: $name: exit status $status, standard error:" >&2
        cat "$work/err" >&2
        failures=$((failures + 1))
    fi
}

# Nothing says where a display is.
expect_refusal "no DISPLAY"
# A display is named but no X server listens there, so Qt's platform plugin fails inside Qt.
expect_refusal "unreachable DISPLAY" DISPLAY=:7137

if ((failures > 0)); then
    exit 1
fi
echo "no display: every check passed"
