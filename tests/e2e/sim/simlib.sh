# Shared by the sorvex-sim e2e tests (sourced). The first argument of a test is the simulator
# binary. Every simulator a test starts listens on a free loopback port, keeps its state in the
# test's own temporary folder and is stopped by PID when the test exits.

set -u
SIM_BIN=${1:?usage: $0 PATH-TO-sorvex-sim}
WORK=$(mktemp -d "${TMPDIR:-/tmp}/sorvex-sim-e2e.XXXXXX")
SIM_PIDS=()
FAILURES=0

cleanup() {
  local pid
  for pid in "${SIM_PIDS[@]}"; do
    kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  done
  rm -rf "$WORK"
}
trap cleanup EXIT

ENT=1.3.6.1.4.1.${SORVEX_ENTERPRISE_NUMBER:-32473}
DEV=$ENT.10.75.5.2

# Credentials of the simulator (sim/README.md).
V1_READ=(-v1 -c tundra)
V1_WRITE=(-v1 -c lantern)
V3_NONE=(-v3 -u noauth -l noAuthNoPriv)
V3_MD5=(-v3 -u md5user -l authNoPriv -a MD5 -A md5authpass)
V3_SHA=(-v3 -u shauser -l authNoPriv -a SHA -A shaauthpass)
V3_MD5_DES=(-v3 -u md5des -l authPriv -a MD5 -A md5authpass -x DES -X md5privpass)
V3_SHA_DES=(-v3 -u shades -l authPriv -a SHA -A shaauthpass -x DES -X shaprivpass)

free_port() {
  python3 -c 'import socket; s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}

# start_sim [PORT=N] [options...]: starts a simulator and waits until it serves.
# Sets SIM_PORT, SIM_ADDR and SIM_PID; the state folder is $WORK/state-PORT.
start_sim() {
  SIM_PORT=$(free_port)
  if [[ ${1:-} == PORT=* ]]; then SIM_PORT=${1#PORT=}; shift; fi
  SIM_ADDR=127.0.0.1:$SIM_PORT
  # Output files of their own: a restart on the same port must not see the last run's lines.
  local run=$WORK/sim-$SIM_PORT-${#SIM_PIDS[@]}
  local out=$run.out
  "$SIM_BIN" --listen "$SIM_ADDR" --state-dir "$WORK/state-$SIM_PORT" "$@" >"$out" 2>"$run.err" &
  SIM_PID=$!
  SIM_PIDS+=("$SIM_PID")
  local i
  # Up to 30 s: on a machine busy with builds the simulator may need many seconds to come up.
  for ((i = 0; i < 600; i++)); do
    grep -q "listening on $SIM_ADDR" "$out" 2>/dev/null && return 0
    if ! kill -0 "$SIM_PID" 2>/dev/null; then
      echo "simulator exited at start:"; cat "$run.err"; exit 1
    fi
    sleep 0.05
  done
  echo "simulator did not come up on $SIM_ADDR"; exit 1
}

stop_sim() {
  kill "$SIM_PID" 2>/dev/null
  wait "$SIM_PID" 2>/dev/null
}

# snmp TOOL CREDENTIALS... OID...: net-snmp's tools, numeric OIDs, one try, short wait.
snmp_get() { snmpget -m '' -r 0 -t 1 -Oqv "$@" 2>&1; }
snmp_getn() { snmpget -m '' -r 0 -t 1 -Oqn "$@" 2>&1; }
snmp_walk() { snmpwalk -m '' -r 0 -t 1 -Oqn "$@" 2>&1; }
snmp_set() { snmpset -m '' -r 0 -t 1 -Oqv "$@" 2>&1; }

pass() { echo "ok   $1"; }
fail() { echo "FAIL $1"; FAILURES=$((FAILURES + 1)); }

# check NAME EXPECTED ACTUAL
check() {
  if [[ "$3" == "$2" ]]; then pass "$1"; else fail "$1: expected [$2], got [$3]"; fi
}
# check_contains NAME NEEDLE TEXT
check_contains() {
  if [[ "$3" == *"$2"* ]]; then pass "$1"; else fail "$1: [$2] not in [$3]"; fi
}

finish() {
  if ((FAILURES)); then echo "$FAILURES check(s) failed"; exit 1; fi
  echo "all checks passed"
}
