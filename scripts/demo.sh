#!/usr/bin/env bash
# Builds the tree and runs the Vireno.vst3 plug-in in the command-line host on its built-in default signal.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$top/scripts/setup.sh"
bash "$top/scripts/build.sh" release >/dev/null
"$top/build/release/tools/vireno-host" "$@"
