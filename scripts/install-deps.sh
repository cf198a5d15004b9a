#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vocarra developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages that Vocarra needs:
#     scripts/install-deps.sh            what building and running the program need
#     scripts/install-deps.sh --tests    that, and what the tests, the checks of CI and the
#                                        packaging need as well
# Does nothing when they are all there; says what it will install, and how much, before it does;
# uses sudo when not run as root.
set -euo pipefail

packages=(
    build-essential cmake ninja-build
    qt6-base-dev qt6-multimedia-dev qt6-svg-dev qt6-charts-dev libgl-dev
    libqt6opengl6-dev          # Debian's CMake files of Qt Charts look for those of Qt OpenGL
    libqt6sql6-sqlite          # the learner's record is an SQLite database
    qt6-qpa-plugins            # the offscreen platform the build draws the help pictures on
    fonts-liberation           # metric-compatible stand-in for Arial
)
test_packages=(
    hunspell hunspell-es       # the Spanish dictionary that checks the verb forms
    clang-format               # the format check in CI
    pulseaudio                 # a private null audio output for the sound module's test
    desktop-file-utils appstream lintian   # checking the desktop entry, metadata and package
    xvfb xdotool imagemagick   # looking at the window as a learner would
)

case "${1-}" in
    "") ;;
    --tests) packages+=("${test_packages[@]}") ;;
    *)
        echo "Usage: scripts/install-deps.sh [--tests]" >&2
        exit 2
        ;;
esac

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q '^install ok installed$' || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo > /dev/null; then
        echo "These packages are missing: ${missing[*]}" >&2
        echo "Installing them needs root, and sudo is not installed. Either run this script as root" >&2
        echo "(su -c 'scripts/install-deps.sh${1:+ $1}'), or have an administrator run:" >&2
        echo "    apt-get install --no-install-recommends ${missing[*]}" >&2
        exit 1
    fi
    sudo=(sudo)
fi

"${sudo[@]}" apt-get update -qq
# The plan first: every package apt would install with the missing ones, and their sizes.
mapfile -t planned < <(apt-get install -s --no-install-recommends "${missing[@]}" | awk '/^Inst /{print $2}')
if [ ${#planned[@]} -gt 0 ]; then
    read -r download disk < <(apt-cache show --no-all-versions "${planned[@]}" |
        awk '/^Size:/{d+=$2} /^Installed-Size:/{i+=$2} END{printf "%.1f %.1f\n", d/1e6, i*1024/1e6}')
    echo "Installing ${#planned[@]} package(s) (${missing[*]} and what they need):" \
         "about ${download} MB to download, ${disk} MB of disk space."
fi
# env passes the setting through sudo, which would otherwise drop it, so debconf asks nothing.
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
