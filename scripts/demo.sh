#!/usr/bin/env bash
# Builds the Vireno.vst3 plug-in and the command-line host, and runs the plug-in in the host on its
# built-in default signal (or on the sound file and options given, see vireno-host --help).
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$top/scripts/setup.sh"
bash "$top/scripts/build-targets.sh" "Vireno.vst3 and vireno-host" Vireno_vst3 vireno-host
"$top/build/release/tools/vireno-host" "$@"
