#!/usr/bin/env bash
# Installs the Debian packages needed to build, run and test Taksatura.
# Safe to run many times; uses sudo when not run as root.
set -euo pipefail

PAKIETY=(
  build-essential cmake ninja-build ccache pkg-config
  qt6-base-dev libqt6sql6-sqlite libqt6sql6-psql libqt6sql6-odbc qt6-translations-l10n
  qt6-charts-dev libqt6opengl6-dev libxlsxwriter-dev
  libicu-dev
  clang libclang-rt-14-dev unzip
  libgl-dev
  fonts-dejavu-core fontconfig
  libgtest-dev libgmock-dev libbenchmark-dev libboost-graph-dev
  sqlite3 postgresql
  xvfb xauth imagemagick xdotool poppler-utils
)

if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi

brakujace=()
for p in "${PAKIETY[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    brakujace+=("$p")
  fi
done

if [ ${#brakujace[@]} -eq 0 ]; then
  echo "Wszystkie pakiety są już zainstalowane."
  exit 0
fi

echo "Instaluję: ${brakujace[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${brakujace[@]}"
