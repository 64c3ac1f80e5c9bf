#!/usr/bin/env bash
# `cmake --install` into a temporary prefix, then the installed programs on their own: the
# installed simulator serves its seed data on a free loopback port, the installed probe reads it,
# and the installed module, offscreen, draws its panel from the installed descriptions and
# pictures and polls the simulator. Nothing may be read from the source or build tree: the
# programs run from the prefix with another working folder, must not hold either path, and (where
# strace can trace) must open no file under them.
set -euo pipefail
build=$(realpath "${1:?build folder}")
source=$(realpath "${2:?source folder}")
version=${3:?project version}

work=$(mktemp -d "${TMPDIR:-/tmp}/sorvex-install.XXXXXX")
pids=()
cleanup() {
  local pid
  # A program run under strace is its child: ending strace alone would leave it running.
  for pid in "${pids[@]}"; do kill $(pgrep -P "$pid") "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }
prefix=$work/prefix
data=$prefix/share/sorvex
cd "$work"

cmake --install "$build" --prefix "$prefix" --strip >"$work/install.log" || { cat "$work/install.log"; fail "install"; }

for f in bin/sorvex-module bin/sorvex-snmp bin/sorvex-sim \
         share/sorvex/User.ini share/sorvex/profiles/SORVEX-AP-B1/User.ini \
         share/sorvex/SorvexA.xml share/sorvex/SorvexAP.xml \
         share/sorvex/panel/SorvexA.bmp share/sorvex/panel/SorvexAP.bmp share/sorvex/panel/rj45_top_link.bmp \
         share/sorvex/sim-data/object-rules.txt share/sorvex/sim-data/common/system.snmprec \
         share/sorvex/sim-data/models/SORVEX-AP-B1/poe.snmprec \
         share/applications/sorvex-module.desktop share/icons/hicolor/48x48/apps/sorvex-module.png \
         share/man/man1/sorvex-module.1.gz share/man/man1/sorvex-snmp.1.gz share/man/man1/sorvex-sim.1.gz; do
  [ -f "$prefix/$f" ] || fail "$f is not installed"
done
# Every picture the installed descriptions name is installed beside them.
for xml in "$data"/*.xml; do
  for bmp in $(sed -n 's:.*<BMP>\(.*\)</BMP>.*:\1:p' "$xml" | sort -u); do
    [ -f "$data/$bmp" ] || fail "$(basename "$xml") names $bmp, which is not installed"
  done
done
for program in sorvex-module sorvex-snmp sorvex-sim; do
  grep -qaF -e "$source" -e "$build" "$prefix/bin/$program" && fail "$program holds a path of the source or build tree"
  [ "$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/$program" --version)" = "$program $version" ] ||
    fail "$program --version"
done

free_port() {
  python3 -c 'import socket; s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}
wait_for_line() { # file text seconds
  local i
  for ((i = 0; i < $3 * 10; i++)); do grep -qF "$2" "$1" 2>/dev/null && return 0; sleep 0.1; done
  echo "\"$2\" never appeared in $1:"; tail -20 "$1"; return 1
}

# Tracing, when this machine allows it, shows every file the programs open (files-*.log).
tracing=0
if strace -f -qq -o /dev/null true 2>/dev/null; then
  tracing=1
else
  echo "note: strace cannot trace here; the opened files are not checked"
fi
traced() { # NAME COMMAND...: becomes COMMAND, under strace when tracing (run it with &)
  local name=$1
  shift
  if ((tracing)); then
    exec strace -f -qq -e trace=%file -o "$work/files-$name.log" "$@"
  else
    exec "$@"
  fi
}
# The PID of the program itself: strace's child when tracing (strace ignores SIGTERM).
program_pid() {
  if ((tracing)); then pgrep -P "$1"; else echo "$1"; fi
}

# run_model MODEL PROFILE-DIR XML PICTURE: the installed simulator and module for one model.
run_model() {
  local model=$1 profile=$2 xml=$3 picture=$4 port
  port=$(free_port)
  traced "sim-$port" "$prefix/bin/sorvex-sim" --listen "127.0.0.1:$port" --state-dir "$work/state-$port" \
    --model "$model" >"$work/sim-$port.log" 2>&1 &
  local sim=$!
  pids+=("$sim")
  wait_for_line "$work/sim-$port.log" "listening on 127.0.0.1:$port" 10 || fail "the installed simulator did not start"

  local descr
  descr=$("$prefix/bin/sorvex-snmp" "/A1/I127.0.0.1:$port/Rtundra/Wlantern/ETRUE/V1/P161" get 1.3.6.1.2.1.1.1.0) ||
    fail "the installed probe got no answer"
  [[ $descr == *"$model"* ]] || fail "sysDescr \"$descr\" is not the $model seed data"

  local log=$work/module-$port.log
  traced "module-$port" env -u DISPLAY -u WAYLAND_DISPLAY -u SORVEX_PROFILE_DIR ${profile:+SORVEX_PROFILE_DIR=$profile} \
    QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="sorvex.trace=true" \
    "$prefix/bin/sorvex-module" "/A1/I127.0.0.1:$port/Rtundra/Wlantern/ETRUE/V1/P161" >"$log" 2>&1 &
  local launcher=$!
  pids+=("$launcher")
  wait_for_line "$log" "Front panel $data/$xml read, picture $data/panel/$picture loaded" 20 ||
    fail "the installed module did not find its panel for $model"
  wait_for_line "$log" "call back get status = 0" 20 || fail "the installed module got no answers from the simulator"
  # The programs end on SIGTERM (strace, when tracing, then ends with them).
  kill "$(program_pid "$launcher")" "$(program_pid "$sim")"
  wait "$launcher" "$sim" || true
}

run_model "SORVEX-A B1" "" SorvexA.xml SorvexA.bmp
run_model "SORVEX-AP B1" "$data/profiles/SORVEX-AP-B1" SorvexAP.xml SorvexAP.bmp

# The installed desktop entry's command opens the Connect dialog, which ends on SIGTERM.
exec_line=$(sed -n 's/^Exec=//p' "$prefix/share/applications/sorvex-module.desktop")
[ "$exec_line" = "sorvex-module --connect" ] || fail "the desktop entry runs \"$exec_line\""
log=$work/connect.log
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="sorvex.trace=true" \
  XDG_CONFIG_HOME="$work/config" DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent \
  "$prefix/bin/${exec_line%% *}" ${exec_line#* } >"$log" 2>&1 &
connect_pid=$!
pids+=("$connect_pid")
wait_for_line "$log" "Connect dialog open" 20 || fail "the desktop entry's command opened no Connect dialog"
kill "$connect_pid"
wait "$connect_pid" || fail "the Connect dialog did not end with status 0 on SIGTERM"
if ((tracing)); then
  grep -F -e "\"$source" -e "\"$build" "$work"/files-*.log && fail "an installed program opened files of the source or build tree"
  grep -qF "\"$data/SorvexA.xml\"" "$work"/files-module-*.log || fail "the trace shows no installed description opened"
  grep -qF "\"$data/sim-data/models/SORVEX-A-B1" "$work"/files-sim-*.log || fail "the trace shows no installed seed data opened"
fi
echo "1 passed, 0 failed"
