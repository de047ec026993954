#!/usr/bin/env bash
# Installs the Debian 12 packages Quillion needs to build, test and run.
# As root it runs apt-get itself; otherwise it prints the command to run.
set -euo pipefail
packages=(cmake make g++ pkg-config qt6-base-dev qt6-qpa-plugins libsqlite3-dev libgtest-dev
          fonts-dejavu-core)
missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0
if [ "$(id -u)" -eq 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
else
  echo "Quillion needs these Debian packages: ${missing[*]}" >&2
  echo "Run: sudo apt-get install -y ${missing[*]}" >&2
  exit 1
fi
