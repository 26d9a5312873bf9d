# What the tests of the search recipes share: read with `.` after setting
# tool (regrovantis-cli), source (the source folder) and work (a fresh
# folder the test removes). Each recipe must give one search's JSON byte for
# byte, and stop with the failing shard's message, leaving no result.

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

data="$source/examples/ideal_gas.csv"
options="--max-terms 6"

# A TCP port on which nothing listens here, for a daemon of the test's own.
free_port() {
  while :; do
    port=$(($(od -A n -N 2 -t u2 /dev/urandom) % 20000 + 30000))
    grep -q "$(printf ':%04X ' "$port")" /proc/net/tcp /proc/net/tcp6 2> /dev/null || break
  done
  echo "$port"
}

# The search as one run, the yardstick of the merged parts.
# shellcheck disable=SC2086
"$tool" search "$data" $options --json --quiet > "$work/one.json" || fail "the single search failed"

# failing_tool NAME PATTERN MESSAGE: a tool that fails with MESSAGE when
# its words match the case PATTERN and does the work otherwise, so that the
# other shards are still at work when one fails.
failing_tool() {
  cat > "$work/$1" << TOOL
#!/bin/sh
case " \$* " in
  $2) echo "regrovantis-cli: $3" >&2; exit 1 ;;
esac
exec "$tool" "\$@"
TOOL
  chmod +x "$work/$1"
  echo "$work/$1"
}
failing_shard=$(failing_tool failing-shard '*" --shard 2/"*' "shard 2 cannot read its data")
failing_merge=$(failing_tool failing-merge '" merge "*' "the parts do not fit together")

# RUN... runs a recipe into $work/result.json and checks that it matches;
# merged_in is the seconds it took.
check_merged_result() {
  started=$(date +%s)
  "$@" "$data" "$work/result.json" $options 2> "$work/recipe.err" || fail "the recipe failed: $(cat "$work/recipe.err")"
  cmp -s "$work/one.json" "$work/result.json" || fail "the merged parts differ from one search"
  merged_in=$(($(date +%s) - started))
}

# LIMIT TOOL MESSAGE RUN... runs a recipe with a failing tool, within LIMIT
# seconds: it must end with status 1 and the tool's MESSAGE, and leave the
# old result alone; stopped_in is the seconds it took.
check_failure() {
  limit=$1 failing=$2 message=$3
  shift 3
  echo "the result of an earlier search" > "$work/kept.json"
  started=$(date +%s)
  status=0
  REGROVANTIS_CLI=$failing timeout "$limit" "$@" "$data" "$work/kept.json" $options 2> "$work/failing.err" ||
    status=$?
  stopped_in=$(($(date +%s) - started))
  [ "$status" -ne 124 ] || fail "the recipe still waited after $limit s: $(cat "$work/failing.err")"
  [ "$status" -eq 1 ] || fail "a failure ended the recipe with status $status: $(cat "$work/failing.err")"
  grep -q "$message" "$work/failing.err" || fail "the message '$message' is missing: $(cat "$work/failing.err")"
  [ "$(cat "$work/kept.json")" = "the result of an earlier search" ] || fail "a failed recipe changed the result"
  ! ls "$work"/kept.json*.partial > /dev/null 2>&1 || fail "a failed recipe left $(ls "$work"/kept.json*.partial)"
}
