#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Tavessa need,
# when they are missing. Safe to run again: it does nothing once all are there.
set -euo pipefail

packages=(
    cmake ninja-build g++ make ccache
    qt6-base-dev qt6-base-dev-tools libgl-dev
    qt6-translations-l10n
    fonts-liberation2 fonts-dejavu-core
    xterm xvfb
    appstream desktop-file-utils dpkg-dev
    # The fuzz targets: clang with libFuzzer and the sanitizer runtimes.
    clang libclang-rt-14-dev
)
# A full JDK (not the headless one) so that AWT and Swing programs can run.
command -v javac >/dev/null 2>&1 || packages+=(openjdk-17-jdk)

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if ((${#missing[@]})); then
    echo "setup: installing ${missing[*]}"
    sudo=""
    [[ $(id -u) -eq 0 ]] || sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
