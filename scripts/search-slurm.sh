#!/bin/sh
# Searches DATA on a Slurm cluster, one array task per shard, and merges the
# parts into RESULT once every task has succeeded; see --help.
set -eu
script=search-slurm.sh
usage="usage: $script DATA RESULT.json [SEARCH OPTIONS...]

Submits a job array of SHARDS tasks, each running
  regrovantis-cli search DATA SEARCH OPTIONS --shard K/SHARDS --json
on CPUS_PER_TASK cores, and a merge job that runs once all of them have
succeeded and writes RESULT, the JSON document that one search writes. A task
that fails cancels the merge job (--kill-on-invalid-dep=yes). The script then
waits: it ends with status 0 once RESULT is written, or with status 1 and the
failing shard's message as soon as one fails, cancelling the other tasks.

A copy of DATA, the parts and the logs go into a new folder beside RESULT,
removed after the merge: RESULT's folder and the tool must lie on a file
system that every node shares (your home or a scratch space, not /tmp).

Environment:
  REGROVANTIS_CLI  the tool by an absolute path that every node reaches
                   (default: regrovantis-cli on this PATH)
  SHARDS           the number of tasks (default 64)
  CPUS_PER_TASK    cores per task, and the search's --threads (default 1);
                   at most the cores of one node
  WAIT             no: submit, print the job ids and return at once
  POLL             seconds between looks at the queue (default 10)
sbatch reads its own variables as usual: SBATCH_PARTITION, SBATCH_ACCOUNT,
SBATCH_TIMELIMIT and the others."
. "$(dirname "$0")/search-shards.sh"
read_arguments "$@"

cpus=${CPUS_PER_TASK:-1}
case $cpus in
  '' | *[!0-9]* | 0*) fail "CPUS_PER_TASK must be a whole number from 1, not '$cpus'" ;;
esac
poll=${POLL:-10}
for command in sbatch squeue scontrol scancel; do
  command -v "$command" > /dev/null || fail "$command is missing: this is not a Slurm submit host"
done

# A task that asks for more than a node has would be accepted and then pend
# for ever: ask Slurm first whether it could run the array at all.
array_request="--array=1-$shards --cpus-per-task=$cpus --job-name=regrovantis-search"
# shellcheck disable=SC2086
if ! answer=$(sbatch --test-only $array_request --wrap true 2>&1); then
  fail "Slurm would not run $shards tasks of $cpus cores each (CPUS_PER_TASK, SHARDS): $answer"
fi

parts=$(mktemp -d "$result.parts.XXXXXX")
cp "$data" "$parts/"
data_copy="$parts/$(basename "$data")"

task="exec $(quote "$tool") search $(quote "$data_copy")$search_options --threads $cpus --quiet --json"
task="$task --shard \"\$SLURM_ARRAY_TASK_ID/$shards\" > $(quote "$parts")/part-\"\$SLURM_ARRAY_TASK_ID\".json"
# shellcheck disable=SC2086
array=$(sbatch --parsable $array_request --output="$parts/part-%a.log" --wrap "$task") || {
  rm -rf "$parts"
  fail "sbatch did not take the job array"
}
array=${array%%;*}

# The merge waits for each task by name, so the first that fails ends it at
# once instead of after the whole array. It writes RESULT by a rename, so a
# failed merge leaves no empty or partial file behind.
dependency="afterok"
shard=1
while [ "$shard" -le "$shards" ]; do
  dependency="$dependency:${array}_$shard"
  shard=$((shard + 1))
done
partial="$(quote "$result").\$SLURM_JOB_ID.partial"
merge="$(quote "$tool") merge $(quote "$parts")/part-*.json > $partial && mv -f $partial $(quote "$result")"
merge="$merge || { status=\$?; rm -f $partial; exit \$status; }"
merge_job=$(sbatch --parsable --job-name=regrovantis-merge --dependency="$dependency" --kill-on-invalid-dep=yes \
  --output="$parts/merge.log" --wrap "$merge") || {
  scancel "$array"
  rm -rf "$parts"
  fail "sbatch did not take the merge job, so the job array $array was cancelled"
}
merge_job=${merge_job%%;*}

echo "$script: job array $array ($shards shards), merge job $merge_job; parts and logs in $parts" >&2
if [ "${WAIT:-yes}" = no ]; then
  echo "$script: RESULT appears as $result; if it does not, part-K.log and merge.log there say why" >&2
  exit 0
fi
trap 'echo "$script: stopped waiting; jobs $array and $merge_job go on (scancel $array $merge_job ends them)" >&2; exit 130' INT TERM

# A job's state; nothing once Slurm has forgotten the job, UNREACHABLE while
# the controller does not answer (the jobs go on, and so does the waiting).
state() {
  if answer=$(scontrol -o show job "$1" 2>&1); then
    printf '%s\n' "$answer" | sed -n 's/.* JobState=\([A-Z_]*\) .*/\1/p'
  else
    case $answer in
      *"Invalid job id"*) ;;
      *) echo UNREACHABLE ;;
    esac
  fi
}

# The failed tasks, one "K STATE" a line, while Slurm still keeps them.
failed_tasks() {
  scontrol -o show job "$array" 2> /dev/null |
    sed -n 's/.* ArrayTaskId=\([0-9]*\) .* JobState=\([A-Z_]*\) .*/\1 \2/p' |
    grep -E ' (BOOT_FAIL|CANCELLED|DEADLINE|FAILED|NODE_FAIL|OUT_OF_MEMORY|TIMEOUT)$' || true
}

# Until the merge job has ended, or a task has failed.
while :; do
  merge_state=$(state "$merge_job")
  failed=$(failed_tasks)
  case $merge_state in
    '' | BOOT_FAIL | CANCELLED | COMPLETED | DEADLINE | FAILED | NODE_FAIL | OUT_OF_MEMORY | PREEMPTED | TIMEOUT) break ;;
  esac
  [ -z "$failed" ] || break
  sleep "$poll"
done

if [ "$merge_state" = COMPLETED ] || { [ -z "$merge_state" ] && [ -n "$(find "$result" -newer "$data_copy" 2> /dev/null)" ]; }; then
  rm -rf "$parts"
  echo "$script: merged $shards shards into $result" >&2
  exit 0
fi

scancel "$array" "$merge_job" 2> /dev/null || true
if [ -n "$failed" ]; then
  echo "$failed" | while read -r shard how; do
    echo "$script: shard $shard/$shards failed ($how):" >&2
    sed 's/^/  /' "$parts/part-$shard.log" >&2
  done
  fail "nothing was merged; $result was not written. The logs stay in $parts"
fi
echo "$script: the merge job ended ${merge_state:-unknown to Slurm by now}:" >&2
sed 's/^/  /' "$parts/merge.log" >&2 2> /dev/null || true
fail "$result was not written. The parts and logs stay in $parts"
