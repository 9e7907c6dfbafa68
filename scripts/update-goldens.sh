#!/usr/bin/env bash
# Writes the golden images anew from the current build, after a deliberate
# change of a picture. Review the new PNGs before committing them.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset release
cmake --build --preset release -j "$(nproc)"
LAB_UPDATE_GOLDEN=1 ctest --preset release -R Golden
git status --short -- 'tests/golden/*.png'
