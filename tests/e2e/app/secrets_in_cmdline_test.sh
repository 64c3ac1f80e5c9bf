#!/usr/bin/env bash
# No local user reads a switch's credentials in the process list: a module started with a
# version-3 launch line in its arguments shows neither password in /proc/PID/cmdline once it has
# started, and still talks to the switch with them; "sorvex-module -" and "sorvex-snmp -" take
# the launch line from standard input.
MODULE=${2:?usage: $0 PATH-TO-sorvex-sim PATH-TO-sorvex-module PATH-TO-sorvex-snmp}
PROBE=${3:?usage: $0 PATH-TO-sorvex-sim PATH-TO-sorvex-module PATH-TO-sorvex-snmp}
source "$(dirname "$0")/../sim/simlib.sh" "$1"
export QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="sorvex.trace=true"
MODULE_PIDS=()
stop_modules() {
  local pid
  for pid in "${MODULE_PIDS[@]}"; do kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null; done
  cleanup
}
trap stop_modules EXIT

start_sim
LINE=/A1/I$SIM_ADDR/R/W/ETRUE/V3/P161/X/Y/T1/S3/Ushades/Ashaauthpass/Bshaprivpass/H3/J2

# started NAME LOG: waits until the module has read the switch's ports with the credentials.
started() {
  local i
  for ((i = 0; i < 300; i++)); do
    grep -q "call back get status = 0" "$2" 2>/dev/null && { pass "$1: the switch answered the module"; return 0; }
    sleep 0.1
  done
  fail "$1: no answer to the module in 30 s"; sed -n 1,10p "$2"
  return 1
}

# The passwords as arguments.
"$MODULE" "$LINE" 2>"$WORK/args.log" &
pid=$!
MODULE_PIDS+=("$pid")
started "arguments" "$WORK/args.log"
cmdline=$(tr '\0' ' ' <"/proc/$pid/cmdline")
check_contains "arguments: the passwords are overwritten in place" "/Ushades/A***********/B***********/H3/J2" "$cmdline"
for secret in shaauthpass shaprivpass; do
  [[ $cmdline == *"$secret"* ]] && fail "arguments: /proc/$pid/cmdline shows $secret: $cmdline" ||
    pass "arguments: $secret is not in /proc/PID/cmdline"
done
kill "$pid"; wait "$pid" 2>/dev/null

# The line on standard input, for a module of another switch (one module per switch).
start_sim
STDIN_LINE=/A1/I$SIM_ADDR/R/W/ETRUE/V3/P161/X/Y/T1/S3/Umd5des/Amd5authpass/Bmd5privpass/H2/J2
"$MODULE" - <<<"$STDIN_LINE" 2>"$WORK/stdin.log" &
pid=$!
MODULE_PIDS+=("$pid")
started "standard input" "$WORK/stdin.log"
check "standard input: the arguments" "$MODULE -" "$(tr '\0' ' ' <"/proc/$pid/cmdline" | sed 's/ $//')"
kill "$pid"; wait "$pid" 2>/dev/null

# sorvex-snmp reads it the same way.
out=$(timeout 10 "$PROBE" - get 1.3.6.1.2.1.1.5.0 <<<"$STDIN_LINE" 2>&1)
check "sorvex-snmp -: exit status" 0 $?
check_contains "sorvex-snmp -: the answer" "1.3.6.1.2.1.1.5.0" "$out"
out=$(timeout 10 "$PROBE" - get 1.3.6.1.2.1.1.5.0 </dev/null 2>&1)
check "sorvex-snmp - with nothing on standard input: exit status" 3 $?
finish
