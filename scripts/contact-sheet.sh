#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pellora English authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the book if needed and draws every spread small, with its hotspots
# outlined and numbered, on a few PNG sheets.
# Usage: scripts/contact-sheet.sh [build dir (build/release)] [sheet dir (<build>/contact-sheet)]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
sheets=${2:-$build/contact-sheet}
scripts/deps.sh
if [ ! -f "$build/build.ninja" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DPELLORA_TESTS=OFF
fi
cmake --build "$build" --target book
"$build/tools/bookmaker/bookmaker" --contact-sheet content/data "$build/book/stage/pages" "$sheets"
