#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running Quadrimo need (only the missing ones).
set -euo pipefail
# libjs-leaflet: the web map library the preview page embeds; chromium and nodejs: the tests open the
# page in a headless browser and run info.js in a script engine. fonts-wine: a Tahoma of the forms' metrics.
# g++-mingw-w64-x86-64-posix and libz-mingw-w64-dev: the Windows compile check (scripts/check-windows.sh).
"$(dirname "$0")/install-missing.sh" cmake ninja-build g++ pkg-config qt6-base-dev libjpeg62-turbo-dev \
    libpng-dev libtiff-dev zlib1g-dev libxcb1-dev libxcb-xfixes0-dev libgtest-dev xvfb xauth fonts-dejavu-core \
    fonts-wine libjs-leaflet chromium nodejs g++-mingw-w64-x86-64-posix libz-mingw-w64-dev
# The drawn map kinds: PDF pages through poppler (glib binding, cairo renderer), SVG through librsvg.
"$(dirname "$0")/install-missing.sh" libpoppler-glib-dev librsvg2-dev
