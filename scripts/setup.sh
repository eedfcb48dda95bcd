#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Movesta developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs, from Debian's packages, whatever Movesta needs and this machine lacks.
#   setup.sh run    - to build and start the program
#   setup.sh test   - to build and run every test (sanitizers and the X server included)
#   setup.sh ci     - the same, and what the package check needs (dpkg-dev, lintian, ...)
#   setup.sh bench  - to run the benchmarks
# Packages already installed are skipped; nothing is downloaded when nothing is missing.
set -euo pipefail

purpose="${1:-run}"
packages=(ca-certificates g++ cmake ninja-build qt6-base-dev qt6-qpa-plugins libsqlite3-dev
          fonts-dejavu-core)
case "$purpose" in
    run) ;;
    test | ci)
        packages+=(libgtest-dev libgmock-dev xvfb xauth xclip clang-format desktop-file-utils appstream
                   at-spi2-core python3-pyatspi dbus-daemon xdotool x11-utils
                   poppler-utils unzip) # the report documents read back by Debian's own tools
        # The package check: CPack's dependency scan, Debian's checker, a throwaway root;
        # and the licence check.
        [ "$purpose" = ci ] && packages+=(dpkg-dev file lintian mount reuse git) ;;
    bench) packages+=(libbenchmark-dev hyperfine time xvfb xauth) ;;
    fuzz) packages+=(clang libclang-rt-14-dev) ;;
    *) echo "usage: $0 run|test|ci|bench|fuzz" >&2; exit 2 ;;
esac

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Please run as root or install sudo." >&2; exit 1; }
    sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
