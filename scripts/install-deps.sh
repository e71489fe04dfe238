#!/usr/bin/env bash
# Installs, from Debian, the packages a purpose needs and are missing.
#   install-deps.sh run    what building and running the program needs
#   install-deps.sh test   that, plus the test, benchmark and reference tools
set -euo pipefail

purpose="${1:-run}"
# Arial and Courier resolve to the metric-compatible Liberation faces; DejaVu
# Sans is drawn by the symbol generator and used by the windows.
packages=(build-essential cmake pkg-config qt6-base-dev qt6-qpa-plugins fonts-dejavu-core fonts-liberation2
  xdg-utils)
if [ "$purpose" = test ]; then
  # The Swiss Ephemeris is the reference of the accuracy tests and of the
  # correction-file generator; the program itself never links it.
  # Inkscape is the independent reader the written metafiles are checked with.
  packages+=(libgtest-dev libgmock-dev libbenchmark-dev libswe-dev swe-standard-data inkscape)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing from Debian: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
