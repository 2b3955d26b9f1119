#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The duoband developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes N paced simulated radios at once with duoband-cli, then one alone,
# and checks that every radio holds exactly what was sent. Times each with
# /usr/bin/time (wall seconds, CPU of duoband-cli).
#
#   scripts/fleet-bench.sh [N] [build folder]      (default 8, build)
set -euo pipefail
count=${1:-8}
bin=${2:-build}/bin
work=$(mktemp -d)
sims=()
cleanup() {
    for pid in "${sims[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

for i in $(seq 1 "$count"); do
    "$bin/duoband-radio-sim" --pace --link "$work/radio$i" >/dev/null &
    sims+=($!)
done
"$bin/duoband-radio-sim" --sample --link "$work/source" >/dev/null &
sims+=($!)
for i in $(seq 1 "$count") source; do
    while [[ ! -e $work/$i && ! -e $work/radio$i ]]; do sleep 0.05; done
done
"$bin/duoband-cli" read --port "$work/source" --out-dir "$work" --fast --no-backup >/dev/null
ports=()
for i in $(seq 1 "$count"); do ports+=(--port "$work/radio$i"); done

timed() { /usr/bin/time -f "%e s wall, %U s user, %S s sys, %P CPU" "$@"; }
echo "one radio:"
timed "$bin/duoband-cli" write --in "$work/source.img" --port "$work/radio1" --fast --no-backup
echo "$count radios at once:"
timed "$bin/duoband-cli" write --in "$work/source.img" "${ports[@]}" --fast --no-backup \
    --report "$work/report.json" >/dev/null
mkdir "$work/back"
"$bin/duoband-cli" read --out-dir "$work/back" "${ports[@]}" --fast --no-backup >/dev/null
for i in $(seq 1 "$count"); do
    cmp -s <(tail -n +5 "$work/back/radio$i.img") <(tail -n +5 "$work/source.img") ||
        { echo "radio $i differs"; exit 1; }
done
echo "every radio holds exactly the bytes sent"
