#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running Quadrimo need (only the missing ones).
set -euo pipefail
# libjs-leaflet: the web map library the preview page embeds; chromium and nodejs: the tests open the
# page in a headless browser and run info.js in a script engine. fonts-wine: a Tahoma of the forms' metrics.
packages=(cmake ninja-build g++ pkg-config qt6-base-dev libjpeg62-turbo-dev libpng-dev zlib1g-dev
          libgtest-dev xvfb xauth fonts-dejavu-core fonts-wine libjs-leaflet chromium nodejs)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
