#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it in a fresh scratch copy of our
# sample knowledge base (examples/dom), in the copy's folder of bases, so that the first open
# dialog shows them and the intro shows its picture. The repository's own files are never
# touched; the copy is removed when the program ends.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELK_TESTS=OFF
cmake --build build/release
program=$PWD/build/release/src/velk_qz

scratch=$(mktemp -d "${TMPDIR:-/tmp}/velk-dom-XXXXXX")
trap 'rm -rf "$scratch"' EXIT
cp -R examples/dom/. "$scratch/"
echo "velk_QZ runs in a scratch copy of examples/dom: $scratch (removed when the program ends)"
cd "$scratch/BAZY"
"$program" "$@"
