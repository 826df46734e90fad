#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
bash tools/install-deps.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build build/release -j"$(nproc)" > /dev/null
exec build/release/quorila
