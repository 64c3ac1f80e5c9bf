#!/usr/bin/env bash
# Runs the keyring tests against a real secret service: gnome-keyring-daemon, unlocked with a
# throw-away password, in a private D-Bus session, with a private HOME and XDG folders so that
# the user's own keyring and configuration are never touched. No daemon, no pass: scripts/setup
# installs it.
set -uo pipefail
binary=${1:?usage: $0 PATH-TO-keyring_e2e_tests}
for tool in dbus-run-session gnome-keyring-daemon; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed (scripts/setup installs it)"; exit 1; }
done
work=$(mktemp -d "${TMPDIR:-/tmp}/sorvex-keyring.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/home" "$work/data" "$work/config" "$work/cache" "$work/run"
chmod 700 "$work/run"
export HOME=$work/home XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache \
  XDG_RUNTIME_DIR=$work/run
unset DBUS_SESSION_BUS_ADDRESS

# Inside the session: the daemon (it forks and ends with the session's bus), then the tests.
dbus-run-session -- bash -c '
  if ! printf %s sorvex-test-unlock | gnome-keyring-daemon --unlock --components=secrets >/dev/null; then
    echo "FAIL: gnome-keyring-daemon did not start"; exit 1
  fi
  "$1"
' keyring "$binary"
