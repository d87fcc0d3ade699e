#!/bin/sh
# Installs the Debian packages the client, the simulator and the tests need.
# Idempotent: does nothing when everything is present already.
set -eu

packages="cmake g++ make qtbase5-dev qttools5-dev qttools5-dev-tools libqwt-qt5-dev \
libqt5svg5-dev libqt5opengl5-dev pkg-config xvfb imagemagick iproute2 fonts-wqy-microhei util-linux \
clang libclang-rt-14-dev \
python3-pymodbus python3-serial python3-serial-asyncio xauth x11-utils \
dpkg-dev appstream xdotool"

missing=""
for p in $packages; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done

[ -z "$missing" ] && exit 0

echo "Installing:$missing"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
# shellcheck disable=SC2086 # word splitting of the package list is wanted
$sudo apt-get install -y -q --no-install-recommends $missing
