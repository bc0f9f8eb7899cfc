#!/usr/bin/env bash
# Prepares a working directory for the program: prepare-workspace.sh BUILD_DIR DIR
# The images the build generated are copied in fresh each time; the folders of
# saved work are only created, never emptied.
set -euo pipefail
build=$1
workspace=$2
mkdir -p "$workspace/vorpData" "$workspace/alphabetTextures" \
  "$workspace/vorpAlgorithms" "$workspace/vorpImages"
for dir in vorpData alphabetTextures; do
  if [[ -d "$build/data/$dir" ]]; then
    cp -f "$build/data/$dir"/*.png "$workspace/$dir/" 2>/dev/null || true
  fi
done
