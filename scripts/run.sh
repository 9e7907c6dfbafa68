#!/usr/bin/env bash
# Builds the lab in release mode and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset release
cmake --build --preset release -j "$(nproc)" --target trelko
exec build/release/shell/qt/trelko "$@"
