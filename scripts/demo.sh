#!/usr/bin/env bash
# Starts the virtual transceiver and the desktop program with COM1 mapped to it, in a throw-away
# settings folder, so a full read, edit and write can be tried without a radio.
#   scripts/demo.sh BUILD_DIR [PROGRAM ARGUMENTS]
set -euo pipefail
build=${1:-build/release}
shift || true
cli=$build/cli/zql52-cli
gui=$build/app/zql52/zql52

demo=$(mktemp -d "${TMPDIR:-/tmp}/zql52-demo-XXXXXX")
sim_pid=
cleanup() {
    if [ -n "$sim_pid" ]; then
        kill "$sim_pid" 2>/dev/null || true
        wait "$sim_pid" 2>/dev/null || true
    fi
    rm -rf "$demo"
}
trap cleanup EXIT

export XDG_CONFIG_HOME=$demo/config
mkdir -p "$XDG_CONFIG_HOME/Velk"
# The clone archive of the demo's reads and writes goes with it.
export XDG_DATA_HOME=$demo/data
# A runtime folder of its own, so the demo starts even while the real program runs (one copy per
# runtime folder).
export XDG_RUNTIME_DIR=$demo/run
mkdir -p -m 700 "$XDG_RUNTIME_DIR"

# A USA transceiver with the 50 MHz band, pacing its bytes like the real cable.
"$cli" sim --link "$demo/radio" --version 5,0,2 --comment "Demo VL-L52" --pace 9600 \
    --save-written "$demo/written.vlk" >"$demo/sim.out" 2>&1 &
sim_pid=$!
for _ in $(seq 50); do
    [ -e "$demo/radio" ] && break
    sleep 0.1
done

cat >"$XDG_CONFIG_HOME/Velk/ZQ-L52.conf" <<CONF
[CommPort]
PortNumber=1
Device1=$demo/radio

[SetupInfo]
0000=1
0001=5
0002=0
0003=2
CallSign=DEMO
CONF

echo "Virtual transceiver on $(head -n 1 "$demo/sim.out") (COM1); settings in $XDG_CONFIG_HOME" >&2
"$gui" "$@"
