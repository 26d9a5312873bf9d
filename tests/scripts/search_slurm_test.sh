#!/bin/sh
# Runs scripts/search-slurm.sh on a Slurm cluster of this one machine, which
# the test starts (munged, slurmctld, slurmd, on ports of its own, without
# accounting) and stops again, whatever happens.
#
#   search_slurm_test.sh REGROVANTIS_CLI SOURCE_DIR
set -eu
tool=$1 source=$2
recipe="$source/scripts/search-slurm.sh"

for daemon in munged slurmctld slurmd sbatch; do
  command -v "$daemon" > /dev/null || { echo "FAIL: $daemon is missing: run scripts/install-deps.sh" >&2; exit 1; }
done

# munged refuses a socket in a folder that others cannot enter.
work=$(mktemp -d)
chmod 711 "$work"
daemons=""
stop_cluster() {
  scancel --quiet --user="$(id -un)" 2> /dev/null || true
  for pid in $daemons; do kill "$pid" 2> /dev/null || true; done
  for pid in $daemons; do wait "$pid" 2> /dev/null || true; done
  rm -rf "$work"
}
trap stop_cluster EXIT
trap 'exit 1' INT TERM
. "$(dirname "$0")/recipe_checks.sh"

# Waits up to a minute for the queue to empty (a cancelled job may still be
# completing), failing with $1 and the queue if it does not.
wait_for_empty_queue() {
  waited=0
  until [ -z "$(squeue -h)" ]; do
    [ "$waited" -lt 120 ] || fail "$1: $(squeue)"
    sleep 0.5
    waited=$((waited + 1))
  done
}

dd if=/dev/urandom of="$work/munge.key" bs=1024 count=1 2> /dev/null
chmod 600 "$work/munge.key"
munged --foreground --key-file="$work/munge.key" --socket="$work/munge.socket" --pid-file="$work/munged.pid" \
  --seed-file="$work/munged.seed" --log-file="$work/munged.log" > "$work/munged.out" 2>&1 &
daemons="$daemons $!"

host=$(hostname -s)
mkdir "$work/state" "$work/spool"
export SLURM_CONF="$work/slurm.conf"
cat > "$SLURM_CONF" << CONF
ClusterName=regrovantis
SlurmctldHost=$host(127.0.0.1)
SlurmctldPort=$(free_port)
SlurmdPort=$(free_port)
SlurmUser=$(id -un)
SlurmdUser=$(id -un)
AuthType=auth/munge
AuthInfo=socket=$work/munge.socket
CredType=cred/munge
StateSaveLocation=$work/state
SlurmdSpoolDir=$work/spool
SlurmctldPidFile=$work/slurmctld.pid
SlurmdPidFile=$work/slurmd.pid
ProctrackType=proctrack/linuxproc
TaskPlugin=task/none
SelectType=select/cons_tres
SelectTypeParameters=CR_CPU
SchedulerType=sched/builtin
AccountingStorageType=accounting_storage/none
JobAcctGatherType=jobacct_gather/none
JobCompType=jobcomp/none
MpiDefault=none
MailProg=/bin/true
ReturnToService=2
NodeName=$host NodeAddr=127.0.0.1 CPUs=$(nproc) State=UNKNOWN
PartitionName=search Nodes=ALL Default=YES MaxTime=INFINITE State=UP
CONF

# The socket appears once munged listens; the node is idle once slurmd
# has reported to slurmctld.
waited=0
until [ -S "$work/munge.socket" ]; do
  [ "$waited" -lt 100 ] || fail "munged did not start: $(cat "$work/munged.out")"
  sleep 0.1
  waited=$((waited + 1))
done
slurmctld -D -f "$SLURM_CONF" > "$work/slurmctld.out" 2>&1 &
daemons="$daemons $!"
slurmd -D -f "$SLURM_CONF" > "$work/slurmd.out" 2>&1 &
daemons="$daemons $!"
waited=0
until [ "$(sinfo -h -o %T 2> /dev/null)" = idle ]; do
  [ "$waited" -lt 60 ] || fail "the cluster did not start:
$(tail -n 20 "$work/slurmctld.out" "$work/slurmd.out")"
  sleep 0.5
  waited=$((waited + 1))
done

export SHARDS=4 POLL=1 REGROVANTIS_CLI="$tool"
check_merged_result "$recipe"
ls -d "$work"/result.json.parts.* > /dev/null 2>&1 && fail "the parts were not removed after the merge"

# Without waiting, the merge job alone writes the result.
WAIT=no "$recipe" "$data" "$work/later.json" $options 2> "$work/later.err" || fail "WAIT=no: $(cat "$work/later.err")"
wait_for_empty_queue "WAIT=no: the jobs did not end"
cmp -s "$work/one.json" "$work/later.json" || fail "WAIT=no: the merge job did not write one search's JSON"

# A task larger than any node is refused before anything is queued.
status=0
CPUS_PER_TASK=$(($(nproc) + 1)) "$recipe" "$data" "$work/big.json" $options 2> "$work/big.err" || status=$?
[ "$status" -eq 1 ] && grep -q "would not run 4 tasks of $(($(nproc) + 1)) cores" "$work/big.err" ||
  fail "a task larger than the node was not refused: $(cat "$work/big.err")"
[ -z "$(squeue -h)" ] || fail "a refused search queued jobs: $(squeue)"

check_failure 60 "$failing_merge" "the parts do not fit together" "$recipe"
check_failure 120 "$failing_shard" "shard 2 cannot read its data" "$recipe"
# A job the script cancelled may still be completing (CG) when it returns.
wait_for_empty_queue "jobs were left in the queue after a failed shard"
echo "search-slurm.sh merged 4 shards into one search's JSON in $merged_in s, and stopped at a failed shard in $stopped_in s"
