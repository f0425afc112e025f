#!/usr/bin/env bash
# Installs the Debian packages needed to build Velmar natively (unit tests, fuzzing, benchmarks),
# to cross-build the Windows program and to run it under Wine in Xvfb for the end-to-end tests.
# Does nothing when everything is already installed, so repeated runs stay fast.
set -euo pipefail

PACKAGES=(
    cmake ninja-build g++ clang libclang-rt-dev clang-format git
    libgtest-dev libgmock-dev libbenchmark-dev
    g++-mingw-w64-x86-64-posix mingw-w64-tools
    wine wine64 fonts-wine
    xvfb xdotool imagemagick x11-utils x11-xserver-utils
    python3 python3-pytest
)

missing=()
for package in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    echo "install-deps: all ${#PACKAGES[@]} packages are installed"
    exit 0
fi

echo "install-deps: installing ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
        echo "install-deps: these packages are missing and installing them needs root: ${missing[*]}" >&2
        exit 1
    fi
    sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update
"${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
