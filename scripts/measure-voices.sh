#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pellora English authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the book if needed and runs an offline recogniser over every clip:
# word accuracy and median pitch per voice, speaking rates, and the worst
# clips, so that an edit of the voices or the scripts can be checked against
# the last figures.
# Usage: scripts/measure-voices.sh [build dir (build/release)] [worst clips to show (15)]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
worst=${2:-15}

missing=()
command -v pocketsphinx_batch > /dev/null || missing+=(pocketsphinx)
[ -f /usr/share/pocketsphinx/model/en-us/en-us.lm.bin ] || missing+=(pocketsphinx-en-us)
command -v sox > /dev/null || missing+=(sox)
command -v aubiopitch > /dev/null || missing+=(aubio-tools)
command -v python3 > /dev/null || missing+=(python3)
if [ ${#missing[@]} -gt 0 ]; then
    echo "measure-voices: needs the Debian packages ${missing[*]}:" >&2
    echo "    sudo apt-get install ${missing[*]}" >&2
    exit 1
fi

if [ ! -f "$build/build.ninja" ]; then
    scripts/deps.sh
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DPELLORA_TESTS=OFF
fi
cmake --build "$build" --target book >&2
index=$(mktemp)
trap 'rm -f "$index"' EXIT
"$build/tools/bookmaker/bookmaker" --clip-index content/data > "$index"
python3 scripts/measure_voices.py "$index" "$build/book/stage/clips" --worst "$worst"
