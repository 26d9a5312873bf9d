#!/bin/sh
# Installs the build into a fresh prefix, whose path holds a blank, and checks
# what the desktop reads from it.
#
#   install_test.sh CMAKE BUILD_DIR SOURCE_DIR MIME_TYPE_OF [PYTHON...]
#
# With PYTHON, the command that starts the interpreter the Python module is
# built for (with the environment a sanitizer build needs before it), the
# module must import from the prefix's site-packages and search there.
set -eu
cmake=$1 build=$2 source=$3 mime_type_of=$4
shift 4

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/pre fix"
data_type=application/x-regrovantis-data

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

for tool in desktop-file-validate xmllint update-mime-database update-desktop-database; do
  command -v "$tool" > /dev/null || fail "$tool is missing: run scripts/install-deps.sh"
done

"$cmake" --install "$build" --prefix "$prefix" > "$work/install.log" 2>&1 || {
  cat "$work/install.log" >&2
  fail "cmake --install"
}

# The programs, the help file where the installed program looks for it, and
# the icon at every size, as a PNG of that size.
for program in bin/regrovantis bin/regrovantis-cli libexec/regrovantis/regrovantis-graph; do
  [ -f "$prefix/$program" ] && [ -x "$prefix/$program" ] || fail "$program is not installed"
done
cmp -s "$source/res/Regrovantis.hlp" "$prefix/share/regrovantis/Regrovantis.hlp" ||
  fail "share/regrovantis/Regrovantis.hlp is not the help file"
cmp -s "$source/res/pictures/Regrovantis.svg" "$prefix/share/icons/hicolor/scalable/apps/regrovantis.svg" ||
  fail "the scalable icon is not the program's picture"
png_size() {
  # The width and height of a PNG: big-endian words at bytes 16 and 20 of its header.
  od -A n -t u1 -j 16 -N 8 "$1" | awk '{ printf "%dx%d", $1 * 16777216 + $2 * 65536 + $3 * 256 + $4, $5 * 16777216 + $6 * 65536 + $7 * 256 + $8 }'
}
for size in 16 24 32 48 64 128 256; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/regrovantis.png"
  [ -f "$icon" ] || fail "no ${size}x${size} icon"
  [ "$(od -A n -t x1 -N 8 "$icon" | tr -d ' ')" = 89504e470d0a1a0a ] || fail "the ${size}x${size} icon is not a PNG"
  [ "$(png_size "$icon")" = "${size}x${size}" ] || fail "the ${size}x${size} icon measures $(png_size "$icon")"
done

# The desktop entry: valid without an error or a warning, starting the
# installed program by its absolute path, quoted for the blank. The one hint
# allowed is that Education and Science are both main categories: menus that
# sort by them file the program under Education's science and mathematics.
entry="$prefix/share/applications/regrovantis.desktop"
[ -f "$entry" ] || fail "no desktop entry"
remarks=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate: $remarks"
unexpected=$(printf '%s\n' "$remarks" | grep -v 'hint: value "Education;Science;Math;" for key "Categories"' | grep . || true)
[ -z "$unexpected" ] || fail "desktop-file-validate: $remarks"
grep -qxF "Exec=\"$prefix/bin/regrovantis\" %f" "$entry" || fail "Exec does not start the installed program: $(grep '^Exec=' "$entry")"
grep -qxF "MimeType=$data_type;" "$entry" || fail "the entry does not open data files"
grep -q "^$data_type=.*regrovantis.desktop" "$prefix/share/applications/mimeinfo.cache" ||
  fail "the installation did not register the entry for data files"

# The MIME type: well-formed, and read by update-mime-database without a
# complaint (it names a magic match whose type, offset or value it cannot
# read, and a glob or type it cannot use; it exits 0 either way). Debian ships
# no schema of the format: what it means is checked below, where the desktop
# recognises data files.
package="$prefix/share/mime/packages/regrovantis.xml"
xmllint --noout "$package" || fail "the MIME type is not well-formed XML"
complaints=$(XDG_DATA_HOME="$prefix/share" update-mime-database "$prefix/share/mime" 2>&1) || fail "update-mime-database: $complaints"
[ -z "$complaints" ] || fail "update-mime-database: $complaints"

# The installed command-line tool runs, draws through the graph tool it finds
# where it was installed, and writes a data file that the desktop knows by its
# name and, renamed, by its magic number.
"$prefix/bin/regrovantis-cli" count --vars 2 > "$work/count.txt" || fail "the installed regrovantis-cli does not run"
grep -q '^Total: [0-9][0-9]*$' "$work/count.txt" || fail "count printed: $(cat "$work/count.txt")"
"$prefix/bin/regrovantis-cli" convert "$source/examples/ideal_gas.csv" "$work/gas.rvd" || fail "convert"
"$prefix/bin/regrovantis-cli" graph "$work/gas.rvd" --ordinal 43068 --vars X1 --out "$work/gas.png" ||
  fail "the installed regrovantis-cli does not draw through regrovantis-graph"
[ "$(od -A n -t x1 -N 8 "$work/gas.png" | tr -d ' ')" = 89504e470d0a1a0a ] || fail "graph --out wrote no PNG"
cp "$work/gas.rvd" "$work/gas"
type_of() {
  XDG_DATA_HOME="$prefix/share" XDG_DATA_DIRS=/usr/share "$mime_type_of" "$1" "$2"
}
[ "$(type_of name "$work/gas.rvd")" = $data_type ] || fail "a .rvd file is $(type_of name "$work/gas.rvd")"
[ "$(type_of content "$work/gas")" = $data_type ] || fail "a data file without its extension is $(type_of content "$work/gas")"
[ "$(type_of content "$source/examples/ideal_gas.csv")" != $data_type ] || fail "a CSV file is taken for a data file"

if [ $# -gt 0 ]; then
  site=$(echo "$prefix"/lib/python3*/site-packages)
  [ -f "$site/regrovantis/__init__.py" ] || fail "the Python module is not installed in lib/python3.X/site-packages"
  PYTHONPATH="$site" "$@" -c "
import regrovantis
assert regrovantis.__file__.startswith('$site'), regrovantis.__file__
frame = regrovantis.read_rvd('$work/gas.rvd')
assert regrovantis.search(frame, top=1)[0].ordinal == 43068" || fail "the installed Python module does not search"
fi

echo "installed and checked in $prefix"
