#!/usr/bin/env bash
# Builds QxMorva and starts it on its working folder.
#   scripts/run.sh [working folder]      (default: ~/QxMorva)
# A new working folder starts as a copy of the installation tree (data/). An
# existing one keeps the user's files; only the engine's data files
# (FilePosi) are brought up to date.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
work="${1:-$HOME/QxMorva}"

bash "$root/scripts/install-deps.sh" run
cmake -S "$root" -B "$root/build/run" -DCMAKE_BUILD_TYPE=Release \
  -DQXMORVA_BUILD_TESTS=OFF -DQXMORVA_BUILD_BENCH=OFF -DQXMORVA_BUILD_TOOLS=OFF >/dev/null
cmake --build "$root/build/run" -j"$(nproc)" --target qxmorva

mkdir -p "$work"
cp -rn "$root/data/." "$work/"
cp -r "$root/data/FilePosi/." "$work/FilePosi/"
cd "$work"
exec "$root/build/run/shell/ui/qxmorva"
