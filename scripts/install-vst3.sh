#!/usr/bin/env bash
# Copies a built VST3 bundle to the folder where Linux hosts look for a user's plug-ins.
#   scripts/install-vst3.sh [BUNDLE [DESTINATION]]
# BUNDLE defaults to build/release/Vireno.vst3 (scripts/build.sh release makes it),
# DESTINATION to ~/.vst3.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bundle="${1:-$top/build/release/Vireno.vst3}"
dest="${2:-$HOME/.vst3}"

bundle="${bundle%/}"
name="$(basename "$bundle")"
if [[ "$name" != *.vst3 ]]; then
  echo "install-vst3: '$bundle' is not a .vst3 bundle" >&2
  exit 2
fi
library="$bundle/Contents/x86_64-linux/${name%.vst3}.so"
if [[ ! -f "$library" ]]; then
  echo "install-vst3: $library is missing; build first: scripts/build.sh release" >&2
  exit 1
fi

mkdir -p "$dest"
# The old bundle is replaced, not merged into: a file an older build left must not linger, and a
# failed copy leaves the installed bundle as it was.
staging="$(mktemp -d "$dest/.$name.XXXXXX")"
trap 'rm -rf "$staging"' EXIT
cp -R "$bundle" "$staging/"
rm -rf "${dest:?}/$name"
mv "$staging/$name" "$dest/$name"
echo "installed $dest/$name"
