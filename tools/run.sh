#!/usr/bin/env bash
# Installs what is missing, builds, and starts the configurator with the
# given options (--help lists them). Without an ECU, --demo (or Yes to the
# question asked when the machine has no serial port) uses the built-in ECU
# simulator (see docs/simulator.md).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/tools/setup.sh" >/dev/null
build_dir=${ZANO_BUILD_DIR:-$root/build}
# The build writes where it put the program; the folder layout may change.
program=$(cat "$build_dir/zano-configurator.path")
exec "$program" "$@"
