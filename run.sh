#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The duoband developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds into build/ and starts duoband with a
# simulated radio (--demo): log in, Read, edit, Write and Read again without
# a radio. Without a display it gives a headless demonstration instead: the
# simulated radio is read with duoband-cli and the result shown.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build >/dev/null
cmake --build build -j"$(nproc)"

if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
    echo "Starting duoband with a simulated radio; the password is in image/1.bc (default: duoband)."
    exec build/bin/duoband --demo "$@"
fi

echo "No display: headless demonstration with the simulated radio."
work=$(mktemp -d)
sim_pid=""
cleanup() {
    [[ -n "$sim_pid" ]] && kill "$sim_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
# The simulated radio prints the path of its serial line as its first line.
exec 3< <(exec build/bin/duoband-radio-sim --sample)
sim_pid=$!
if ! read -r -t 5 port <&3; then
    echo "The simulated radio did not start." >&2
    exit 1
fi
echo "Simulated radio on $port"
echo "\$ duoband-cli read --port $port --out radio.bc"
build/bin/duoband-cli read --port "$port" --out "$work/radio.bc"
echo "\$ duoband-cli show radio.bc"
build/bin/duoband-cli show "$work/radio.bc"
