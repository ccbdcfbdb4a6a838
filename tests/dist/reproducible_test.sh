#!/usr/bin/env bash
# Builds the package of the build folder a second time, later, with another umask, time zone and locale,
# and compares it byte for byte with the first: file times, ordering and permissions come from the
# commit, not from the build.
#   reproducible_test.sh BUILD_DIR PACKAGE_DIR
set -euo pipefail
build=$1
first=("$2"/*.deb)

work=$(mktemp -d "${TMPDIR:-/tmp}/zq-reproducible-XXXXXX")
trap 'rm -rf "$work"' EXIT
second=$( (umask 0002 && TZ=Pacific/Kiritimati LC_ALL=C.UTF-8 "$(dirname "$0")/../../scripts/build_package.sh" "$build" "$work/second"))

sum_first=$(sha256sum <"${first[0]}" | cut -d' ' -f1)
sum_second=$(sha256sum <"$second" | cut -d' ' -f1)
echo "first:  $sum_first"
echo "second: $sum_second"
if [ "$sum_first" != "$sum_second" ]; then
    echo "FAIL: two builds of the package differ" >&2
    diff <(dpkg-deb --contents "${first[0]}") <(dpkg-deb --contents "$second") >&2 || true
    exit 1
fi
echo "reproducible: both builds have the same sha256"
