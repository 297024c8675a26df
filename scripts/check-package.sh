#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the Debian package the way Debian and a new user meet it. Needs root and the
# network to Debian's mirror; the test command does not run it.
#
#   scripts/check-package.sh [PACKAGE.deb]     default: makes one with scripts/package.sh
#
# 1. lintian on the package: no error and no warning;
# 2. appstreamcli validate --no-net on its AppStream metadata, desktop-file-validate on its
#    desktop entry;
# 3. a fresh Debian 12 (debootstrap, minimal) in WELLGRAT_CHROOT (default
#    /var/tmp/wellgrat-chroot-bookworm, made anew each time): `apt-get install ./PACKAGE.deb`
#    must bring in everything it needs; the installed program must start headless
#    (QT_QPA_PLATFORM=offscreen), stay up without a word on stderr and end on SIGTERM; then,
#    under a virtual X server, it must end with status 0 and nothing on stderr when its window
#    is closed the way a window manager's close button does it (WM_DELETE_WINDOW).
# WELLGRAT_MIRROR chooses the Debian mirror (default http://deb.debian.org/debian).
set -euo pipefail
cd "$(dirname "$0")/.."
[ "$(id -u)" -eq 0 ] || { echo "check-package.sh needs root (debootstrap, chroot)" >&2; exit 1; }
scripts/install-deps.sh lintian appstream desktop-file-utils debootstrap

if [ $# -ge 1 ]; then
    deb=$(realpath "$1")
else
    scripts/package.sh
    deb=$(realpath build-package/wellgrat_*.deb)
fi
root=${WELLGRAT_CHROOT:-/var/tmp/wellgrat-chroot-bookworm}
mirror=${WELLGRAT_MIRROR:-http://deb.debian.org/debian}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

step() { printf '\n== %s ==\n' "$*"; }

step "lintian $(basename "$deb")"
lintian --display-info --fail-on error,warning "$deb"
echo "lintian: no errors, no warnings"

step "AppStream metadata and desktop entry"
dpkg-deb -x "$deb" "$work/contents"
metainfo=$(find "$work/contents/usr/share/metainfo" -name '*.metainfo.xml')
desktop=$(find "$work/contents/usr/share/applications" -name '*.desktop')
[ "$(basename "$metainfo" .metainfo.xml)" = "$(basename "$desktop" .desktop)" ] ||
    { echo "metadata and desktop entry have different ids" >&2; exit 1; }
appstreamcli validate --no-net "$metainfo"
desktop-file-validate "$desktop"
echo "desktop-file-validate: passed"

step "A fresh Debian 12 in $root"
# Nothing is ever mounted below $root outside the private mount namespace further down;
# refuse to remove it should something be.
if findmnt -rn -o TARGET | grep -q "^$root/"; then
    echo "something is mounted below $root; not removing it" >&2
    exit 1
fi
rm -rf "$root"
debootstrap --variant=minbase bookworm "$root" "$mirror" >"$work/debootstrap.log" 2>&1 ||
    { tail -20 "$work/debootstrap.log"; exit 1; }
cat >"$root/etc/apt/sources.list" <<EOF
deb $mirror bookworm main
deb $mirror bookworm-updates main
deb ${mirror%/debian}/debian-security bookworm-security main
EOF
cp "$deb" "$root/tmp/"

cat >"$root/tmp/check-inside.sh" <<'INSIDE'
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive LC_ALL=C.UTF-8
trap 'kill $(jobs -p) 2>/dev/null || true' EXIT
cd /tmp
echo "-- apt-get install ./$(ls wellgrat_*.deb)"
apt-get update -qq
apt-get install -y -q ./wellgrat_*.deb >apt.log 2>&1 || { cat apt.log; exit 1; }
sed -n '/^The following NEW packages/,/^[0-9]* upgraded/p' apt.log
echo "installed: $(dpkg-query -W -f='${Package} ${Version} ${Status}' wellgrat)"
echo "font: $(fc-match 'Liberation Sans Narrow')"
fc-match 'Liberation Sans Narrow' | grep -q '^LiberationSansNarrow' || { echo "no narrow face" >&2; exit 1; }

export XDG_RUNTIME_DIR=/tmp/runtime
mkdir -m 700 -p "$XDG_RUNTIME_DIR"

echo "-- headless start (QT_QPA_PLATFORM=offscreen)"
QT_QPA_PLATFORM=offscreen wellgrat 2>offscreen.err &
pid=$!
sleep 5
kill -0 "$pid" 2>/dev/null || { wait "$pid" || true; cat offscreen.err; echo "the program did not stay up" >&2; exit 1; }
kill -TERM "$pid"
status=0; wait "$pid" || status=$?
[ "$status" -eq 143 ] || { cat offscreen.err; echo "unexpected status $status after SIGTERM" >&2; exit 1; }
[ ! -s offscreen.err ] || { cat offscreen.err; echo "the program wrote to stderr" >&2; exit 1; }
echo "running after 5 s, nothing on stderr, ended by SIGTERM (status 143)"

echo "-- closing the window under a virtual X server"
# Only now the tools of the check itself, so that they cannot stand in for a dependency.
apt-get install -y -q --no-install-recommends xvfb xauth python3-xlib >>apt.log 2>&1
cat >close-window.py <<'PY'
# Sends WM_DELETE_WINDOW to the program's main window, as a window manager's close button does.
import sys, time
from Xlib import X, display, protocol
d = display.Display()
root = d.screen().root
protocols, delete = d.intern_atom("WM_PROTOCOLS"), d.intern_atom("WM_DELETE_WINDOW")
deadline = time.time() + 30
while True:
    shown = [w for w in root.query_tree().children
             if w.get_attributes().map_state == X.IsViewable and (w.get_wm_name() or "").startswith("Wellgrat")]
    if shown:
        break
    if time.time() > deadline:
        sys.exit("no window of the program appeared")
    time.sleep(0.2)
window = shown[0]
time.sleep(2)  # let it draw and animate for a moment
print("closing the window \"%s\"" % window.get_wm_name())
event = protocol.event.ClientMessage(window=window, client_type=protocols,
                                     data=(32, [delete, X.CurrentTime, 0, 0, 0]))
window.send_event(event, event_mask=X.NoEventMask)
d.flush()
PY
Xvfb :71 -screen 0 1280x1024x24 -nolisten tcp 2>xvfb.log &
xvfb=$!
for _ in $(seq 50); do [ -e /tmp/.X11-unix/X71 ] && break; sleep 0.1; done
export DISPLAY=:71
QT_QPA_PLATFORM=xcb wellgrat 2>xcb.err &
pid=$!
python3 close-window.py
status=0
timeout 10 tail --pid="$pid" -f /dev/null || { kill -KILL "$pid"; echo "the program did not end after its window was closed" >&2; exit 1; }
wait "$pid" || status=$?
kill "$xvfb"
[ "$status" -eq 0 ] || { cat xcb.err; echo "status $status after closing the window" >&2; exit 1; }
[ ! -s xcb.err ] || { cat xcb.err; echo "the program wrote to stderr" >&2; exit 1; }
echo "ended with status 0 after its window was closed, nothing on stderr"
INSIDE

# Private mount and process namespaces: the mounts and every process started inside vanish
# with them, whatever happens there.
unshare --mount --pid --fork --propagation private bash -c '
    set -e
    root=$1
    mount -t proc proc "$root/proc"
    mount -t sysfs sysfs "$root/sys"
    mount -t tmpfs tmpfs "$root/dev/shm"
    mount -t devpts -o newinstance,ptmxmode=0666 devpts "$root/dev/pts"
    cp /etc/resolv.conf "$root/etc/resolv.conf"
    chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root bash /tmp/check-inside.sh
' check "$root"

step "The package passed every check"
