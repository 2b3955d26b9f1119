#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The duoband developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A fuzz campaign anyone can rerun: builds build-fuzz/ with clang (every
# library instrumented for libFuzzer, address and undefined-behaviour
# sanitizers, every report fatal) and runs each target from its seed corpus,
# first for one minute (does the coverage grow past the seeds?), then for a
# number of executions. Results land in build-fuzz/campaign/: one log per
# target, the grown corpus, any finding (crash-*, leak-*, timeout-*, oom-*)
# and summary.txt, one line per target. Every run is also added to
# history.txt there, so a campaign spread over several runs (each resuming
# from the grown corpus) adds up: the summary ends with each target's totals.
#
#   scripts/fuzz-campaign.sh                      every target, the usual counts
#   scripts/fuzz-campaign.sh -j 2                 two targets at a time
#   scripts/fuzz-campaign.sh image_file_fuzzer:100000 ...   chosen targets and counts
#   FUZZ_SECONDS=3600 scripts/fuzz-campaign.sh    each run ends after an hour at the
#                                                 latest (the summary says how far it got)
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=1
if [[ "${1:-}" == "-j" ]]; then jobs="${2:?how many at a time}"; shift 2; fi

# The seed corpus of each target.
declare -A seeds=(
    [settings_file_fuzzer]=files/fuzz/corpus
    [image_file_fuzzer]=files/fuzz/image_corpus
    [radio_answers_fuzzer]=transfer/fuzz/answers_corpus
    [channel_csv_fuzzer]=files/fuzz/channel_csv_corpus
)
targets=("$@")
if ((${#targets[@]} == 0)); then
    targets=(settings_file_fuzzer:10000000 image_file_fuzzer:10000000 channel_csv_fuzzer:10000000
             radio_answers_fuzzer:1000000)
fi

command -v clang++ >/dev/null || { echo "clang++ is needed: apt-get install clang" >&2; exit 2; }
CXX=clang++ CC=clang cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDUOBAND_FUZZ=ON \
    -DDUOBAND_BUILD_GUI=OFF -DDUOBAND_WERROR=ON >/dev/null
names=()
for t in "${targets[@]}"; do names+=("${t%%:*}"); done
cmake --build build-fuzz -j"$(nproc)" --target "${names[@]}"

out=build-fuzz/campaign
mkdir -p "$out"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# The "cov:" figure of a libFuzzer status line ("#4096 pulse cov: 781 ..."),
# of the last line of the kind given (a run stopped by Ctrl+C has no DONE line).
coverage() { tr '\r' '\n' <"$2" | grep -Eo "$1 +cov: [0-9]+" | tail -1 | grep -Eo '[0-9]+$' || echo "?"; }

campaign() {
    local name="$1" runs="$2" seed="${seeds[$1]}"
    local dir="$out/$name" bin="build-fuzz/bin/$name"
    mkdir -p "$dir/corpus" "$dir/findings"
    local first="$dir/first-minute.log" log="$dir/campaign.log"
    local commit  # the code the run fuzzes: the commit it started on
    commit=$(git rev-parse --short HEAD 2>/dev/null || echo -)
    # One minute from the seeds alone, into a scratch corpus.
    rm -rf "$dir/minute" && mkdir -p "$dir/minute"
    "$bin" -max_total_time=60 -timeout=10 -artifact_prefix="$dir/findings/" \
        "$dir/minute" "$seed" >"$first" 2>&1 || true
    local start=$SECONDS
    "$bin" -runs="$runs" -max_total_time="${FUZZ_SECONDS:-0}" -timeout=10 -print_final_stats=1 -artifact_prefix="$dir/findings/" \
        "$dir/corpus" "$seed" >"$log" 2>&1 || true
    local execs findings
    execs=$(grep -Eo 'stat::number_of_executed_units: [0-9]+' "$log" | grep -Eo '[0-9]+$' || echo 0)
    findings=$(find "$dir/findings" -type f | wc -l)
    printf '%-22s seeds %s edges, after 1 min %s; %s executions in %s s, %s edges, %s findings\n' \
        "$name" "$(coverage INITED "$first")" "$(coverage DONE "$first")" "$execs" \
        "$((SECONDS - start))" "$(coverage '[A-Z]+' "$log")" "$findings" | tee "$dir/summary.txt"
    printf '%s %s %s %s %s\n' "$(date -u +%FT%TZ)" "$commit" \
        "$name" "$execs" "$findings" >>"$out/history.txt"
}

running=0
for t in "${targets[@]}"; do
    name="${t%%:*}" runs="${t#*:}"
    [[ "$runs" == "$t" ]] && runs=10000000
    campaign "$name" "$runs" &
    running=$((running + 1))
    if ((running >= jobs)); then wait -n; running=$((running - 1)); fi
done
wait
{
    cat "$out"/*/summary.txt
    echo "all runs so far (history.txt):"
    awk '{ runs[$3]++; execs[$3] += $4; found[$3] += $5 }
         END { for (t in runs) printf "  %-22s %d runs, %d executions, %d findings\n", t, runs[t], execs[t], found[t] }' \
        "$out/history.txt" | sort
} >"$out/summary.txt"
echo "summary: $out/summary.txt"
