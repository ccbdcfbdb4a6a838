#!/usr/bin/env bash
# Builds the Debian package of a build folder with cpack into a folder of its own (emptied first) and
# prints its path: for `./zq package`, and once from the test build for the package tests.
#   build_package.sh BUILD_DIR OUT_DIR
set -euo pipefail
build=$1
out=$2
# cpack's archive takes the members' modes from the files it writes: the same whatever the caller's umask.
umask 0022

rm -rf "$out"
mkdir -p "$out"
cpack --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 || {
    cat "$out/cpack.log" >&2
    exit 1
}
# Only the package stays: its staging folder is as large as the programs.
rm -rf "$out/_CPack_Packages"
debs=("$out"/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || {
    echo "FAIL: cpack made no single .deb" >&2
    exit 1
}
echo "${debs[0]}"
