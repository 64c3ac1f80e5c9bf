#!/usr/bin/env bash
# The Debian package built by CPack from the build folder: its name and version, its contents,
# and its declared dependencies, which must name the package of every shared library the
# programs load and be satisfiable on this (Debian 12) machine. The desktop entry and the man
# pages inside it must be well formed. Installing the package is not needed.
set -euo pipefail
build=$(realpath "${1:?build folder}")
version=${2:?project version}

work=$(mktemp -d "${TMPDIR:-/tmp}/sorvex-package.XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
errors=0
error() { echo "FAIL: $*"; errors=$((errors + 1)); }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack"; }
arch=$(dpkg --print-architecture)
deb=$work/out/sorvex_${version}_${arch}.deb
[ -f "$deb" ] || { ls "$work/out"; fail "no sorvex_${version}_${arch}.deb"; }
[ "$(dpkg-deb -f "$deb" Package)" = sorvex ] || error "Package is not sorvex"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || error "Version is not $version"
[ "$(dpkg-deb -f "$deb" Architecture)" = "$arch" ] || error "Architecture is not $arch"

# Contents: the programs, their data, the desktop entry, icons and man pages, all under /usr.
dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's:^\./::' | grep -v '/$' | sort >"$work/contents"
grep -v '^usr/' "$work/contents" && error "files outside /usr"
[ "$(grep '^usr/bin/' "$work/contents" | tr '\n' ' ')" = "usr/bin/sorvex-module usr/bin/sorvex-sim usr/bin/sorvex-snmp " ] ||
  error "usr/bin holds $(grep '^usr/bin/' "$work/contents" | tr '\n' ' ')"
for f in usr/share/sorvex/User.ini usr/share/sorvex/profiles/SORVEX-AP-B1/User.ini \
         usr/share/sorvex/SorvexA.xml usr/share/sorvex/SorvexAP.xml usr/share/sorvex/panel/SorvexA.bmp \
         usr/share/sorvex/sim-data/object-rules.txt usr/share/sorvex/sim-data/common/system.snmprec \
         usr/share/applications/sorvex-module.desktop \
         usr/share/icons/hicolor/16x16/apps/sorvex-module.png usr/share/icons/hicolor/32x32/apps/sorvex-module.png \
         usr/share/icons/hicolor/48x48/apps/sorvex-module.png usr/share/icons/hicolor/64x64/apps/sorvex-module.png \
         usr/share/man/man1/sorvex-module.1.gz usr/share/man/man1/sorvex-snmp.1.gz usr/share/man/man1/sorvex-sim.1.gz \
         usr/share/metainfo/org.example.sorvex.module.metainfo.xml \
         usr/share/doc/sorvex/copyright usr/share/doc/sorvex/changelog.gz; do
  grep -qx "$f" "$work/contents" || error "$f is not in the package"
done
root=$work/root
dpkg-deb -x "$deb" "$root"

# Declared dependencies: names without their version constraints.
depends=$(dpkg-deb -f "$deb" Depends)
declared=" $(echo "$depends" | tr ',' '\n' | sed 's/(.*)//; s/ //g' | tr '\n' ' ') "
# Each one is a real package here, at a version its constraint accepts.
while IFS= read -r dep; do
  name=$(echo "$dep" | sed 's/(.*//; s/ //g')
  installed=$(dpkg-query -W -f='${Version}' "$name" 2>/dev/null) || { error "no package $name on this machine"; continue; }
  if [[ $dep =~ \((..?)\ *([^\)]*)\) ]]; then
    op=${BASH_REMATCH[1]} min=${BASH_REMATCH[2]}
    case $op in ">=") rel=ge ;; "=") rel=eq ;; *) error "unexpected constraint in \"$dep\""; continue ;; esac
    dpkg --compare-versions "$installed" "$rel" "$min" || error "$name $installed does not satisfy \"$dep\""
  fi
done < <(echo "$depends" | tr ',' '\n' | sed 's/^ *//')

# The package owning a library path (dpkg may list it under /lib or /usr/lib).
owner() {
  local alt
  case $1 in /usr/*) alt=${1#/usr} ;; *) alt=/usr$1 ;; esac
  { dpkg -S "$1" 2>/dev/null || dpkg -S "$alt" 2>/dev/null || true; } | head -1 | cut -d: -f1
}
for program in "$root"/usr/bin/*; do
  name=$(basename "$program")
  # The libraries the program names itself, where this machine's loader finds them.
  for lib in $(readelf -d "$program" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'); do
    path=$(ldd "$program" | awk -v lib="$lib" '$1 == lib {print $3}')
    pkg=""
    [ -z "$path" ] || pkg=$(owner "$path")
    [ -n "$pkg" ] || { error "$name needs $lib, which no package here provides"; continue; }
    [[ $declared == *" $pkg "* ]] || error "$name needs $lib from $pkg, not declared in Depends: $depends"
  done
done

# The desktop entry starts the packaged program with the packaged icon.
desktop=$root/usr/share/applications/sorvex-module.desktop
desktop-file-validate "$desktop" || error "the desktop entry is not valid"
exec_program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[ -x "$root/usr/bin/$exec_program" ] || error "Exec=$exec_program is not a packaged program"
icon=$(sed -n 's/^Icon=//p' "$desktop")
[ -f "$root/usr/share/icons/hicolor/48x48/apps/$icon.png" ] || error "Icon=$icon is not in the hicolor theme"
grep -qx "StartupWMClass=sorvex-module" "$desktop" || error "no StartupWMClass=sorvex-module"
# A click in a menu opens the Connect dialog: the entry passes no launch line.
grep -qx "Exec=sorvex-module --connect" "$desktop" || error "the desktop entry does not run sorvex-module --connect"

# The AppStream metainfo, with the desktop entry it names, as software centres read them (no
# network: its URLs are not fetched).
appstreamcli validate-tree --no-net --pedantic "$root" >"$work/appstream.log" 2>&1 ||
  error "appstreamcli: $(cat "$work/appstream.log")"

# The package's changelog is in Debian's format and names this version.
zcat "$root/usr/share/doc/sorvex/changelog.gz" | head -1 | grep -q "^sorvex ($version) " ||
  error "changelog.gz does not begin with version $version"

# lintian: no error and no warning (its informational tags, such as hardening-no-bindnow, are
# not held against the package). A warning that must stay would be listed here with its reason.
accepted=""
lintian --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1
while IFS= read -r line; do
  case $line in
    E:*) error "lintian: $line" ;;
    W:*)
      tag=$(awk '{print $3}' <<<"$line")
      [[ " $accepted " == *" $tag "* ]] || error "lintian: $line" ;;
  esac
done <"$work/lintian.log"

# Man pages: one per program, carrying the version, formatted without a warning.
for program in "$root"/usr/bin/*; do
  page=$root/usr/share/man/man1/$(basename "$program").1.gz
  [ -f "$page" ] || { error "no man page for $(basename "$program")"; continue; }
  zcat "$page" | grep -q "^\.TH .*\"sorvex $version\"" || error "$(basename "$page") does not name version $version"
  warnings=$(zcat "$page" | groff -man -ww -z -Tutf8 2>&1)
  [ -z "$warnings" ] || error "$(basename "$page"): $warnings"
done

[ "$errors" -eq 0 ] || exit 1
echo "1 passed, 0 failed"
