#!/usr/bin/env bash
# Builds the Debian package and tries it on a clean Debian 12: installs it
# with apt-get in a fresh root made by debootstrap, which must pull every
# package the program needs, then starts the program on a virtual X screen
# inside that root and checks that its windows show.
#
#   packaging/test-deb.sh [build directory]     (as root)
#
# The build directory is build/release unless named (or LAB_PACKAGE_BUILD_DIR
# names one). Under it:
#   debian12-root/      the clean root as debootstrap made it, kept for the
#                       next run (delete it to make it anew)
#   debian12-test/      this run's copy of it, where the package goes
#   debian12-archives/  the downloaded packages, kept for the next run
#   deb-test/           the pictures taken: title.png, main-window.png
# The first run downloads about 200 MB from the Debian mirror that this
# machine's apt sources name (LAB_DEBIAN_MIRROR names another).
# The exit status is 0 when every check passes.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "$(id -u)" -ne 0 ]; then
  exec sudo --preserve-env=LAB_PACKAGE_BUILD_DIR,LAB_DEBIAN_MIRROR "$0" "$@"
fi

build=$(realpath -m "${1:-${LAB_PACKAGE_BUILD_DIR:-build/release}}")
base=$build/debian12-root
root=$build/debian12-test
archives=$build/debian12-archives
pictures=$build/deb-test
app_id=cat.lab.trelko

step() { echo "== $*" >&2; }
fail() {
  echo "test-deb: FAILED: $*" >&2
  exit 1
}

# The first mirror of bookworm's main archive in the apt sources, one-line
# or deb822 style.
mirror_from_sources() {
  local f
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -r "$f" ] || continue
    awk 'BEGIN { RS = ""; FS = "\n" }
      {
        uris = ""; suites = ""; types = ""
        for (i = 1; i <= NF; i++) {
          line = $i
          if (line ~ /^Types:/) types = " " substr(line, 7) " "
          if (line ~ /^URIs:/) uris = substr(line, 6)
          if (line ~ /^Suites:/) suites = " " substr(line, 8) " "
        }
        gsub(/\t/, " ", types); gsub(/\t/, " ", suites)
        if (types ~ / deb / && suites ~ / bookworm /) {
          split(uris, u, " "); print u[1]; exit
        }
      }' "$f"
  done
  cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null |
    awk '$1 == "deb" {
      i = 2
      if ($2 ~ /^\[/) { while (i <= NF && $i !~ /\]$/) i++; i++ }
      if ($(i + 1) == "bookworm") { print $i; exit }
    }'
}

# Everything mounted at or below a folder, deepest first.
mounts_under() {
  awk -v dir="$1" '$2 == dir || index($2, dir "/") == 1 { print $2 }' /proc/mounts | sort -r
}

unmount_under() {
  local m
  for m in $(mounts_under "$1"); do
    umount "$m" 2>/dev/null || umount -l "$m" || true
  done
}

in_root() {
  chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
    DEBIAN_FRONTEND=noninteractive "$@"
}
# For a program started in the background: the background job becomes the
# program itself, so that $! is the program's process. It does not keep the
# run's lock (descriptor 9).
in_root_exec() {
  exec chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
    LANG=C.UTF-8 "$@" 9>&-
}

xvfb_pid=""
lab_pid=""
cleanup() {
  for pid in $lab_pid $xvfb_pid; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  if [ -d "$root" ]; then unmount_under "$root"; fi
}
# One run at a time in a build directory: two would share the roots.
mkdir -p "$build"
exec 9>"$build/.test-deb.lock"
flock -n 9 || fail "another test-deb.sh is running on $build"

trap cleanup EXIT
trap 'exit 130' INT TERM

step "host packages"
scripts/install-deps.sh

step "building the package in $build"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target trelko -j "$(nproc)"
rm -f "$build"/trelko_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/trelko_*.deb)
echo "$deb" >&2
dpkg-deb -f "$deb" Package Version Section Depends >&2

step "the desktop entry and the AppStream file, as packaged"
unpacked=$pictures/unpacked
rm -rf "$unpacked"
mkdir -p "$unpacked"
dpkg-deb -x "$deb" "$unpacked"
desktop-file-validate "$unpacked/usr/share/applications/$app_id.desktop" ||
  fail "the desktop entry is not valid"
appstreamcli validate --no-net "$unpacked/usr/share/metainfo/$app_id.metainfo.xml" ||
  fail "the AppStream file is not valid"
for size in 16 32 48 64 128 256; do
  icon=$unpacked/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png
  [ "$(identify -format '%wx%h' "$icon")" = "${size}x${size}" ] ||
    fail "the ${size} px icon is missing or of another size"
done

if [ ! -x "$base/usr/bin/apt-get" ]; then
  mirror=${LAB_DEBIAN_MIRROR:-$(mirror_from_sources | head -n 1 || true)}
  mirror=${mirror:-http://deb.debian.org/debian}
  step "making a clean Debian 12 root from $mirror (once)"
  unmount_under "$base.partial"
  rm -rf --one-file-system "$base.partial"
  debootstrap --variant=minbase --arch="$(dpkg --print-architecture)" bookworm \
    "$base.partial" "$mirror" ||
    fail "debootstrap cannot make the root (its log: $base.partial/debootstrap/debootstrap.log)"
  mv "$base.partial" "$base"
fi

step "a fresh copy of the clean root"
unmount_under "$root"
rm -rf --one-file-system "$root"
cp -a "$base" "$root"
mkdir -p "$archives/partial" "$root/var/cache/apt/archives" "$root/proc" "$root/dev/pts"
mount -t proc proc "$root/proc"
mount -t devpts -o newinstance,ptmxmode=0666 devpts "$root/dev/pts"
mount --bind "$archives" "$root/var/cache/apt/archives"
cp /etc/resolv.conf "$root/etc/resolv.conf"
# Nothing installed here may start a service.
printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
chmod 755 "$root/usr/sbin/policy-rc.d"

step "installing the package: apt-get must pull what it needs"
cp "$deb" "$root/tmp/"
in_root apt-get update -qq
in_root apt-get install -y -qq --no-install-recommends "./tmp/$(basename "$deb")" >&2 ||
  fail "apt-get cannot install the package"
for f in /usr/bin/trelko "/usr/share/applications/$app_id.desktop" \
  "/usr/share/metainfo/$app_id.metainfo.xml" "/usr/share/icons/hicolor/256x256/apps/$app_id.png"; do
  [ -e "$root$f" ] || fail "$f is not installed"
done
missing=$(in_root sh -c 'ldd /usr/bin/trelko \
  /usr/lib/*-linux-gnu/qt6/plugins/platforms/libqxcb.so' | grep 'not found' || true)
[ -z "$missing" ] || fail "libraries missing: $missing"
serif=$(in_root fc-match 'Times New Roman')
echo "Times New Roman is served by: $serif" >&2
case "$serif" in *"Liberation Serif"*) ;; *) fail "no serif face for Times New Roman" ;; esac

step "test tools in the root (not the package's dependencies)"
in_root apt-get install -y -qq --no-install-recommends xvfb xauth xdotool imagemagick >&2

# A display number free both here and in the root (the X server's abstract
# socket is shared with this machine).
display=""
for n in $(seq 70 98); do
  if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ] &&
    ! grep -q "@/tmp/.X11-unix/X$n\$" /proc/net/unix; then
    display=:$n
    break
  fi
done
[ -n "$display" ] || fail "no free X display number"

step "starting the lab on Xvfb $display in the root"
# The root cannot see this tree: it gets a copy of the script that starts
# every virtual screen of the project. Stopping the script stops its server.
cp scripts/xvfb.sh "$root/tmp/xvfb.sh"
in_root_exec sh /tmp/xvfb.sh serve "$display" >"$pictures/xvfb.out" 2>&1 &
xvfb_pid=$!
for _ in $(seq 400); do
  [ -s "$pictures/xvfb.out" ] && break
  sleep 0.1
done
grep -q "^$display [0-9]" "$pictures/xvfb.out" ||
  fail "Xvfb did not answer on $display in the root: $(cat "$pictures/xvfb.out")"
in_root sh -c "mkdir -p -m 700 /tmp/runtime-root"
in_root_exec DISPLAY="$display" XDG_RUNTIME_DIR=/tmp/runtime-root trelko \
  >"$pictures/trelko.log" 2>&1 &
lab_pid=$!

# The lab's visible window of the given size (the client area: there is no
# window manager to add a frame), waiting for it up to 10 s.
window_of_size() {
  # shellcheck disable=SC2016  # expanded by the root's shell
  in_root env DISPLAY="$display" sh -c '. /tmp/xvfb.sh && x_window_of_size "$1" "$2"' \
    sh "$lab_pid" "$1"
}
# A picture of the screen, and the fraction of it that is not black (the
# bare screen is black) and its number of colours.
picture() {
  in_root env DISPLAY="$display" import -window root /tmp/screen.png
  cp "$root/tmp/screen.png" "$1"
  in_root convert /tmp/screen.png -fill white +opaque black -format '%[fx:mean] ' info:
  in_root convert /tmp/screen.png -format '%k\n' info:
}
at_least() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a >= b) }'; }
alive() {
  kill -0 "$lab_pid" 2>/dev/null || fail "the lab ended $1: $(cat "$pictures/trelko.log")"
}

alive "at start-up"
title=$(window_of_size 399x268) || fail "no title picture of 399 x 268"
sleep 2
alive "at start-up"
read -r shown count < <(picture "$pictures/title.png")
echo "title: $shown of the screen not black, $count colours ($pictures/title.png)" >&2
# 399 x 268 of 1024 x 768 is 0.136 of the screen.
{ at_least "$shown" 0.12 && at_least "$count" 100; } || fail "the title picture does not show"

# Return closes the title and the main window comes up: 690 x 479 is 0.42 of
# the screen, less its black margins.
in_root env DISPLAY="$display" timeout 10 xdotool windowfocus "$title" key Return ||
  fail "cannot press Return on the title"
window_of_size 690x479 >/dev/null || fail "no main window of 690 x 479 after Return"
sleep 2
alive "after the title"
read -r shown count < <(picture "$pictures/main-window.png")
echo "main window: $shown of the screen not black, $count colours ($pictures/main-window.png)" >&2
{ at_least "$shown" 0.3 && at_least "$count" 100; } || fail "the main window does not show"

step "ending the lab with SIGTERM"
kill -TERM "$lab_pid"
status=0
wait "$lab_pid" || status=$?
lab_pid=""
[ "$status" -eq 0 ] || fail "the lab ended with status $status on SIGTERM"

echo "test-deb: PASSED: $(basename "$deb") installs on a clean Debian 12 and shows its windows" >&2
