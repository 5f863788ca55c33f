#!/usr/bin/env bash
# Installs what building, running and testing Norvalt needs on Debian 12,
# from Debian's own packages. Packages already present are left alone.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  libgtest-dev
  qt6-base-dev libgl-dev
  xvfb xauth
  fonts-arphic-uming fonts-liberation fonts-dejavu-core
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  if [[ $(id -u) -ne 0 ]]; then sudo_cmd=(sudo); fi
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
