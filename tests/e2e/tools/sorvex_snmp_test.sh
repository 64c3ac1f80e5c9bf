#!/usr/bin/env bash
# sorvex-snmp with bad arguments, unusable addresses and wrong credentials: each case ends within
# 2 s with its exit status and one line that says what went wrong.
source "$(dirname "$0")/../sim/simlib.sh"
PROBE=${2:?usage: $0 PATH-TO-sorvex-sim PATH-TO-sorvex-snmp}

start_sim
V1=/A1/I$SIM_ADDR/Rtundra/Wlantern/ETRUE/V1/P161
v1_at() { echo "/A1/I$1/Rtundra/Wlantern/ETRUE/V1/P161"; }
v3() { echo "/A1/I$SIM_ADDR/R/W/E/V3/P161/X/Y/T1/$1"; }
SYS_NAME=1.3.6.1.2.1.1.5.0
SYS_LOCATION=1.3.6.1.2.1.1.6.0
big=$(head -c 70000 /dev/zero | tr '\0' a)

# expect NAME STATUS NEEDLE ARGS...: the probe ends within 2 s with STATUS, and its first line on
# stderr holds NEEDLE; a failure that is no usage error says it in exactly one line.
expect() {
  local name=$1 status=$2 needle=$3
  shift 3
  local start err rc elapsed
  start=$(date +%s%N)
  err=$(timeout 10 "$PROBE" "$@" 2>&1 >/dev/null)
  rc=$?
  elapsed=$((($(date +%s%N) - start) / 1000000))
  check "$name: exit status" "$status" "$rc"
  check_contains "$name: message" "$needle" "$(head -n1 <<<"$err")"
  if ((status != 3)); then check "$name: one line" 1 "$(wc -l <<<"$err")"; fi
  if ((elapsed < 2000)); then pass "$name: ended in $elapsed ms"; else fail "$name: took $elapsed ms"; fi
}

expect "port outside 1-65535" 1 "cannot use the address 127.0.0.1:99999: the port 99999 is outside 1-65535" \
  "$(v1_at 127.0.0.1:99999)" get $SYS_NAME
expect "name that does not resolve" 1 'the name "nosuchhost.invalid" does not resolve' \
  "$(v1_at nosuchhost.invalid)" walk 1.3.6.1.2.1.1
expect "stray character" 1 "stray character ']'" "$(v1_at '127.0.0.1]')" set $SYS_LOCATION s x
expect "transport prefix" 1 "is neither host:port nor an IPv6 address" \
  "$(v1_at tcp:$SIM_ADDR)" get $SYS_NAME
expect "version 3, port outside 1-65535" 1 "the port 0 is outside 1-65535" \
  "/A1/I127.0.0.1:0/R/W/E/V3/P161/X/Y/T1/S2/Ushauser/Ashaauthpass/B/H3/J1" get $SYS_NAME
expect "signed hex" 3 "bad hex value -1" "$V1" set $SYS_LOCATION x -1
expect "odd hex" 3 "bad hex value 0a0" "$V1" set $SYS_LOCATION x 0a0
expect "timeout beyond int" 3 "bad timeout 4294967297" --timeout 4294967297 "$V1" get $SYS_NAME
expect "negative timeout" 3 "bad timeout -5" --timeout -5 "$V1" get $SYS_NAME
expect "bad OID in a set" 3 "bad OID 1.3.6.1.2.1.1.x" "$V1" set 1.3.6.1.2.1.1.x s foo
expect "OID of 129 arcs" 3 "bad OID" "$V1" get "1.3$(printf '.1%.0s' $(seq 1 127))"
expect "bad value" 3 'bad value "12x"' "$V1" set $SYS_LOCATION i 12x
expect "value too large to send" 1 "nothing was sent: the request is too large for one SNMP message" \
  "$V1" set $SYS_LOCATION s "$big"
expect "version 3, wrong password" 2 "the agent refused the credentials: wrong digest" \
  "$(v3 S2/Ushauser/Awrongpassword/B/H3/J1)" get $SYS_NAME
expect "version 3, unknown user" 2 "the agent refused the credentials: unknown user name" \
  "$(v3 S2/Unobody/Ashaauthpass/B/H3/J1)" walk 1.3.6.1.2.1.1
expect "version 3, password under 8 characters" 1 "the authentication password is shorter than 8 characters" \
  "$(v3 S2/Ushauser/Ashort/B/H3/J1)" get $SYS_NAME
expect "version 3, wrong privacy password" 1 "a wrong privacy password also goes unanswered" \
  --timeout 1000 "$(v3 S3/Ushades/Ashaauthpass/Bwrongprivpass/H3/J2)" get $SYS_NAME
expect "refused set" 2 "the agent refused: noSuchName" \
  "/A1/I$SIM_ADDR/Rtundra/Wtundra/ETRUE/V1/P161" set $SYS_LOCATION s x

# A set's values are sent as written, even when they look like an OID.
"$PROBE" "$V1" set $SYS_LOCATION s ENTERPRISE.1 >/dev/null
check "a value is not expanded" "$SYS_LOCATION = STRING: \"ENTERPRISE.1\"" "$("$PROBE" "$V1" get $SYS_LOCATION)"
check "hex with separators" "$SYS_LOCATION = STRING: \"AB\"" "$("$PROBE" "$V1" set $SYS_LOCATION x '41:42')"

finish
