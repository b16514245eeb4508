#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the programs need. Safe to run again:
# it only calls apt-get when something is missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    linux-libc-dev            # hidraw ioctls of the Linux HID backend
    libgtest-dev libgmock-dev # core tests
    libbenchmark-dev          # bench/
    qt6-base-dev              # the editor's window
    fonts-wqy-microhei        # glyphs for the Chinese language table
    clang-format
    umockdev libumockdev-dev  # tests: the hidraw backend against emulated kernel nodes
    libglib2.0-dev libglib2.0-bin  # desktop mouse settings through GSettings; gsettings tool
    gsettings-desktop-schemas # the GNOME mouse schema the tests apply settings to
    libx11-dev                # desktop mouse settings through the X server's pointer control
    xvfb x11-xserver-utils    # tests: a private X server and xset to read the pointer control
    libkf5config-bin dbus-daemon # tests: KConfig's tools on a private kdeglobals, a private bus
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    # The package manager's output goes to a log, shown only when something fails, so the
    # first screen a new user sees is the program's.
    log="${TMPDIR:-/tmp}/gmouse-setup.log"
    echo "Installing ${missing[*]} (log: $log)..."
    if ! { $sudo apt-get update -qq &&
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
            "${missing[@]}"; } >"$log" 2>&1; then
        cat "$log" >&2
        echo "setup: installing the packages failed (log above, also in $log)" >&2
        exit 1
    fi
fi
