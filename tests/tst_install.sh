#!/bin/sh
# Installs the build into a throwaway prefix, checks the files a desktop
# needs are there, then starts the installed client on a virtual X server
# with settings of its own that point at a closed port on loopback: it must
# come up as far as its login window.
# Usage: tst_install.sh <cmake> <build dir> <work dir>
set -u
cmake=$1
build=$2
work=$3

fail() {
    echo "FAIL: $*"
    exit 1
}

rm -rf "$work"
mkdir -p "$work"
prefix="$work/prefix"
"$cmake" --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 \
    || { cat "$work/install.log"; fail "cmake --install failed"; }

for f in bin/tidewell_d4 bin/pumpsim; do
    [ -x "$prefix/$f" ] || fail "$f is not installed as a program"
done
for f in share/applications/tidewell-d4.desktop \
    share/icons/hicolor/256x256/apps/tidewell-d4.png \
    share/tidewell-d4/translations/tidewell_d4_en.qm \
    share/tidewell-d4/translations/tidewell_d4_zh.qm \
    share/tidewell-d4/translations/tidewell_d4_fr.qm \
    share/tidewell-d4/translations/tidewell_d4_de.qm; do
    [ -s "$prefix/$f" ] || fail "$f is not installed"
done
desktop="$prefix/share/applications/tidewell-d4.desktop"
for line in 'Exec=tidewell_d4' 'Icon=tidewell-d4' 'Categories=Utility;' 'Type=Application'; do
    grep -qx "$line" "$desktop" || fail "the desktop entry lacks $line"
done
grep -q '^Name=' "$desktop" || fail "the desktop entry has no Name"
grep -q '^Comment=' "$desktop" || fail "the desktop entry has no Comment"
head -c 8 "$prefix/share/icons/hicolor/256x256/apps/tidewell-d4.png" | od -An -c | grep -q 'P   N   G' \
    || fail "the icon is no PNG"

# Settings of a user who has run the client before, pointed at a port on
# loopback where nothing listens (1, tcpmux: unused and refused at once).
config="$work/config"
mkdir -p "$config/TIDEWELL_D4"
cat >"$config/TIDEWELL_D4/TIDEWELL_D4.conf" <<CONF
[General]
TIDEWELL_D4=TIDEWELL_D4
language=31
net_ip=127.0.0.1
net_port=1
save_password=1
login_password=572913
CONF

# The installed client on a virtual X server of its own: it must put up its
# login window, titled "Login" in English. It needs well under a second; 30 s
# allow for a loaded machine.
XDG_CONFIG_HOME="$config" HOME="$work" QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
        "$1" >"$2" 2>&1 &
        client=$!
        waited=0
        while [ $waited -lt 300 ]; do
            if xwininfo -root -tree | grep -q "\"Login\""; then
                kill $client
                wait $client 2>/dev/null
                exit 0
            fi
            kill -0 $client 2>/dev/null || exit 3
            sleep 0.1
            waited=$((waited + 1))
        done
        kill $client
        exit 2' sh "$prefix/bin/tidewell_d4" "$work/client.log"
code=$?
case $code in
0) ;;
2) cat "$work/client.log"; fail "the installed client showed no login window within 30 s" ;;
3) cat "$work/client.log"; fail "the installed client ended before it showed its login window" ;;
*) cat "$work/client.log"; fail "the virtual X server did not run (code $code)" ;;
esac
echo "PASS: installed into $prefix; the installed client showed its login window"
