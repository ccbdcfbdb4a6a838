#!/usr/bin/env bash
# Installs the build into a scratch root, as a package would, and checks what a desktop, man and bash
# make of the installed files.
#   install_test.sh BUILD_DIR VERSION
set -euo pipefail
build=$1
version=$2

work=$(mktemp -d "${TMPDIR:-/tmp}/zq-install-XXXXXX")
trap 'rm -rf "$work"' EXIT
root=$work/root
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

DESTDIR=$root cmake --install "$build" --prefix /usr >"$work/install.log"
usr=$root/usr
share=$usr/share

# The file list, exactly: a file that goes missing or appears unplanned shows here.
expected=(
    bin/zql52
    bin/zql52-cli
    share/applications/zql52.desktop
    share/bash-completion/completions/zql52
    share/bash-completion/completions/zql52-cli
    share/doc-base/zql52
    share/doc/zql52/changelog.gz
    share/doc/zql52/copyright
    share/doc/zql52/manual/index.html
    share/lintian/overrides/zql52
    share/man/man1/zql52-cli.1.gz
    share/man/man1/zql52.1.gz
    share/metainfo/com.velk.zql52.metainfo.xml
    share/mime/packages/zql52.xml
    share/icons/hicolor/scalable/apps/zql52.svg
)
sizes=(16 22 24 32 48 64 128 256)
for size in "${sizes[@]}"; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/zql52.png")
done
if ! diff -u <(printf '%s\n' "${expected[@]}" | sort) <(cd "$usr" && find . ! -type d | sed 's|^\./||' | sort); then
    fail "installed files differ from the list (- expected, + installed)"
fi

for size in "${sizes[@]}"; do
    file "$share/icons/hicolor/${size}x${size}/apps/zql52.png" | grep -q "PNG image data, $size x $size," ||
        fail "icon ${size}x${size} is not a PNG of that size"
done
xmllint --noout "$share/icons/hicolor/scalable/apps/zql52.svg" || fail "the SVG icon is not well-formed"

# The programs carry no compiler notes.
for program in zql52 zql52-cli; do
    if readelf -S "$usr/bin/$program" | grep -q '\.comment'; then
        fail "$program has a .comment section"
    fi
done

# The licence, the changelog and the manual's documentation entry, as Debian reads them.
grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' "$share/doc/zql52/copyright" ||
    fail "the copyright file is not machine-readable"
grep -qx 'License: GPL-3+' "$share/doc/zql52/copyright" || fail "the copyright file does not name GPL-3+"
zcat "$share/doc/zql52/changelog.gz" >"$work/changelog"
[ "$(dpkg-parsechangelog -l "$work/changelog" -S Version)" = "$version" ] ||
    fail "the newest changelog entry is not $version"
index=$(sed -n 's/^Index: //p' "$share/doc-base/zql52")
[ -f "$root$index" ] || fail "doc-base names $index, which is not installed"

# Both programs give the project's version, without a display.
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$usr/bin/zql52" --version)" = "zql52 $version" ] ||
    fail "zql52 --version does not print $version"
[ "$("$usr/bin/zql52-cli" --version)" = "zql52-cli $version" ] || fail "zql52-cli --version does not print $version"

# Desktop entry: valid, and naming what is installed.
desktop=$share/applications/zql52.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate"
field() { sed -n "s/^$1=//p" "$desktop"; }
[ -x "$usr/bin/$(field Exec | cut -d' ' -f1)" ] || fail "the desktop entry's Exec is not installed"
[ -e "$share/icons/hicolor/scalable/apps/$(field Icon).svg" ] || fail "the desktop entry's Icon is not installed"
mime_type=$(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' "$share/mime/packages/zql52.xml")
[ "$(field MimeType)" = "$mime_type;" ] || fail "the desktop entry's MimeType is not the installed type $mime_type"

# AppStream: valid, and its newest release is this version.
metainfo=$share/metainfo/com.velk.zql52.metainfo.xml
appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" || {
    cat "$work/appstream.log" >&2
    fail "appstreamcli validate"
}
[ "$(xmllint --xpath 'string(/component/project_license)' "$metainfo")" = GPL-3.0-or-later ] ||
    fail "the metainfo does not give the licence GPL-3.0-or-later"
newest=$(xmllint --xpath 'string(/component/releases/release[1]/@version)' "$metainfo")
[ "$newest" = "$version" ] || fail "the newest release in the metainfo is $newest, not $version"
for binary in $(xmllint --xpath '/component/provides/binary/text()' "$metainfo"); do
    [ -x "$usr/bin/$binary" ] || fail "the metainfo provides $binary, which is not installed"
done

# The program's languages besides English: the menu and the software centre give its name and purpose in
# each.
for lang in de ja; do
    for key in Name GenericName Comment; do
        [ -n "$(grep -F "$key[$lang]=" "$desktop" | cut -d= -f2-)" ] || fail "the desktop entry has no $key[$lang]"
    done
    for element in name summary; do
        [ -n "$(xmllint --xpath "string(/component/$element[@xml:lang='$lang'])" "$metainfo")" ] ||
            fail "the metainfo has no $element in $lang"
    done
done

# MIME type: a file the CLI saves is recognised by its name and, without the extension, by its first
# line.
xmllint --noout "$share/mime/packages/zql52.xml" || fail "xmllint of the MIME type"
mkdir -p "$work/mime/mime/packages"
cp /usr/share/mime/packages/freedesktop.org.xml "$share/mime/packages/zql52.xml" "$work/mime/mime/packages/"
XDG_DATA_DIRS=$work/mime update-mime-database "$work/mime/mime" || fail "update-mime-database"
export XDG_CONFIG_HOME=$work/config
"$usr/bin/zql52-cli" exec --profile 5,0,0 --save "$work/radio.vlk" >/dev/null
cp "$work/radio.vlk" "$work/radio-without-extension"
for sample in radio.vlk radio-without-extension; do
    detected=$(XDG_DATA_DIRS=$work/mime XDG_DATA_HOME=$work/none gio info -a standard::content-type \
        "$work/$sample" | sed -n 's/.*standard::content-type: //p')
    [ "$detected" = "$mime_type" ] || fail "$sample is detected as '$detected', not $mime_type"
done

# Man pages: they render without warnings and tell how to join the dialout group.
for page in zql52 zql52-cli; do
    gz=$share/man/man1/$page.1.gz
    gzip -t "$gz" || fail "$page.1.gz is not gzip data"
    MANWIDTH=80 man --warnings -l "$gz" >"$work/$page.txt" 2>"$work/$page.warnings" || fail "man -l $page"
    [ ! -s "$work/$page.warnings" ] || {
        cat "$work/$page.warnings" >&2
        fail "man warns about $page"
    }
    grep -q "^NAME" "$work/$page.txt" || fail "$page(1) has no NAME section"
    grep -q "sudo usermod -aG dialout \$USER" "$work/$page.txt" || fail "$page(1) does not name the dialout command"
    [ "$(head -c 64 "$work/$page.txt" | cut -d' ' -f1)" = "$page(1)" ] || fail "$page(1) has another title"
done
grep -q "ZQ-L52 $version" "$work/zql52-cli.txt" || fail "zql52-cli(1) does not carry the version"

# The man page and the completion know every subcommand and option that --help lists.
help=$("$usr/bin/zql52-cli" --help 2>&1 || true)
completion=$share/bash-completion/completions/zql52-cli
for subcommand in $(sed -n 's/^  \([a-z][a-z]*\) .*/\1/p' <<<"$help"); do
    grep -q "zql52-cli $subcommand " "$work/zql52-cli.txt" || fail "zql52-cli(1) lacks the subcommand $subcommand"
    grep -qw -- "$subcommand" "$completion" || fail "the completion lacks the subcommand $subcommand"
done
for option in $(grep -o -- '--[a-z][a-z-]*' <<<"$help" | sort -u); do
    grep -q -- "$option" "$work/zql52-cli.txt" || fail "zql52-cli(1) lacks the option $option"
    grep -q -- "$option" "$completion" || fail "the completion lacks the option $option"
done

# Completion: the scripts load under bash-completion and complete subcommands, options and ports.
complete_line() {
    bash -c '
        source /usr/share/bash-completion/bash_completion
        source "$1"
        COMP_LINE=$2
        COMP_POINT=${#COMP_LINE}
        read -ra COMP_WORDS <<<"$COMP_LINE"
        [[ $COMP_LINE == *" " ]] && COMP_WORDS+=("")
        COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
        "$(complete -p "${COMP_WORDS[0]}" | sed "s/.*-F \([^ ]*\) .*/\1/")" "${COMP_WORDS[0]}" \
            "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
        printf "%s\n" "${COMPREPLY[@]}" | sort | tr "\n" " "
    ' complete "$1" "$2"
}
check_completion() {
    local got
    got=$(cd "$work" && complete_line "$1" "$2")
    [ "$got" = "$3" ] || fail "completing '$2' gives '$got', not '$3'"
}
cli_completion=$share/bash-completion/completions/zql52-cli
check_completion "$cli_completion" "zql52-cli ex" "exec export "
check_completion "$cli_completion" "zql52-cli write --s" "--strict "
check_completion "$cli_completion" "zql52-cli read --port COM" "COM1 COM2 COM3 COM4 "
check_completion "$cli_completion" "zql52-cli sort --by " "frequency name tone "
check_completion "$cli_completion" "zql52-cli show rad" "radio.vlk "
check_completion "$cli_completion" "zql52-cli archive " "list path "
check_completion "$share/bash-completion/completions/zql52" "zql52 --v" "--version "

# Each subcommand's own --help (one that succeeds; a usage error prints the general text): the
# completion offers every option it names, and the man page has it.
for subcommand in $(sed -n 's/^  \([a-z][a-z]*\) .*/\1/p' <<<"$help"); do
    sub_help=$(timeout 20 "$usr/bin/zql52-cli" "$subcommand" --help </dev/null 2>&1) || continue
    offered=" $(cd "$work" && complete_line "$cli_completion" "zql52-cli $subcommand --")"
    for option in $(grep -o -- '--[a-z][a-z-]*' <<<"$sub_help" | sort -u); do
        [[ $offered == *" $option "* ]] || fail "completing '$subcommand --' does not offer $option"
        grep -q -- "$option" "$work/zql52-cli.txt" || fail "zql52-cli(1) lacks the option $option of $subcommand"
    done
done

if ((failures > 0)); then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "install: every check passed"
