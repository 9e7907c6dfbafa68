#!/usr/bin/env bash
# Builds the lab in release mode and starts it.
#
#   scripts/run.sh [arguments...]   the desktop program
#   scripts/run.sh --web            the web page: builds build/web/trelko.html and
#                                   serves build/web/ on http://127.0.0.1:8000/
#                                   until interrupted (Ctrl+C)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
if [ "${1:-}" = "--web" ]; then
  cmake --preset web >/dev/null
  cmake --build --preset web -j "$(nproc)" --target trelko_page
  echo "The lab: http://127.0.0.1:8000/trelko.html (Ctrl+C ends the server)"
  exec python3 -m http.server --bind 127.0.0.1 8000 --directory build/web
fi
cmake --preset release
cmake --build --preset release -j "$(nproc)" --target trelko
exec build/release/shell/qt/trelko "$@"
