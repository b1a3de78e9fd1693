#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that building, running and testing Tervalix
# need, and only those that are missing. Runs as root or through sudo.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qtbase5-dev libqt5svg5-dev libqt5serialport5-dev
  qttools5-dev qttools5-dev-tools
  libqwt-qt5-dev libqt5opengl5-dev
  libhidapi-dev libudev-dev
  qttranslations5-l10n
  xvfb xauth
)
# Extra groups: "fuzz" adds clang and its sanitizer runtimes; "package" adds
# what makes and checks the Debian package (make deb, scripts/check-package.sh):
# dpkg-shlibdeps and file for the computed dependencies, the validators, and
# man with groff for the manual pages' warnings.
case "${1:-}" in
  fuzz) packages+=(clang libclang-rt-14-dev) ;;
  package) packages+=(dpkg-dev file lintian desktop-file-utils appstream man-db groff-base
                      shared-mime-info) ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  sudo=()
elif command -v sudo >/dev/null 2>&1; then
  sudo=(sudo)
else
  echo "Missing packages (${missing[*]}); run this script as root or install sudo." >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
