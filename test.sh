#!/usr/bin/env bash
# Installs what is missing, builds into build/ and runs every test.
#   ./test.sh                 normal build, warnings are errors
#   ./test.sh --sanitize address,undefined   (build-asan/)
#   ./test.sh --sanitize thread              (build-tsan/)
set -euo pipefail
cd "$(dirname "$0")"
sanitize=""
if [[ "${1:-}" == "--sanitize" ]]; then sanitize="${2:?which sanitizers}"; shift 2; fi
scripts/install-deps.sh
build=build
[[ -n "$sanitize" ]] && build="build-$(echo "$sanitize" | tr ',' '-')"
cmake -S . -B "$build" -DDUOBAND_WERROR=ON -DDUOBAND_SANITIZE="$sanitize" >/dev/null
cmake --build "$build" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j"$(nproc)" "$@"
