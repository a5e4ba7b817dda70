#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pellora English authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the built program on the desktop; without a display it says how to
# run it on a virtual one instead.
set -euo pipefail
build=${1:?usage: scripts/start.sh <build-dir>}
program=$(realpath -m "$build/app/pellora-english")
if [ ! -x "$program" ]; then
    echo "error: $program was not built" >&2
    exit 1
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    cat >&2 <<MESSAGE
The program is built, but there is no display to show its windows on.
Start it on a desktop, or on a virtual display with:
    xvfb-run -a $program
MESSAGE
    exit 1
fi
exec "$program"
