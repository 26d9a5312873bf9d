#!/bin/sh
# A machine that only searches gets regrovantis-cli and nothing else: it
# links no Qt, X or OpenGL library, searches there, and its graph command
# says that it needs regrovantis-graph instead of failing obscurely.
#
#   search_tool_test.sh REGROVANTIS_CLI SOURCE_DIR
set -eu
tool=$1 source=$2

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

desktop=$(ldd "$tool" | grep -E 'lib(Qt|X|xcb|GL|EGL|OpenGL|fontconfig|freetype)' || true)
[ -z "$desktop" ] || fail "regrovantis-cli links desktop libraries:
$desktop"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$tool" "$work/regrovantis-cli"
"$work/regrovantis-cli" search "$source/examples/ideal_gas.csv" --max-terms 3 --top 1 --quiet > "$work/best.txt" ||
  fail "the tool alone does not search"
[ "$(cut -f 2 "$work/best.txt")" = 78 ] || fail "the tool alone found: $(cat "$work/best.txt")"

status=0
"$work/regrovantis-cli" graph "$source/examples/ideal_gas.csv" --vars X1 --data > /dev/null 2> "$work/graph.err" || status=$?
[ "$status" -eq 1 ] || fail "graph without regrovantis-graph exited with $status"
grep -q "^regrovantis-cli: graph draws through regrovantis-graph, which is not installed here" "$work/graph.err" ||
  fail "graph without regrovantis-graph said: $(cat "$work/graph.err")"
"$work/regrovantis-cli" graph --help | grep -q '^usage: regrovantis-cli graph' || fail "graph --help needs regrovantis-graph"
echo "regrovantis-cli needs no desktop library"
