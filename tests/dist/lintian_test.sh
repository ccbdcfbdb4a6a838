#!/usr/bin/env bash
# Debian's package checker on the built package: no error and no warning, and every tag the package
# overrides has its reason written above it in the override file.
#   lintian_test.sh PACKAGE_DIR OVERRIDES
set -euo pipefail
debs=("$1"/*.deb)
overrides=$2
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

log=$(mktemp "${TMPDIR:-/tmp}/zq-lintian-XXXXXX")
trap 'rm -f "$log"' EXIT
status=0
lintian --fail-on error,warning --display-info --pedantic "${debs[0]}" >"$log" 2>&1 || status=$?
# Root is only warned about: the checks are the same.
grep -v '^running with root privileges' "$log" || true
((status == 0)) || fail "lintian found errors or warnings (E: and W: above)"

awk '/^#/ { reason = 1; next } /^[^[:space:]]/ { if (!reason) print; next } { reason = 0 }' "$overrides" |
    while read -r line; do
        echo "FAIL: an override without a reason above it: $line" >&2
        exit 1
    done || failures=$((failures + 1))

if ((failures > 0)); then
    exit 1
fi
echo "lintian: no errors, no warnings"
