#!/usr/bin/env bash
# Installs what the build needs (Debian 12) and builds the project into
# build/. Sourced by run.sh and test.sh; safe to run again.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

mapfile -t packages < "$root/tools/packages.txt"
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
"$root/tools/ensure-locale.sh" pt_BR.UTF-8

build_dir=${ZANO_BUILD_DIR:-$root/build}
# ccache: the mutation check (tools/mutate) builds a copy of the tree, whose
# compiles are then cache hits; paths are hashed relative to the checkout.
launcher=()
if command -v ccache >/dev/null; then
    export CCACHE_BASEDIR=$root CCACHE_NOHASHDIR=1
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$root" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=${ZANO_BUILD_TYPE:-RelWithDebInfo} \
    "${launcher[@]}" ${ZANO_CMAKE_ARGS:-}
cmake --build "$build_dir" -j "$(nproc)"
