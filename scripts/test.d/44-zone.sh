#!/usr/bin/env bash
# The installed kelo-chart on a new user's first run: the settings file made in $XDG_CONFIG_HOME from the
# installed default takes the place of the system zone's main city (Berlin for Europe/Berlin, Kolkata
# through the old name Asia/Calcutta), New York for a zone without a city; and the shipped line 17 puts
# the chart on the system's zone, daylight saving included.
set -euo pipefail
cd "$(dirname "$0")/../.."
work=$(mktemp -d /tmp/kelo-zone-XXXXXX)
trap 'rm -rf "$work"' EXIT
cmake --install build --prefix "$work/prefix" >/dev/null

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# first_run ZONE EXPECTED_PLACE_LINE: a new user in ZONE sees EXPECTED_PLACE_LINE.
first_run() {
  local config="$work/config-${1//\//-}"
  local out
  out=$(TZ=$1 XDG_CONFIG_HOME=$config "$work/prefix/bin/kelo-chart" --at 2026-07-01T12:00 --json)
  echo "$out" | grep -q "\"$2\"" || fail "TZ=$1: place line is not $2: $out"
  [ -f "$config/kelo/KELO.INI" ] || fail "TZ=$1: no user's settings file"
  cmp -s <(sed -n '1,18p;25,$p' "$config/kelo/KELO.INI") <(sed -n '1,18p;25,$p' assets/KELO.INI) ||
    fail "TZ=$1: lines other than 19-24 changed"
  echo "ok   TZ=$1: $2"
  LAST_OUT=$out
}

first_run Europe/Berlin "13E22, 52N30"
echo "$LAST_OUT" | grep -q '"01 Jul 2026 - 12.00 p.m. (-2)"' || fail "Berlin's date line"
first_run Asia/Calcutta "88E22, 22N32"
first_run Nowhere/Atlantis "74W00, 40N45"
cmp -s "$work/config-Nowhere-Atlantis/kelo/KELO.INI" assets/KELO.INI || fail "an unknown zone changed the file"
first_run America/New_York "74W00, 40N43"
echo "$LAST_OUT" | grep -q '"01 Jul 2026 - 12.00 p.m. ( 4)"' || fail "New York's date line in July"
echo "zone: all passed"
