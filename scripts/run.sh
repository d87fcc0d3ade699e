#!/bin/sh
# Builds the client and starts it against the bundled pump simulator on
# loopback, with a settings directory of its own: the user's real settings
# are never read or written, and nothing dials an address off this machine.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
"$root/scripts/build.sh"

demo=${DEMO_DIR:-$root/build/demo}
mkdir -p "$demo"
log="$demo/pumpsim.log"
"$build/sim/pumpsim" --port 0 --state "$demo/pump-state.json" "$@" >"$log" 2>&1 &
sim=$!
trap 'kill "$sim" 2>/dev/null || true' EXIT INT TERM

port=""
for _ in $(seq 1 50); do
    port=$(sed -n 's/^pumpsim listening on 127\.0\.0\.1:\([0-9]*\)$/\1/p' "$log")
    [ -n "$port" ] && break
    sleep 0.1
done
if [ -z "$port" ]; then
    echo "the simulator did not start:" >&2
    cat "$log" >&2
    exit 1
fi
echo "pump simulator listening on 127.0.0.1:$port (log: $log)"

client="$build/app/tidewell_d4"
if [ ! -x "$client" ]; then
    echo "The client window is not built yet; the simulator runs on its own."
    echo "Press Ctrl+C to stop it."
    wait "$sim"
    exit 0
fi

config="$demo/config"
mkdir -p "$config/TIDEWELL_D4"
cat >"$config/TIDEWELL_D4/TIDEWELL_D4.conf" <<CONF
[General]
TIDEWELL_D4=TIDEWELL_D4
net_ip=127.0.0.1
net_port=$port
save_password=1
login_password=572913
CONF
XDG_CONFIG_HOME="$config" "$client"
