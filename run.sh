#!/usr/bin/env bash
# Installs what is missing, builds into build/ and starts duoband.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build >/dev/null
cmake --build build -j"$(nproc)"
exec build/bin/duoband-demo "$@"
