#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The duoband developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds into build/ and runs every test.
#   ./test.sh                 normal build, warnings are errors, then the
#                             Debian package is made and checked
#   ./test.sh --sanitize address,undefined   (build-asan/)
#   ./test.sh --sanitize thread              (build-tsan/)
set -euo pipefail
cd "$(dirname "$0")"
sanitize=""
if [[ "${1:-}" == "--sanitize" ]]; then sanitize="${2:?which sanitizers}"; shift 2; fi
# Each phase's time, said when it ends: where a run's minutes go.
phase_start=$SECONDS
phase_done() {
    echo "test.sh: $1 took $((SECONDS - phase_start)) s" >&2
    phase_start=$SECONDS
}
scripts/install-deps.sh
phase_done install
build=build
[[ -n "$sanitize" ]] && build="build-$(echo "$sanitize" | tr ',' '-')"
# Line tables, not full debug information: a failure's backtrace still names
# files and lines, and the build takes a quarter less time. The sanitizers
# keep it all: their reports and suppressions name inlined functions.
debug_info="-g1"
[[ -n "$sanitize" ]] && debug_info="-g"
cmake -S . -B "$build" -DDUOBAND_WERROR=ON -DDUOBAND_SANITIZE="$sanitize" \
      -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 $debug_info -DNDEBUG" >/dev/null
phase_done configure
cmake --build "$build" -j"$(nproc)"
phase_done build
export QT_QPA_PLATFORM=offscreen
# Qt is not built for ThreadSanitizer: the reports its own locking causes
# are suppressed, each entry with its reason.
if [[ "$sanitize" == *thread* ]]; then
    # die_after_fork=0: the tests start the simulated radio with fork and
    # exec from a program that already runs threads; the child only execs.
    # history_size=7: the stack of a queued call's maker stays known, so its
    # suppression applies.
    export TSAN_OPTIONS="suppressions=$PWD/tsan.supp die_after_fork=0 history_size=7 ${TSAN_OPTIONS:-}"
fi
# Most tests wait on simulated radios rather than compute: three at a time
# per core (at most eight), except under the sanitizers, which compute.
test_jobs=$(($(nproc) * 3 > 8 ? 8 : $(nproc) * 3))
[[ -n "$sanitize" ]] && test_jobs=$(nproc)
ctest --test-dir "$build" --output-on-failure -j"$test_jobs" "$@"
phase_done tests

# Every file says its licence and copyright (REUSE), where the tool is installed.
if [[ -z "$sanitize" ]] && command -v reuse >/dev/null; then
    reuse lint >/dev/null || { reuse lint | tail -n 20; exit 1; }
    phase_done "licence check"
fi

# The Debian package, made and checked by the ordinary build only.
if [[ -z "$sanitize" ]]; then
    cmake --build "$build" --target package >/dev/null
    version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
    scripts/check-package.sh "$build/duoband_${version}_$(dpkg --print-architecture).deb" "$version"
    phase_done package
fi
