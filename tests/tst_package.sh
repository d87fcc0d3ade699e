#!/bin/sh
# The Debian package as a user gets it: built with CPack from this build
# tree, its dependencies named, every file in it, the command line's help
# running from the unpacked tree, and the unpacked client starting in a real
# X server (Xvfb with the xcb platform, not offscreen), showing its login
# window and quitting cleanly when it is closed. The client dials only the
# simulator unpacked beside it, on loopback.
# Usage: tst_package.sh <build directory>
set -eu
build=$1
work=$(mktemp -d)
sim_pid=""
cleanup() {
    [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*"
    exit 1
}

(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) ||
    { cat "$work/cpack.log"; fail "cpack could not build the package"; }
deb=$(ls "$work"/out/tidewell-d4_*.deb)
info=$(dpkg-deb --info "$deb")
for dependency in libqt5widgets5 libqt5network5 libqwt-qt5-6 libc6; do
    printf '%s\n' "$info" | grep -q "^ Depends:.*$dependency" ||
        fail "the package does not depend on $dependency"
done

root=$work/root
dpkg -x "$deb" "$root"
for file in usr/bin/tidewell_d4 usr/bin/tidewell-cli usr/bin/pumpsim \
    usr/share/applications/tidewell-d4.desktop \
    usr/share/metainfo/com.tidewell.TidewellD4.metainfo.xml \
    usr/share/icons/hicolor/256x256/apps/tidewell-d4.png \
    usr/share/tidewell-d4/translations/tidewell_d4_en.qm \
    usr/share/tidewell-d4/translations/tidewell_d4_zh.qm \
    usr/share/tidewell-d4/translations/tidewell_d4_fr.qm \
    usr/share/tidewell-d4/translations/tidewell_d4_de.qm; do
    [ -f "$root/$file" ] || fail "the package lacks $file"
done
appstreamcli validate --no-net "$root/usr/share/metainfo/com.tidewell.TidewellD4.metainfo.xml" \
    >"$work/appstream.log" 2>&1 || { cat "$work/appstream.log"; fail "AppStream refuses the metainfo"; }
"$root/usr/bin/tidewell-cli" --help | grep -q "set-clock" || fail "tidewell-cli --help"

# A settings directory of its own, pointing at the unpacked simulator.
export XDG_CONFIG_HOME="$work/config"
export HOME="$work/home"
mkdir -p "$XDG_CONFIG_HOME/TIDEWELL_D4" "$HOME"
"$root/usr/bin/pumpsim" --port 0 >"$work/sim.log" 2>&1 &
sim_pid=$!
port=""
for _ in $(seq 50); do
    port=$(sed -n 's/.*listening on 127.0.0.1:\([0-9]*\).*/\1/p' "$work/sim.log")
    [ -n "$port" ] && break
    sleep 0.1
done
[ -n "$port" ] || fail "the unpacked pumpsim did not start"
cat >"$XDG_CONFIG_HOME/TIDEWELL_D4/TIDEWELL_D4.conf" <<CONF
[General]
TIDEWELL_D4=TIDEWELL_D4
net_ip=127.0.0.1
net_port=$port
save_password=1
login_password=572913
language=31
CONF

cat >"$work/desktop.sh" <<'SCRIPT'
#!/bin/sh
# Inside the X server: start the client, wait for its login window, close
# it with Escape as a user would, and hand on the client's exit code.
set -eu
QT_QPA_PLATFORM=xcb "$1" >"$2" 2>&1 &
client=$!
window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Login$' | head -n 1) || {
    kill "$client" 2>/dev/null
    echo "no login window"
    exit 90
}
xdotool windowfocus --sync "$window"
xdotool key Escape
for _ in $(seq 100); do
    kill -0 "$client" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$client" 2>/dev/null; then
    kill "$client"
    echo "the client did not quit"
    exit 91
fi
wait "$client"
SCRIPT
status=0
xvfb-run -a -s "-screen 0 1280x800x24" sh "$work/desktop.sh" "$root/usr/bin/tidewell_d4" \
    "$work/client.log" || status=$?
if [ "$status" -ne 0 ]; then
    cat "$work/client.log"
    fail "the unpacked client in Xvfb ended with $status"
fi
echo "PASS: the package builds, holds every file, and its client starts and quits under X"
