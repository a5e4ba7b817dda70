#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pellora English authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs every Debian package the program, its book maker and its tests need.
set -euo pipefail
packages=(
    cmake ninja-build g++ pkg-config clang-format
    qt6-base-dev qt6-base-dev-tools qt6-base-private-dev libqt6opengl6-dev
    libsdl2-dev libsdl2-mixer-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    flite festival festvox-us-slt-hts espeak-ng sox libsox-fmt-all ffmpeg rubberband-cli
    fonts-noto-cjk fonts-noto-color-emoji fonts-sil-andika
    xvfb xauth xdotool imagemagick reuse git
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
