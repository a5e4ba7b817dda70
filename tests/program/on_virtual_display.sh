#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pellora English authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command on a virtual display of its own. Xvfb picks a free display
# number itself (-displayfd), so runs side by side never race for one.
# Usage: on_virtual_display.sh <command> [arguments...]
set -euo pipefail

number=$(mktemp)
log=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number" 2>"$log" &
server=$!
stop() {
    kill "$server" 2>/dev/null || true
    wait "$server" 2>/dev/null || true
    rm -f "$number" "$log"
}
trap stop EXIT

# The number is written once the server takes connections.
for _ in $(seq 300); do
    [ -s "$number" ] && break
    if ! kill -0 "$server" 2>/dev/null; then
        echo "Xvfb did not start:" >&2
        cat "$log" >&2
        exit 1
    fi
    sleep 0.1
done
[ -s "$number" ] || { echo "Xvfb gave no display number within 30 s" >&2; exit 1; }
DISPLAY=:$(tr -d '[:space:]' <"$number")
export DISPLAY
"$@"
