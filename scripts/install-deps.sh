#!/usr/bin/env bash
# Installs the Debian packages listed in packages.txt (as root, or with sudo).
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t packages < <(grep -v -E '^\s*(#|$)' packages.txt)
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ "${#missing[@]}" -gt 0 ]; then
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The browser tests' client, puppeteer-core, at the versions that
# tests/web/package-lock.json pins; no browser is downloaded (the tests drive
# the system's Chromium). Where nodejs comes without npm (Debian's own
# nodejs), npm is a package of its own.
if ! command -v npm >/dev/null 2>&1; then
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends npm
fi
(cd tests/web && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error >/dev/null)
