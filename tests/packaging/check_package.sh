#!/bin/sh
# Builds the Debian package into a scratch directory and checks what it installs, that the
# installed desktop entry and metainfo hold together, and what the package depends on.
#   check_package.sh BUILD/CPackConfig.cmake APP_ID
set -eu
config=$1
id=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

if ! cpack -G DEB --config "$config" -B "$work" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log" >&2
    fail "cpack could not build the package"
fi
set -- "$work"/trevisk_*.deb
[ $# -eq 1 ] && [ -f "$1" ] || fail "expected one trevisk_*.deb, found: $*"
deb=$1
echo "built $(basename "$deb")"

# Only the program and its four desktop files; no tools, tests or benchmarks.
listing=$(dpkg-deb -c "$deb")
files=$(echo "$listing" | awk '$1 !~ /^d/ { print $6 }' | sort)
expected="./usr/bin/trevisk
./usr/share/applications/$id.desktop
./usr/share/icons/hicolor/scalable/apps/$id.svg
./usr/share/metainfo/$id.metainfo.xml
./usr/share/mime/packages/$id.xml"
[ "$files" = "$expected" ] || fail "package files are
$files
expected
$expected"
echo "$listing" | grep -q '^-rwxr-xr-x root/root .* \./usr/bin/trevisk$' ||
    fail "usr/bin/trevisk is not an executable owned by root"

# The installed files refer to each other by the names they are installed under.
root=$work/root
dpkg-deb -x "$deb" "$root"
desktop=$root/usr/share/applications/$id.desktop
exec=$(sed -n 's/^Exec=//p' "$desktop")
icon=$(sed -n 's/^Icon=//p' "$desktop")
[ -x "$root/usr/bin/${exec%% *}" ] || fail "Exec=$exec is not the installed program"
[ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] ||
    fail "Icon=$icon is not the installed icon"
desktop-file-validate "$desktop" || fail "the installed desktop entry does not validate"
appstreamcli validate-tree --no-net --strict "$root" ||
    fail "the installed metainfo does not validate with its desktop entry"

# The file manager opens assignments and results with the program: the package's MIME types
# are the desktop entry's, and a file of each kind is recognised as one by its name and by
# its first bytes alone.
mime=$root/usr/share/mime
types=$(sed -n 's/^MimeType=//p' "$desktop" | tr ';' '\n' | grep . | sort)
declared=$(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' "$mime/packages/$id.xml" | sort)
[ "$types" = "$declared" ] || fail "MimeType=$types is not what the package declares: $declared"
grep -q '%[fF]' "$desktop" || fail "the desktop entry's Exec takes no files"
update-mime-database "$mime" >/dev/null 2>&1 || fail "update-mime-database refuses the MIME types"
printf '{"format": "trevisk-assignment", "version": 1}\n' >"$work/a.trevisk"
printf '{"format": "trevisk-assignment", "version": 1}\n' >"$work/no-ending"
printf '{"format": "trevisk-result", "version": 1}\n' >"$work/r.trevisk-result"
for pair in "a.trevisk application/x-trevisk-assignment" "no-ending application/x-trevisk-assignment" \
    "r.trevisk-result application/x-trevisk-result"; do
    set -- $pair
    found=$(XDG_DATA_DIRS=$root/usr/share:/usr/share XDG_DATA_HOME=$work/none \
        gio info -a standard::content-type "$work/$1" 2>/dev/null | sed -n 's/.*content-type: //p')
    [ "$found" = "$2" ] || fail "$1 is recognised as '$found', not $2"
done

# The Qt libraries, their platform plugins and the Japanese font come with the package.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for package in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins fonts-ipafont-gothic; do
    echo "$depends" | tr ',' '\n' | sed 's/^ *//' | grep -q "^$package\( \|$\)" ||
        fail "Depends lacks $package"
done
echo "package contents and dependencies are right"
