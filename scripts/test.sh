#!/usr/bin/env bash
# Builds the lab and runs every test: once in the release configuration,
# once under AddressSanitizer and UndefinedBehaviorSanitizer with warnings as
# errors, and then the web edition: the core compiled with Emscripten, its
# tests under Node, and the page with its tests in headless Chromium.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=$(nproc)
for preset in release sanitize; do
  cmake --preset "$preset"
  cmake --build --preset "$preset" -j "$jobs"
  QT_QPA_PLATFORM=offscreen ctest --preset "$preset" -j "$jobs"
done
cmake --preset web
cmake --build --preset web -j "$jobs"
ctest --preset web -j "$jobs"
