#!/usr/bin/env bash
# Reads the Debian package built from the build folder (build_package.sh): its control data and
# contents, without installing it.
#   package_test.sh PACKAGE_DIR VERSION SOURCE_DATE_EPOCH
set -euo pipefail
debs=("$1"/*.deb)
version=$2
epoch=$3

work=$(mktemp -d "${TMPDIR:-/tmp}/zq-package-XXXXXX")
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

deb=${debs[0]}
[ "$(basename "$deb")" = "zql52_${version}_$(dpkg --print-architecture).deb" ] ||
    fail "the package is named $(basename "$deb")"

control() { dpkg-deb --field "$deb" "$1"; }
[ "$(control Package)" = zql52 ] || fail "Package is $(control Package)"
[ "$(control Version)" = "$version" ] || fail "Version is $(control Version), not $version"
[ "$(control Section)" = hamradio ] || fail "Section is $(control Section)"
[ -n "$(control Maintainer)" ] || fail "no Maintainer"
[ "$(control Description | head -n 1)" != "" ] || fail "no Description"
# Dependencies come from the libraries the programs link: Qt Widgets and Serial Port, SVG, ALSA.
depends=$(control Depends)
for library in libqt6widgets6 libqt6serialport6 libqt6svg6 libasound2 libc6; do
    grep -q "\b$library\b" <<<"$depends" || fail "Depends lacks $library: $depends"
done

# Debian's triggers refresh the desktop, MIME, icon and man databases: no maintainer scripts.
dpkg-deb --ctrl-tarfile "$deb" | tar -t >"$work/control.list"
if grep -qE 'postinst|postrm|preinst|prerm' "$work/control.list"; then
    fail "the package has maintainer scripts: $(tr '\n' ' ' <"$work/control.list")"
fi

dpkg-deb --contents "$deb" | awk '{print $6}' | sed 's|^\./||' | grep -v '/$' | sort >"$work/files"
for file in usr/bin/zql52 usr/bin/zql52-cli usr/share/applications/zql52.desktop \
    usr/share/mime/packages/zql52.xml usr/share/man/man1/zql52-cli.1.gz \
    usr/share/icons/hicolor/48x48/apps/zql52.png; do
    grep -qx "$file" "$work/files" || fail "the package lacks $file"
done
grep -v '^usr/' "$work/files" && fail "the package installs outside /usr"

# Every file time is the commit's, and so is the man page's date.
stamp=$(date -u -d "@$epoch" '+%Y-%m-%d %H:%M')
dpkg-deb --fsys-tarfile "$deb" | TZ=UTC tar -tv --full-time | awk '{print $4 " " substr($5, 1, 5) " " $6}' |
    grep -v "^$stamp " && fail "files in the package are not dated $stamp"
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/man/man1/zql52.1.gz | zcat | grep -q "^\.TH .*\"$(date -u -d "@$epoch" +%Y-%m-%d)\"" ||
    fail "the man page is not dated $(date -u -d "@$epoch" +%Y-%m-%d)"
for file in usr/share/doc/zql52/copyright usr/share/doc/zql52/changelog.gz usr/share/doc-base/zql52; do
    grep -qx "$file" "$work/files" || fail "the package lacks $file"
done

if ((failures > 0)); then
    exit 1
fi
echo "package: every check passed"
