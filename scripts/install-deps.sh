#!/bin/sh
# Installs the Debian packages the build and the tests need, and nothing when
# they are all present already, so every make target can call it cheaply.
# The tests of the search recipes run Slurm (with munge), GNU parallel, rsync
# and an ssh server of their own; where the system starts the services a
# package brings, installing these starts them too.
set -eu

packages="
  build-essential cmake ninja-build pkg-config lld ccache python3
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev gfortran clang-format clang-tidy
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
  xvfb xauth fonts-liberation2 fonts-dejavu-core
  libcups2-dev cups-daemon poppler-utils
  desktop-file-utils libxml2-utils shared-mime-info
  slurm-wlm munge parallel rsync openssh-server openssh-client
  pybind11-dev python3-pybind11 python3-numpy python3-pandas python3-pytest python3-sympy
"

# `install-deps.sh portable` adds what `make test-portable` needs: the cross
# compiler for 64-bit ARM, qemu-user to run its programs, and the GoogleTest
# sources to build for ARM.
if [ "${1:-}" = portable ]; then
  packages="$packages g++-aarch64-linux-gnu qemu-user googletest"
fi

missing=""
for p in $packages; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done

[ -z "$missing" ] && exit 0

echo "Installing missing packages:$missing"
sudo_cmd=""
[ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo_cmd apt-get update -qq
# shellcheck disable=SC2086
$sudo_cmd apt-get install -y -qq --no-install-recommends $missing
