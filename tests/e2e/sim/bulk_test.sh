#!/usr/bin/env bash
# GetBulk: answered with the same rows as get-next, the delay taken once per request (not per
# repetition); --bulk ignore leaves it unanswered and --bulk refuse answers genErr, while get-next
# and sets go on working.
source "$(dirname "$0")/simlib.sh"
FDB_PORT=1.3.6.1.2.1.17.7.1.2.2.1.2
SYSNAME=1.3.6.1.2.1.1.5.0

now_ms() { date +%s%3N; }
bulk_walk() { snmpbulkwalk -m '' -r 0 -t 1 -Cr25 -Oqn "$@" 2>&1; }

start_sim --fdb-entries 100 --delay-ms 50
expected=$(snmp_walk "${V1_READ[@]}" "$SIM_ADDR" $FDB_PORT)
# The learned rows and the switch's own address.
check "get-next walk has the learned rows" "101" "$(grep -c "^\.$FDB_PORT\." <<<"$expected")"
for cred in V3_SHA_DES V3_NONE; do
  declare -n c=$cred
  t0=$(now_ms)
  rows=$(bulk_walk "${c[@]}" "$SIM_ADDR" $FDB_PORT)
  elapsed=$(($(now_ms) - t0))
  check "$cred get-bulk walk gives the get-next rows" "$expected" "$rows"
  # 101 rows at 25 a request: 5 requests, 0.25 s; one delay per repetition would be 5 s.
  if ((elapsed < 2000)); then pass "$cred get-bulk delayed once per request (${elapsed} ms)"; else fail "$cred get-bulk walk took ${elapsed} ms"; fi
done
check "version 2c get-bulk walk too" "$expected" "$(bulk_walk -v2c -c tundra "$SIM_ADDR" $FDB_PORT)"
stop_sim

start_sim --bulk ignore
check_contains "ignored get-bulk times out" "Timeout" "$(bulk_walk "${V3_SHA_DES[@]}" "$SIM_ADDR" $FDB_PORT)"
check "get-next still answered" "37" "$(snmp_walk "${V3_SHA_DES[@]}" "$SIM_ADDR" $FDB_PORT | grep -c "^\.$FDB_PORT\.")"
check "set still applied" '"after-ignore"' "$(snmp_set "${V1_WRITE[@]}" "$SIM_ADDR" $SYSNAME s after-ignore)"
stop_sim

start_sim --bulk refuse --delay-ms 50
check_contains "refused get-bulk says genErr" "genError" "$(bulk_walk "${V3_SHA_DES[@]}" "$SIM_ADDR" $FDB_PORT)"
check_contains "refused version 2c get-bulk too" "genError" "$(bulk_walk -v2c -c tundra "$SIM_ADDR" $FDB_PORT)"
check "get-next still answered" "37" "$(snmp_walk "${V3_SHA_DES[@]}" "$SIM_ADDR" $FDB_PORT | grep -c "^\.$FDB_PORT\.")"
stop_sim

check_contains "unknown --bulk mode refused" "--bulk: expected normal, ignore or refuse" \
  "$("$SIM_BIN" --bulk sometimes 2>&1)"

finish
