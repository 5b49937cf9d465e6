#!/usr/bin/env bash
# Installs, on Debian 12 as root, whatever the build, the tests and the package
# (dpkg-shlibdeps, file) need and the machine lacks. Installs nothing when
# everything is present.
set -euo pipefail
packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-translations-l10n
  libgtest-dev libbenchmark-dev
  xvfb xauth poppler-utils fonts-liberation2
  dpkg-dev file
  cups-client
)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi
