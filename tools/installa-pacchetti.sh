#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing the game need (run as root).
set -euo pipefail
pacchetti=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-multimedia-dev libqt6sql6-sqlite qt6-image-formats-plugins libwmf-dev
  fonts-urw-base35 # the fonts libwmf draws text with
  qt6-translations-l10n # the Italian texts of Qt's own buttons and menus
  clang-format-14 git desktop-file-utils appstream dpkg-dev file
  clang libclang-rt-14-dev # the fuzz targets
)
mancanti=()
for p in "${pacchetti[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || mancanti+=("$p")
done
if [ ${#mancanti[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${mancanti[@]}"
fi
