#!/usr/bin/env bash
# The Debian package: makes it with CPack in the build folder, checks it (lintian, appstreamcli,
# desktop-file-validate, its file list), installs it with apt-get, runs the installed programs as an
# unprivileged user, and removes it again, leaving none of its files behind. Needs root for apt-get;
# without root it stops after the checks.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${KELO_BUILD_DIR:-build}
version=$(sed -n 's/^project(Kelo VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
user=kelo-pkgtest
work=$(mktemp -d /tmp/kelo-deb-XXXXXX)
installed=0 made_user=0 xvfb_pid=""

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

finish() {
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  if [ "$installed" = 1 ]; then apt-get remove -y -qq -o DPkg::Lock::Timeout=300 kelo >/dev/null 2>&1 || true; fi
  if [ "$made_user" = 1 ]; then userdel -r "$user" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap finish EXIT

# What the package holds, beside its folders.
expected=(
  /usr/bin/kelo
  /usr/bin/kelo-chart
  /usr/lib/kelo/kelo-chart-drawing.so
  /usr/share/kelo/KELO.INI
  /usr/share/kelo/glypha.ttf
  /usr/share/kelo/LICENSE-glypha.txt
  /usr/share/applications/org.kelo.ScreenSaver.desktop
  /usr/share/metainfo/org.kelo.ScreenSaver.metainfo.xml
  /usr/share/icons/hicolor/scalable/apps/org.kelo.ScreenSaver.svg
  /usr/share/man/man1/kelo.1.gz
  /usr/share/man/man1/kelo-chart.1.gz
  /usr/share/doc/kelo/copyright
  /usr/share/doc/kelo/changelog.Debian.gz
)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("/usr/share/icons/hicolor/${size}x$size/apps/org.kelo.ScreenSaver.png")
done
# The screen-saver daemons' files, and the hack's own switches, come with the hack mode: expected once
# its install rules are in the tree.
screensaver_integration=(
  /usr/share/xscreensaver/config/kelo.xml
  /usr/share/applications/screensavers/kelo.desktop
  /usr/libexec/xscreensaver/kelo
)
with_integration=0
if grep -rqs --include=CMakeLists.txt --include='*.cmake' 'xscreensaver/config' .; then
  with_integration=1
  expected+=("${screensaver_integration[@]}")
else
  echo "note: the hack mode's install rules are not in this tree; its files are not expected"
fi

echo "== Debian package"
rm -f "$build"/kelo_*.deb
(cd "$build" && cpack -G DEB) >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack"; }
deb=$(echo "$build"/kelo_"$version"-*_amd64.deb)
[ -f "$deb" ] || fail "no kelo_${version}-*_amd64.deb in $build"
echo "ok   $(basename "$deb"), $(stat -c %s "$deb") bytes, installed size $(dpkg-deb -f "$deb" Installed-Size) KiB"

# lintian: no error; the warnings are printed.
lintian --fail-on error --suppress-tags initial-upload-closes-no-bugs "$deb" >"$work/lintian.log" 2>&1 ||
  { cat "$work/lintian.log"; fail "lintian reports errors"; }
grep -E '^[EW]: ' "$work/lintian.log" || true
echo "ok   lintian: no error ($(grep -c '^W: ' "$work/lintian.log" || true) warnings)"

for field in Depends Recommends Section Maintainer Description; do
  [ -n "$(dpkg-deb -f "$deb" "$field")" ] || fail "the control file has no $field"
done
for library in libgtk-3-0 libgtk-layer-shell0; do
  dpkg-deb -f "$deb" Depends | grep -q "$library" || fail "Depends lacks $library, a library of the binaries"
done
[ "$(dpkg-deb -f "$deb" Recommends)" = "xscreensaver | mate-screensaver" ] || fail "Recommends"

# The file list: exactly the expected files (a folder may be anything the files need).
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\./, "", $6); print $6 }' | sort >"$work/files"
printf '%s\n' "${expected[@]}" | sort >"$work/expected"
diff -u "$work/expected" "$work/files" >"$work/files.diff" || { cat "$work/files.diff"; fail "the package's file list"; }
echo "ok   the package holds the ${#expected[@]} expected files"

dpkg-deb -x "$deb" "$work/root"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/org.kelo.ScreenSaver.metainfo.xml" >"$work/appstream.log" 2>&1 ||
  { cat "$work/appstream.log"; fail "appstreamcli validate"; }
echo "ok   appstreamcli validate --no-net"
desktops=$(find "$work/root" -name '*.desktop')
for desktop in $desktops; do
  desktop-file-validate "$desktop" || fail "desktop-file-validate ${desktop#"$work/root"}"
done
echo "ok   desktop-file-validate: $(echo "$desktops" | wc -w) files"
# man_page PAGE: the page as man shows it, in $work/PAGE.txt; groff's warnings fail.
man_page() {
  MANWIDTH=80 man -l "$work/root/usr/share/man/man1/$1.1.gz" >"$work/$1.txt" 2>"$work/man.log"
  [ ! -s "$work/man.log" ] || { cat "$work/man.log"; fail "man $1 warns"; }
  for section in SYNOPSIS OPTIONS FILES "EXIT STATUS" EXAMPLES; do
    grep -q "^$section" "$work/$1.txt" || fail "man $1 has no $section"
  done
}
# documents_switches PAGE HELP_FILE: every switch that --help names is on the man page.
documents_switches() {
  local switch
  for switch in $(grep -o -- '--[a-z][a-z-]*' "$2" | sort -u); do
    grep -q -- "$switch" "$work/$1.txt" || fail "man $1 does not describe $switch"
  done
}
man_page kelo
man_page kelo-chart
echo "ok   man pages kelo(1) and kelo-chart(1)"

if [ "$(id -u)" != 0 ]; then
  echo "not root: the package is not installed"
  exit 0
fi
if dpkg-query -W -f '${Status}' kelo 2>/dev/null | grep -q 'ok installed'; then
  echo "kelo is already installed on this machine: the install test, which removes it again, is skipped"
  exit 0
fi

echo "== installed"
export DEBIAN_FRONTEND=noninteractive
installed=1
apt-get install -y -qq -o DPkg::Lock::Timeout=300 --no-install-recommends "./$deb" >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; fail "apt-get install"; }
[ "$(command -v kelo)" = /usr/bin/kelo ] || fail "kelo is not on the PATH"

if ! id "$user" >/dev/null 2>&1; then
  useradd --create-home --shell /bin/sh "$user"
  made_user=1
fi
home=$(getent passwd "$user" | cut -d: -f6)
rm -rf "$home/.config/kelo"
as_user() { runuser -u "$user" -- env -i HOME="$home" PATH=/usr/bin:/bin LANG=C.UTF-8 "$@"; }

# kelo-chart: a chart, and the user's settings made from the installed default.
(cd / && as_user kelo-chart --json) >"$work/chart.json" || fail "kelo-chart --json (status $?)"
python3 -c 'import json, sys; c = json.load(open(sys.argv[1])); assert len(c["houseCusp"]) == 12 and c["settingsError"] == 0' \
  "$work/chart.json" || fail "kelo-chart --json printed no chart"
cmp -s "$home/.config/kelo/KELO.INI" /usr/share/kelo/KELO.INI || fail "~/.config/kelo/KELO.INI is not the installed default"
[ "$(stat -c %U "$home/.config/kelo/KELO.INI")" = "$user" ] || fail "~/.config/kelo/KELO.INI is not the user's"
echo "ok   kelo-chart --json as $user, with ~/.config/kelo/KELO.INI made from /usr/share/kelo"
(cd / && as_user kelo-chart --png "$home/chart.png" --size 320x240) || fail "kelo-chart --png (status $?)"
[ "$(head -c 8 "$home/chart.png" | od -An -tx1 | tr -d ' ')" = 89504e470d0a1a0a ] ||
  fail "kelo-chart --png wrote no PNG (its drawing module is /usr/lib/kelo/kelo-chart-drawing.so)"
echo "ok   kelo-chart --png draws through its module in /usr/lib/kelo"
kelo-chart --help >"$work/chart-help.txt"
documents_switches kelo-chart "$work/chart-help.txt"
echo "ok   kelo-chart(1) describes every switch of kelo-chart --help"

# kelo: on a display of its own, drawing the chart and still running when its time limit ends it (more
# than two seconds, so that a slow start on a loaded machine still shows its chart).
display=120
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do DISPLAY=":$display" xdpyinfo >/dev/null 2>&1 && break; sleep 0.2; done
(cd / && as_user DISPLAY=":$display" timeout 8 kelo) >"$work/kelo.log" 2>&1 &
kelo_job=$!
colours=0
for _ in $(seq 14); do
  sleep 0.5
  DISPLAY=":$display" import -window root "$work/kelo.png"
  colours=$(convert "$work/kelo.png" -format %k info:)
  ((colours < 16)) || break
done
status=0
wait "$kelo_job" || status=$?
[ "$status" = 124 ] || { cat "$work/kelo.log"; fail "kelo ended before its time (status $status)"; }
((colours >= 16)) || fail "kelo drew nothing ($colours colours)"
echo "ok   kelo ran as $user until its time limit and drew the chart ($colours colours)"

if [ "$with_integration" = 1 ]; then
  as_user /usr/libexec/xscreensaver/kelo --help >"$work/help.txt" || fail "/usr/libexec/xscreensaver/kelo --help"
  grep -q -- '--root' "$work/help.txt" || fail "the hack's --help does not name --root"
  documents_switches kelo "$work/help.txt"
  as_user kelo --version | grep -q "$version" || fail "kelo --version does not print $version"
  echo "ok   /usr/libexec/xscreensaver/kelo --help, kelo --version"
fi

echo "== removed"
dpkg -L kelo | sort -r >"$work/owned"
apt-get remove -y -qq -o DPkg::Lock::Timeout=300 kelo >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; fail "apt-get remove"; }
installed=0
! dpkg-query -W -f '${Status}' kelo 2>/dev/null | grep -q 'ok installed' || fail "kelo is still installed"
left=0
while read -r path; do
  if [ -d "$path" ] && [ ! -L "$path" ]; then
    # A folder stays only while another package's files are in it.
    [ -n "$(ls -A "$path")" ] || { echo "left behind: the empty folder $path"; left=1; }
  elif [ -e "$path" ] || [ -L "$path" ]; then
    echo "left behind: $path"
    left=1
  fi
done <"$work/owned"
[ "$left" = 0 ] || fail "apt-get remove left files behind"
echo "ok   apt-get remove left none of the package's $(wc -l <"$work/owned") paths behind"
