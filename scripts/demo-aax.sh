#!/usr/bin/env bash
# Builds the Vireno.aaxplugin plug-in and vireno-aax-host, and runs the plug-in on the simulated AAX
# host on its built-in default signal (or on the sound file and options given, see
# vireno-aax-host --help).
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$top/scripts/setup.sh"
bash "$top/scripts/build-targets.sh" "Vireno.aaxplugin and vireno-aax-host" Vireno_aax vireno-aax-host
"$top/build/release/tools/vireno-aax-host" "$@"
