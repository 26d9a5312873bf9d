#!/bin/sh
# Runs scripts/search-parallel.sh with GNU parallel over ssh to this machine,
# through an sshd of the test's own (a port, host key and login key of its
# own, stopped at the end), or with local jobs (:) where no ssh server can
# be started.
#
#   search_parallel_test.sh REGROVANTIS_CLI SOURCE_DIR
set -eu
tool=$1 source=$2
recipe="$source/scripts/search-parallel.sh"

for command in parallel rsync; do
  command -v "$command" > /dev/null || { echo "FAIL: $command is missing: run scripts/install-deps.sh" >&2; exit 1; }
done

work=$(mktemp -d)
sshd_pid=""
stop() {
  [ -z "$sshd_pid" ] || { $login -O exit 2> /dev/null; kill "$sshd_pid" 2> /dev/null; } || true
  rm -rf "$work"
}
trap stop EXIT
trap 'exit 1' INT TERM
. "$(dirname "$0")/recipe_checks.sh"
# GNU parallel keeps its own files under the home folder: the test's own.
export HOME="$work/home"
mkdir "$HOME"

# sshd as root needs its privilege separation folder, which the service
# would have made.
start_sshd() {
  sshd=$(command -v sshd || echo /usr/sbin/sshd)
  [ -x "$sshd" ] || return 1
  [ "$(id -u)" -ne 0 ] || mkdir -p /run/sshd
  ssh-keygen -q -t ed25519 -N '' -f "$work/host_key" && ssh-keygen -q -t ed25519 -N '' -f "$work/login_key" || return 1
  cp "$work/login_key.pub" "$work/authorized_keys"
  port=$(free_port)
  "$sshd" -D -e -p "$port" -o ListenAddress=127.0.0.1 -o HostKey="$work/host_key" \
    -o AuthorizedKeysFile="$work/authorized_keys" -o AllowUsers="$(id -un)" -o PasswordAuthentication=no \
    -o KbdInteractiveAuthentication=no -o PermitRootLogin=prohibit-password -o StrictModes=no -o UsePAM=no \
    -o PidFile=none > "$work/sshd.log" 2>&1 &
  sshd_pid=$!
  login="ssh -p $port -i $work/login_key -o IdentitiesOnly=yes -o BatchMode=yes -o StrictHostKeyChecking=no"
  login="$login -o UserKnownHostsFile=$work/known_hosts -o LogLevel=ERROR"
  # Every job, copy and clean-up is a login of its own: one connection
  # carries them all, which makes the test several times quicker.
  login="$login -o ControlMaster=auto -o ControlPath=$work/%C -o ControlPersist=yes $(id -un)@127.0.0.1"
  waited=0
  until $login true 2> /dev/null; do
    [ "$waited" -lt 20 ] && kill -0 "$sshd_pid" 2> /dev/null || return 1
    sleep 0.5
    waited=$((waited + 1))
  done
  echo "$(nproc)/$login" > "$work/nodes.txt"
}
if ! start_sshd; then
  echo "no ssh server could be started ($(cat "$work/sshd.log" 2> /dev/null)): local jobs only" >&2
  echo : > "$work/nodes.txt"
fi

export SHARDS=4 NODES="$work/nodes.txt" REGROVANTIS_CLI="$tool" TMPDIR="$work/tmp"
mkdir "$TMPDIR"
check_merged_result "$recipe"
check_failure 60 "$failing_merge" "the parts do not fit together" "$recipe"
check_failure 120 "$failing_shard" "shard 2 cannot read its data" "$recipe"
# Stopped at once, parallel removes nothing: the script removes its work
# folder here and on the other machine, whose login folder is ssh's.
name=$(grep -o 'regrovantis-search\.[A-Za-z0-9]*' "$work/failing.err" | head -n 1)
login_home=$(getent passwd "$(id -un)" | cut -d : -f 6)
[ -n "$name" ] && [ ! -e "$TMPDIR/$name" ] && [ ! -e "$login_home/$name" ] || fail "the work folder $name was left behind"
echo "search-parallel.sh over $(cut -d ' ' -f 1 "$work/nodes.txt") merged 4 shards into one search's JSON in $merged_in s, and stopped at a failed shard in $stopped_in s"
