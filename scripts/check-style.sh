#!/bin/sh
# Checks the C++ files changed since a base revision (default HEAD~1, the
# first parent) against .clang-format and .clang-tidy, so a change is held to
# the style without asking the rest of the tree to be reformatted with it.
# clang-tidy reads the compile commands of the build folder ($BUILD, default
# build-style), configured with -DCMAKE_EXPORT_COMPILE_COMMANDS=ON and
# -DCMAKE_DISABLE_PRECOMPILE_HEADERS=ON (`make check-style` does both).
# Usage: scripts/check-style.sh [base]
set -eu
cd "$(dirname "$0")/.."

base="${1:-HEAD~1}"
build="${BUILD:-build-style}"

# A shallow clone may lack the base: fetch one more commit of history.
if ! git rev-parse --quiet --verify "$base^{commit}" > /dev/null; then
  if [ "$(git rev-parse --is-shallow-repository)" = true ]; then
    git fetch --quiet --deepen=1
  fi
  git rev-parse --quiet --verify "$base^{commit}" > /dev/null || {
    echo "check-style: no revision $base" >&2
    exit 2
  }
fi

changed=$(git diff --name-only --diff-filter=ACMR "$base" -- '*.cpp' '*.h')
[ -z "$changed" ] && exit 0

failed=0
for f in $changed; do
  clang-format --dry-run --Werror "$f" || failed=1
done

commands="$build/compile_commands.json"
if echo "$changed" | grep -q '\.cpp$' && [ ! -f "$commands" ]; then
  echo "check-style: no $commands: run make check-style" >&2
  exit 2
fi
for f in $changed; do
  case "$f" in *.cpp) ;; *) continue ;; esac
  # A file of a part this build leaves out (a fuzz target, say) has no
  # compile command, and clang-tidy would only guess its flags.
  if ! grep -q "\"file\": \"$PWD/$f\"" "$commands"; then
    echo "check-style: $f is not in $commands, not tidied"
    continue
  fi
  clang-tidy -p "$build" --quiet --warnings-as-errors='*' "$f" 2> /dev/null || failed=1
done

exit $failed
