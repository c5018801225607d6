#!/bin/sh
# Installs the Debian packages Trevisk needs to build, test and run, where they are missing.
set -eu
# Extra packages for a particular target may be given as arguments.
# dpkg-dev, file, appstream, desktop-file-utils, shared-mime-info and libglib2.0-bin (gio) build
# and check the Debian package.
packages="build-essential cmake ninja-build pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev nlohmann-json3-dev fonts-ipafont-gothic
dpkg-dev file appstream desktop-file-utils shared-mime-info libglib2.0-bin $*"
missing=""
for p in $packages; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends $missing
