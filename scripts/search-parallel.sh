#!/bin/sh
# Searches DATA on the machines nodes.txt names with GNU parallel, one job per
# shard, and merges the parts into RESULT once every job has succeeded; see
# --help.
set -eu
script=search-parallel.sh
usage="usage: $script DATA RESULT.json [SEARCH OPTIONS...]

Runs, with GNU parallel, one job per shard K of SHARDS on the machines that
NODES names, one job per core and one thread per job:
  regrovantis-cli search DATA SEARCH OPTIONS --threads 1 --shard K/SHARDS --json
then merges the parts into RESULT, the JSON document that one search writes.
The first job that fails stops the others; the script then ends with status 1
and the shard's message, merges nothing and leaves RESULT as it was.

NODES (default nodes.txt) holds one machine a line, as GNU parallel's
--sshloginfile reads it: [CORES/][USER@]HOST, or : for this machine. ssh must
reach each without a password (keys). Each needs rsync, which copies DATA
there and the parts back, and the tool at the same absolute path.

Environment:
  REGROVANTIS_CLI  the tool by an absolute path that every machine has
                   (default: regrovantis-cli on this PATH)
  SHARDS           the number of jobs (default 64)
  NODES            the file of machines (default nodes.txt)"
. "$(dirname "$0")/search-shards.sh"
read_arguments "$@"

nodes=$(absolute "${NODES:-nodes.txt}")
[ -f "$nodes" ] || fail "no $nodes: name the machines there, one a line (see --help), or set NODES"
for command in parallel rsync; do
  command -v "$command" > /dev/null || fail "$command is missing here: install GNU parallel and rsync"
done

# Before any job: every machine answers, has rsync and runs the tool.
check="command -v rsync > /dev/null || echo 'rsync is missing'; $(quote "$tool") --version > /dev/null 2>&1 ||"
check="$check echo $(quote "$tool does not run there")"
problems=$(parallel --nonall --tag --sshloginfile "$nodes" "$check" 2>&1) ||
  fail "cannot run a command on every machine of $nodes: $problems"
[ -z "$problems" ] || fail "not every machine of $nodes is ready:
$problems"

# The work folder's name is the same here and, under the login folder, on
# every other machine, where parallel copies the data and runs the jobs.
work=$(mktemp -d "${TMPDIR:-/tmp}/regrovantis-search.XXXXXX")
name=$(basename "$work")
cd "$(dirname "$work")"
remove_work() {
  rm -rf "$name"
  parallel --nonall --sshloginfile "$nodes" "rm -rf $(quote "$name")" > /dev/null 2>&1 || true
}
trap remove_work EXIT
trap 'exit 130' INT TERM
cp "$data" "$name/"
data_copy="$name/$(basename "$data")"

# A job's messages (the rows that take no part, say) are shown once, from
# the first shard; a failing job shows its own.
part="$name/part-{}"
job="$(quote "$tool") search $(quote "$data_copy")$search_options --threads 1 --quiet --json --shard {}/$shards"
job="$job > $part.json 2> $part.log || { status=\$?; cat $part.log >&2; exit \$status; }"
# Copies go only to other machines; this one (:) works in the folder itself.
set --
if grep -v -E '^[[:space:]]*(#.*|([0-9]+/)?:)?[[:space:]]*$' "$nodes" > /dev/null; then
  set -- --basefile "$data_copy" --return "$part.json" --return "$part.log" --cleanup
fi
if ! seq 1 "$shards" | parallel --sshloginfile "$nodes" "$@" --halt now,fail=1 --tagstring "shard {}/$shards:" "$job"; then
  fail "a shard failed (its message is above): nothing was merged, and $result was not written"
fi
cat "$name/part-1.log" >&2

partial="$result.$$.partial"
if ! "$tool" merge "$name"/part-*.json > "$partial"; then
  rm -f "$partial"
  fail "the merge failed: $result was not written"
fi
mv -f "$partial" "$result"
echo "$script: merged $shards shards into $result" >&2
