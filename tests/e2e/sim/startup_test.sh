#!/usr/bin/env bash
# Start-up: a malformed seed line stops the simulator with the file and line named; only
# loopback addresses, known models, seed folders and regular data files are accepted; --data
# loads over the model's values; an answer too large for a datagram is tooBig.
source "$(dirname "$0")/simlib.sh"

# expect_refused NAME NEEDLE ARGS...: the simulator exits non-zero and says NEEDLE on stderr.
expect_refused() {
  local name=$1 needle=$2
  shift 2
  local err rc
  err=$(timeout 5 "$SIM_BIN" --state-dir "$WORK/refused" "$@" 2>&1 >/dev/null)
  rc=$?
  if ((rc != 0 && rc != 124)); then pass "$name exits with $rc"; else fail "$name: exit status $rc"; fi
  check_contains "$name message" "$needle" "$err"
}

printf '# comment\n1.3.6.1.2.1.1.5.0|4|fine\n\n1.3.6.1.2.1.1.6.0|2|not-a-number\n' >"$WORK/bad-value.snmprec"
printf '1.3.6.1.2.1.1.5.0|4|fine\n1.3.6.1.2.1.1.6.0 no bars here\n' >"$WORK/bad-form.snmprec"
port=$(free_port)
expect_refused "bad value" "$WORK/bad-value.snmprec:4:" --listen 127.0.0.1:$port --data "$WORK/bad-value.snmprec"
expect_refused "bad record" "$WORK/bad-form.snmprec:2:" --listen 127.0.0.1:$port --data "$WORK/bad-form.snmprec"
expect_refused "missing data file" "$WORK/none.snmprec" --listen 127.0.0.1:$port --data "$WORK/none.snmprec"
expect_refused "non-loopback address" "not a loopback address" --listen 192.0.2.1:$port
expect_refused "unknown model" 'unknown model "SORVEX-Z B1"' --listen 127.0.0.1:$port --model "SORVEX-Z B1"
expect_refused "bad --error" "--error" --listen 127.0.0.1:$port --error 1.3.6.1.2.1.1.5.0=noSuchStatus
expect_refused "endless --data" "/dev/zero:0: not a regular file" --listen 127.0.0.1:$port --data /dev/zero
expect_refused "folder as --data" "$WORK:0: a folder, not a data file" --listen 127.0.0.1:$port --data "$WORK"
mkdir -p "$WORK/empty"
expect_refused "empty --data-dir" "\"$WORK/empty\" holds no seed data (no models folder)" \
  --listen 127.0.0.1:$port --data-dir "$WORK/empty"
expect_refused "blank --data-dir" "--data-dir needs a folder" --listen 127.0.0.1:$port --data-dir ""

printf '1.3.6.1.2.1.1.5.0|4|from-extra-file\nENTERPRISE.10.75.5.2.99.1.0|2|42\n' >"$WORK/extra.snmprec"
start_sim --data "$WORK/extra.snmprec"
check "--data replaces a model value" '"from-extra-file"' "$(snmp_get "${V1_READ[@]}" "$SIM_ADDR" 1.3.6.1.2.1.1.5.0)"
check "--data adds objects (ENTERPRISE expanded)" "42" "$(snmp_get "${V1_READ[@]}" "$SIM_ADDR" $DEV.99.1.0)"
check "model data still there" '"SORVEX-A B1 24-Port 10/100 + 4 Combo Gigabit Managed Switch"' \
  "$(snmp_get "${V1_READ[@]}" "$SIM_ADDR" 1.3.6.1.2.1.1.1.0)"
# Each copy of this value fits a datagram; two do not.
printf '1.3.6.1.2.1.1.4.0|4|%s\n' "$(head -c 40000 /dev/zero | tr '\0' c)" >"$WORK/large.snmprec"
stop_sim
start_sim --data "$WORK/large.snmprec"
check "a large value is answered" 40000 "$(snmp_get "${V1_READ[@]}" "$SIM_ADDR" 1.3.6.1.2.1.1.4.0 | tr -d '"\n' | wc -c)"
check_contains "version 1: two of them are tooBig" "(tooBig)" \
  "$(snmp_get "${V1_READ[@]}" "$SIM_ADDR" 1.3.6.1.2.1.1.4.0 1.3.6.1.2.1.1.4.0)"
check_contains "version 3: two of them are tooBig" "(tooBig)" \
  "$(snmp_get "${V3_SHA_DES[@]}" "$SIM_ADDR" 1.3.6.1.2.1.1.4.0 1.3.6.1.2.1.1.4.0)"
check_contains "get-next: two of them are tooBig" "(tooBig)" \
  "$(snmpgetnext -m '' -r 0 -t 1 "${V1_READ[@]}" "$SIM_ADDR" 1.3.6.1.2.1.1.3.0 1.3.6.1.2.1.1.3.0 2>&1)"
expect_refused "second instance on a port in use" "cannot listen on $SIM_ADDR" --listen "$SIM_ADDR"

finish
