#!/usr/bin/env bash
# Installs the Debian packages Tarvik needs to build, test and run, when missing.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-svg-dev
  libsqlite3-dev
  libcairo2-dev libfontconfig-dev libfreetype-dev poppler-utils
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-noto-core
  libswe-dev swe-basic-data
  wamerican wbritish
  dpkg-dev appstream groff-base
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
