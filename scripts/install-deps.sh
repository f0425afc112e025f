#!/usr/bin/env bash
# Installs the Debian packages needed to build Velmar natively (unit tests, fuzzing, benchmarks),
# to cross-build the Windows program and to run it under Wine in Xvfb for the end-to-end tests,
# and the locales the end-to-end tests start it in. Does nothing when everything is already
# there, so repeated runs stay fast.
set -euo pipefail

PACKAGES=(
    cmake ninja-build g++ clang libclang-rt-dev clang-format git
    libgtest-dev libgmock-dev libbenchmark-dev
    g++-mingw-w64-x86-64-posix mingw-w64-tools
    wine wine64 fonts-wine
    xvfb xdotool imagemagick x11-utils x11-xserver-utils
    python3 python3-pytest locales
)
# Wine takes the display language from LANG only for a locale the system has; the end-to-end
# tests run the ruler in German and in English.
LOCALES=(de_DE en_US)

missing=()
for package in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
absent=()
for name in "${LOCALES[@]}"; do
    locale -a 2>/dev/null | grep -qx "$name.utf8" || absent+=("$name")
done

if [ ${#missing[@]} -eq 0 ] && [ ${#absent[@]} -eq 0 ]; then
    echo "install-deps: all ${#PACKAGES[@]} packages and ${#LOCALES[@]} locales are installed"
    exit 0
fi

sudo=()
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
        echo "install-deps: installing ${missing[*]} ${absent[*]} needs root" >&2
        exit 1
    fi
    sudo=(sudo)
fi
if [ ${#missing[@]} -gt 0 ]; then
    echo "install-deps: installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update
    "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi
for name in ${absent[@]+"${absent[@]}"}; do
    echo "install-deps: making the locale $name.UTF-8"
    "${sudo[@]}" localedef -i "$name" -f UTF-8 "$name.UTF-8"
done
