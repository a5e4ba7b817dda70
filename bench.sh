#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pellora English authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is needed, builds optimised and prints every benchmark.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DPELLORA_TESTS=OFF -DPELLORA_BENCH=ON
cmake --build build/bench
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
for b in build/bench/bench/bench_*; do
    if [ -f "$b" ] && [ -x "$b" ]; then "$b"; fi
done
