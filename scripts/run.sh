#!/bin/sh
# Builds the client and starts it against the bundled pump simulator on
# loopback, with a settings directory of its own: the user's real settings
# are never read or written, and nothing dials an address off this machine.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
"$root/scripts/build.sh" tidewell_d4 pumpsim

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
conf="$config/TIDEWELL_D4/TIDEWELL_D4.conf"
mkdir -p "$config/TIDEWELL_D4"
if [ -f "$conf" ]; then
    # Keep what the demo user changed; point it at this run's simulator.
    sed -i "s/^net_ip=.*/net_ip=127.0.0.1/; s/^net_port=.*/net_port=$port/" "$conf"
else
    # A store as the client leaves it after its first run, but pointed at
    # the simulator: with the marker present the client never writes the
    # bridge's factory address over it.
    cat >"$conf" <<CONF
[General]
TIDEWELL_D4=TIDEWELL_D4
aquarium_volume=100
chemical_interval=4
chemical_pump4_select=0
chemical_pump5_select=0
display_prompt=1
login_password=572913
net_ip=127.0.0.1
net_port=$port
save_password=1

[group_pumps]
1\\pumps_name=Ca
1\\pumps_reagent_index=0
2\\pumps_name=Mg
2\\pumps_reagent_index=1
3\\pumps_name=Kh
3\\pumps_reagent_index=2
4\\pumps_name=Other
4\\pumps_reagent_index=3
size=4

[group_reagent]
1\\reagent_max=40
1\\reagent_name=Ca
1\\reagent_offer=0.7
2\\reagent_max=40
2\\reagent_name=Mg
2\\reagent_offer=0.5
3\\reagent_max=100
3\\reagent_name=Kh
3\\reagent_offer=4.4
4\\reagent_max=20
4\\reagent_name=Sr
4\\reagent_offer=0.5
5\\reagent_max=20
5\\reagent_name=Balling
5\\reagent_offer=0.5
6\\reagent_max=20
6\\reagent_name=Other
6\\reagent_offer=0.5
size=6

[group_slaves]
1\\slave_address=2
1\\slave_on_off=0
2\\slave_address=3
2\\slave_on_off=0
3\\slave_address=4
3\\slave_on_off=0
size=3
CONF
fi
echo "client settings: $conf"
XDG_CONFIG_HOME="$config" "$client"
