#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/tools/setup.sh"
build_dir=${ZANO_BUILD_DIR:-$root/build}
cd "$build_dir"
# Most tests wait on a serial line or a timer, not on the processor: three
# per core keep the cores busy.
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$((3 * $(nproc)))" --timeout 600
