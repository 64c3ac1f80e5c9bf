#!/usr/bin/env bash
# Install files a new user may break, with the real module: a costly path in the panel
# description, a huge panel, a small run-length picture claiming millions of pixels on 40 ports,
# a description that refers back to itself with a picture per element, absurd port numbers in
# User.ini. In the second second after its window is up each module must be idle, and small at
# its peak; then it is stopped by its PID. Addresses are loopback ports where nothing answers.
set -uo pipefail
module=${1:?path to sorvex-module}
work=$(mktemp -d /tmp/sorvex-install.XXXXXX)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill -9 "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; done
  rm -rf "$work"
}
trap cleanup EXIT
export QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="sorvex.trace=true"
failures=0
max_cpu_ms=300
max_rss_kb=$((400 * 1024))

# A folder with User.ini naming panel.xml in it; the panel text comes from stdin.
# profile NAME [User.ini lines]
profile() {
  local dir="$work/$1"
  mkdir -p "$dir"
  printf '[DeviceInfo]\nDeviceName=SORVEX-A B1 install%s-%s\nXMLName=%s/panel.xml\n%s\n' "$$" "$1" "$dir" "${2:-}" \
    >"$dir/User.ini"
  cat >"$dir/panel.xml"
  echo "$dir"
}

cpu_ms_of() { awk -v hz="$(getconf CLK_TCK)" '{print int(($14 + $15) * 1000 / hz)}' "/proc/$1/stat" 2>/dev/null; }

values() { echo "<ID>$1</ID><LEFT>0</LEFT><TOP>0</TOP><WIDTH>$2</WIDTH><HEIGHT>$3</HEIGHT>"; }

# expect_bounded NAME DIR: the module with that profile, after its window is up.
expect_bounded() {
  local name=$1 dir=$2 log="$work/$1.log"
  SORVEX_PROFILE_DIR="$dir" "$module" /A1/I127.0.0.1:9/Rtundra/Wlantern/ETRUE/V1/P161 2>"$log" &
  local pid=$!
  pids+=("$pid")
  for _ in $(seq 1 100); do grep -q "listening" "$log" && break; sleep 0.05; done
  sleep 1
  local before after cpu_ms rss_kb
  before=$(cpu_ms_of "$pid")
  sleep 1
  after=$(cpu_ms_of "$pid")
  if ! kill -0 "$pid" 2>/dev/null || [ -z "$after" ]; then
    echo "FAIL $name: the module ended"; failures=$((failures + 1)); tail -3 "$log"; return
  fi
  cpu_ms=$((after - before))
  rss_kb=$(awk '/^VmHWM:/ {print $2}' "/proc/$pid/status")
  if ((cpu_ms > max_cpu_ms || rss_kb > max_rss_kb)); then
    echo "FAIL $name: ${cpu_ms} ms of CPU in the second second, peak ${rss_kb} kB"; failures=$((failures + 1))
  else
    echo "ok   $name (${cpu_ms} ms of CPU in the second second, peak ${rss_kb} kB)"
  fi
  kill -9 "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
}

xs=$(printf '<X/>%.0s' $(seq 1 3000))
expect_bounded "costly path" "$(profile costly <<<"<F><DEVICEPANEL p='//*[count(//*[count(//X) &lt; 0]) &lt; 0]'>$(values F 850 120)</DEVICEPANEL>$xs</F>")"

expect_bounded "panel of 20000 x 20000" "$(profile wide <<<"<F><DEVICEPANEL>$(values F 20000 20000)</DEVICEPANEL></F>")"
expect_bounded "panel of 60000 x 60000" "$(profile wider <<<"<F><DEVICEPANEL>$(values F 60000 60000)</DEVICEPANEL></F>")"

ports=""
for i in $(seq 1 40); do ports+="<PORT>$(values P$i 30 24)<STATUS>PORTENABLE</STATUS><BMPENABLE>rle.bmp</BMPENABLE></PORT>"; done
dir=$(profile rle <<<"<F><DEVICEPANEL p='../P'>$(values F 850 120)</DEVICEPANEL><P>$ports</P></F>")
# 1 KB, 8-bit run-length coded, claiming 2048 x 2048 pixels (and 4096 x 4096 for a second file).
python3 - "$dir" <<'PY'
import struct, sys
for name, side in (("rle.bmp", 2048), ("rle4096.bmp", 4096)):
    runs = b"\x00\x01" + b"\x00" * 1000
    info = struct.pack("<IiiHHIIiiII", 40, side, side, 1, 8, 1, len(runs), 0, 0, 2, 0)
    palette = b"\xff\x00\x00\x00\x00\xff\x00\x00"
    offset = 14 + len(info) + len(palette)
    head = b"BM" + struct.pack("<IHHI", offset + len(runs), 0, 0, offset)
    open(f"{sys.argv[1]}/{name}", "wb").write(head + info + palette + runs)
PY
expect_bounded "run-length picture on 40 ports" "$dir"
sed -i 's/rle.bmp/rle4096.bmp/g' "$dir/panel.xml"
expect_bounded "run-length picture of 4096 x 4096" "$dir"

dir=$(profile loop <<<"<F><DEVICEPANEL p='../PORTS'>$(values F 850 120)</DEVICEPANEL><PORTS><PORT a='..' b='..'>$(values X 9 9)<STATUS>PORTENABLE</STATUS><BMPENABLE>p.bmp</BMPENABLE></PORT><PORT a='..' b='..'>$(values Y 9 9)<STATUS>PORTENABLE</STATUS><BMPENABLE>p.bmp</BMPENABLE></PORT></PORTS></F>")
python3 - "$dir" <<'PY'
import struct, sys
w, h = 1000, 1000
row = (w * 3 + 3) // 4 * 4
info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, row * h, 0, 0, 0, 0)
open(f"{sys.argv[1]}/p.bmp", "wb").write(b"BM" + struct.pack("<IHHI", 54 + row * h, 0, 0, 54) + info + b"\x80" * (row * h))
PY
expect_bounded "self-referencing description with pictures" "$dir"

expect_bounded "absurd port numbers" "$(profile ports 'DevicePortNum=2147483647
ComboPortNum=2147483647
ComboPortIndex=2147483647' <<<"<F><DEVICEPANEL>$(values F 850 120)</DEVICEPANEL></F>")"

if ((failures)); then echo "$failures failed"; exit 1; fi
echo "all passed"
