#!/bin/sh
# Runs every fuzz target of the fuzzing build for SECONDS seconds each, over
# its seed corpus, and fails on the first finding. What a target finds new
# goes into a scratch folder; an input that crashes it is kept under
# BUILD/findings/ with the target's name.
#
#   scripts/run-fuzzers.sh BUILD SECONDS
set -eu

build=$1
seconds=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$build/findings"

# target  seed folders under tests/data  extra libFuzzer options
targets="
data_file_fuzzer       rvd                         -max_len=20000
profile_text_fuzzer    ini                         -
paste_text_fuzzer      paste                       -
text_import_fuzzer     import,csv,import_corpus    -
text_encoding_fuzzer   import_corpus               -
field_number_fuzzer    fields                      -
"

echo "$targets" | while read -r target seeds extra; do
  [ -n "$target" ] || continue
  mkdir -p "$scratch/$target"
  folders=""
  for seed in $(echo "$seeds" | tr ',' ' '); do folders="$folders tests/data/$seed"; done
  [ "$extra" = "-" ] && extra=""
  echo "fuzzing $target for $seconds s"
  # shellcheck disable=SC2086
  if ! "$build/$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
      -artifact_prefix="$build/findings/$target-" $extra "$scratch/$target" $folders \
      > "$scratch/$target.log" 2>&1; then
    tail -n 40 "$scratch/$target.log"
    echo "$target found a fault; the input is in $build/findings/" >&2
    exit 1
  fi
  grep -E '^stat::number_of_executed_units' "$scratch/$target.log" | sed "s/^/$target: /"
done
