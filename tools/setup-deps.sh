#!/usr/bin/env bash
# Installs the Debian packages Tenvira needs to build, test and render.
# Safe to run again: packages already present are skipped.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  libcairo2-dev libfontconfig-dev fonts-liberation
  libjpeg62-turbo-dev libx11-dev libsndfile1-dev
  lv2-dev liblilv-dev lilv-utils sordi
  xvfb xdotool x11-apps
)

# tenvira-jack: libjack to build it; a real JACK server (jackd2, whose dummy
# driver needs no sound card) and its tools for the tests; the menu entry's checker.
packages+=(libjack-jackd2-dev jackd2 desktop-file-utils)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "setup-deps: all packages present"
  exit 0
fi

echo "setup-deps: installing ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y --no-install-recommends "${missing[@]}"
