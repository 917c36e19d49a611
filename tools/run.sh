#!/usr/bin/env bash
# Installs what is missing, builds the program in Release and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/packages.sh
ensure_packages "${RUN_PACKAGES[@]}"
cmake --preset release
cmake --build --preset release
exec ./build/release/app/rurorovirora
