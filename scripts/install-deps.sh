#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vocarra developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages that building, running and testing Vocarra need. Does nothing
# when they are all there; uses sudo when not run as root.
set -euo pipefail

packages=(
    build-essential cmake ninja-build
    qt6-base-dev qt6-multimedia-dev libgl-dev
    qt6-qpa-plugins            # the offscreen platform the window tests run on
    fonts-liberation           # metric-compatible stand-in for Arial
    hunspell hunspell-es       # the Spanish dictionary that checks the verb forms
    clang-format               # the format check in CI
    xvfb xdotool imagemagick   # looking at the window as a learner would
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q '^install ok installed$' || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
