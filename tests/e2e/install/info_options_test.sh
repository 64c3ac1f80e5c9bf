#!/usr/bin/env bash
# --help, -h and --version of the three programs with no display at all (no DISPLAY, no
# WAYLAND_DISPLAY, no QT_QPA_PLATFORM): each prints on standard output only and ends with 0.
set -euo pipefail
version=${1:?project version}
shift
errors=0
error() { echo "FAIL: $*"; errors=$((errors + 1)); }
work=$(mktemp -d "${TMPDIR:-/tmp}/sorvex-info.XXXXXX")
trap 'rm -rf "$work"' EXIT

# check PROGRAM OPTION EXPECTED-TEXT...: exit 0, nothing on stderr, each text in the output.
check() {
  local program=$1 option=$2 status=0
  shift 2
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 10 "$program" "$option" >"$work/out" 2>"$work/err" || status=$?
  local name
  name=$(basename "$program")
  [ "$status" -eq 0 ] || error "$name $option ended with $status: $(cat "$work/err")"
  [ -s "$work/err" ] && error "$name $option wrote to stderr: $(cat "$work/err")"
  local text
  for text in "$@"; do
    grep -qF -- "$text" "$work/out" || error "$name $option does not say \"$text\""
  done
}

for program in "$@"; do
  name=$(basename "$program")
  check "$program" --version "$name $version"
  [ "$(wc -l <"$work/out")" -eq 1 ] || error "$name --version prints more than one line"
  check "$program" --help "usage: $name" "--version"
  check "$program" -h "usage: $name"
done
for program in "$@"; do
  case $(basename "$program") in
    # The module's help explains the launch line as the README does.
    sorvex-module) check "$program" --help "/A1/I10.0.0.5/Rtundra/Wlantern/ETRUE/V1/P161" "--connect" "sorvex-module -" \
                     "/A1/I10.0.0.5/R/W/ETRUE/V3/P161/X/Y/T1/S3/Uadmin/Aauthpass1/Bprivpass1/H3/J2" "127.0.0.1:16161" ;;
    sorvex-snmp) check "$program" --help "LAUNCHLINE get OID" "Exit status" "standard input" ;;
    sorvex-sim) check "$program" --help "--listen 127.0.0.1:PORT" ;;
  esac
done
[ "$errors" -eq 0 ] || exit 1
echo "1 passed, 0 failed"
