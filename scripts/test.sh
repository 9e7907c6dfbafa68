#!/usr/bin/env bash
# Builds the lab and runs every test: once in the release configuration and
# once under AddressSanitizer and UndefinedBehaviorSanitizer with warnings as
# errors.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=$(nproc)
for preset in release sanitize; do
  cmake --preset "$preset"
  cmake --build --preset "$preset" -j "$jobs"
  QT_QPA_PLATFORM=offscreen ctest --preset "$preset" -j "$jobs"
done
