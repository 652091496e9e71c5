#!/usr/bin/env bash
# Installs the Debian packages the build, the tests, the screenshots and the PDF checks need; only
# those that are missing.
set -euo pipefail
packages=(cmake g++ make pkg-config qt6-base-dev qt6-translations-l10n libgtest-dev libgmock-dev
          libbenchmark-dev fonts-ipafont xvfb xauth poppler-utils)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
