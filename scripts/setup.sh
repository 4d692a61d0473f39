#!/usr/bin/env bash
# Installs what the i686 build needs on Debian 12 and does nothing when all is there.
set -euo pipefail

packages=(
  g++-multilib cmake make pkg-config file binutils
  libgtest-dev:i386 libgmock-dev:i386 libbenchmark-dev:i386
  libexpat1-dev:i386 libcairo2-dev:i386 libpango1.0-dev:i386
  fonts-wqy-microhei libstb-dev libc6-dbg:i386 valgrind
  libpugixml-dev:i386 libtinyxml2-dev:i386
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "setup: run as root or install sudo" >&2; exit 1; }
  sudo="sudo"
fi

echo "setup: installing ${missing[*]}"
dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
