#!/usr/bin/env bash
# Builds everything (program, tests, benchmarks, tools) and runs every test.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/scripts/install-deps.sh" test
cmake -S "$root" -B "$root/build/test" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build/test" -j"$(nproc)"
cd "$root"
ctest --test-dir "$root/build/test" --output-on-failure -j"$(nproc)"
