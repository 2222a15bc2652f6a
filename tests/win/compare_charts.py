#!/usr/bin/python3
"""The Windows kelo-chart.exe under Wine against the Linux kelo-chart, chart by chart.

Every case is a settings file (the shipped KELO.INI or a reference chart's, with some lines changed) and
a command line (moment, date order, clock format). Both tools print the chart as JSON; the two objects
must have the same keys, every number must agree to 1e-9 and every text, flag and exit status must be
identical.

usage: compare_charts.py LINUX_KELO_CHART WINDOWS_KELO_CHART_EXE [--wine WINE] [--cases-out FILE]
"""
import argparse
import json
import os
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
SHIPPED = os.path.join(ROOT, "assets", "KELO.INI")
CHARTS = os.path.join(ROOT, "tests", "data", "charts")
TOLERANCE = 1e-9

# Places as settings lines 18..24: zone, longitude degrees, minutes, -1 east / 1 west, latitude degrees,
# minutes, -1 south / 1 north.
PLACES = {
    "new-york": (5, 74, 0, 1, 40, 45, 1),
    "london": (0, 0, 7, 1, 51, 30, 1),
    "tokyo": (-9, 139, 45, -1, 35, 41, 1),
    "sydney": (-10, 151, 12, -1, 33, 52, -1),
    "quito": (5, 78, 30, 1, 0, 0, 1),
    "reykjavik": (0, 21, 56, 1, 64, 8, 1),
    "cape-town": (-2, 18, 25, -1, 33, 55, -1),
    "honolulu": (10, 157, 52, 1, 21, 18, 1),
    "auckland": (-12, 174, 46, -1, 36, 51, -1),
    "delhi": (-5.5, 77, 13, -1, 28, 36, 1),
}
HOUSE_SYSTEMS = range(1, 9)  # Placidus, Regiomontanus, Koch, Campanus, Porphyry, Equal, Meridian, Morinus
MOMENTS = [
    "2000-01-01T00:00", "2026-12-07T22:30", "1999-12-31T23:59", "2024-02-29T12:00", "1969-07-20T20:17",
    "1900-01-01T06:00", "2100-03-01T00:01", "1582-10-15T12:00", "1500-03-01T09:30", "2900-06-15T18:45",
    "2038-01-19T03:14", "2012-06-30T23:59",
]


def place_lines(place):
    return {18 + i: value for i, value in enumerate(PLACES[place])}


def build_cases():
    """(name, base settings file, {line: value}, argument list)."""
    cases = []
    # The reference charts as they stand.
    for name in sorted(os.listdir(CHARTS)):
        folder = os.path.join(CHARTS, name)
        if not os.path.isfile(os.path.join(folder, "args.txt")):
            continue
        with open(os.path.join(folder, "args.txt")) as f:
            args = f.read().split()
        cases.append(("reference-" + name, os.path.join(folder, "KELO.INI"), {}, args))
    # Every house system in places of both hemispheres and at several moments.
    places = list(PLACES)
    for i, system in enumerate(HOUSE_SYSTEMS):
        for j in range(3):
            place = places[(i + 3 * j) % len(places)]
            moment = MOMENTS[(i * 3 + j) % len(MOMENTS)]
            changes = place_lines(place)
            changes[27] = system
            cases.append((f"houses-{system}-{place}-{moment}", SHIPPED, changes,
                          ["--at", moment, "--date-order", str(j % 3), "--clock-format", str(i % 2)]))
    # The chart options, one or two at a time.
    options = [
        ("equal-wheel", {13: 0}),
        ("equal-wheel-layout-1", {13: 0, 28: 1}),
        ("true-node", {29: 1}),
        ("precession-shift", {38: 1}),
        ("sidereal-shift", {38: 2}),
        ("fixed-sign-precession", {38: 1, 42: 99}),
        ("fixed-sign-sidereal", {38: 2, 42: 99}),
        ("fixed-sign-tropical-ignored", {38: 0, 42: 99}),
        ("aspects-off", {47: 0}),
        ("fortune-in-void-test", {14: 1}),
        ("true-node-sidereal-koch", {29: 1, 38: 2, 27: 3}),
        ("wide-orbs", {2: 10, 3: 12, 4: 12, 5: 12, 10: 5}),
        ("zero-orbs", {2: 0, 3: 0, 4: 0, 5: 0, 10: 0}),
        ("house-system-out-of-range", {27: 9}),
        ("house-system-fraction", {27: 2.5}),
        ("night-dimming", {15: 30}),
        ("night-dimming-refused", {15: 5}),
    ]
    for k, (name, changes) in enumerate(options):
        moment = MOMENTS[k % len(MOMENTS)]
        cases.append(("option-" + name, SHIPPED, changes, ["--at", moment, "--date-order", "0", "--clock-format", "0"]))
    # Regional formats: every date order with both clock formats, around noon and midnight.
    for order in range(3):
        for clock in range(2):
            moment = ["2026-12-07T00:05", "2026-12-07T12:05", "2026-12-07T23:59"][(order + clock) % 3]
            cases.append((f"regional-{order}-{clock}-{moment}", SHIPPED, {},
                          ["--at", moment, "--date-order", str(order), "--clock-format", str(clock)]))
    # Zones and the settings checks.
    checks = [
        ("zone-minus-13", {18: -13}),
        ("zone-plus-12", {18: 12}),
        ("latitude-66-placidus", {22: 66, 23: 0}),
        ("latitude-67-placidus", {22: 67, 23: 0}),
        ("latitude-67-equal", {22: 67, 23: 0, 27: 6}),
        ("latitude-minus-70-field", {22: -70}),
        ("longitude-181", {19: 181}),
        ("minutes-60", {23: 60}),
        ("zone-out-of-range", {18: 14}),
        ("equator-exactly", {22: 0, 23: 0}),
    ]
    for k, (name, changes) in enumerate(checks):
        cases.append(("check-" + name, SHIPPED, changes,
                      ["--at", MOMENTS[(k + 5) % len(MOMENTS)], "--date-order", "1", "--clock-format", "1"]))
    # The system's zone (line 17 = 1), from the TZ of both processes (Wine's registry zone follows it):
    # --at is civil time there, and the date line shows the offset in effect.
    zones = [
        ("new-york-january", "America/New_York", "2026-01-15T12:00", "( 5)"),
        ("new-york-july", "America/New_York", "2026-07-15T12:00", "( 4)"),
        ("berlin-july", "Europe/Berlin", "2026-07-01T12:00", "(-2)"),
        ("kolkata", "Asia/Kolkata", "2026-12-07T22:30", "(-5.5)"),
        ("kiritimati", "Pacific/Kiritimati", "2026-12-07T08:00", "(-14)"),
    ]
    for name, tz, moment, zone_text in zones:
        cases.append(("zone-" + name, SHIPPED, {17: 1}, ["--at", moment, "--date-order", "0", "--clock-format", "0"],
                      tz, zone_text))
    return cases


def write_settings(base, changes, path):
    """The base file with the first seven characters of some lines replaced, line ends kept. The shipped
    file follows the system's zone (line 17 = 1); its cases keep the fixed zone of line 18 unless they
    say otherwise."""
    if base == SHIPPED:
        changes = {17: 0, **changes}
    with open(base, "rb") as f:
        lines = f.read().split(b"\n")
    for number, value in changes.items():
        text = ("%g" % value if isinstance(value, float) else str(value)).encode("ascii")
        line = lines[number - 1]
        lines[number - 1] = text.ljust(7)[:7] + line[7:] if len(text) <= 7 else text + b" " + line[7:]
    with open(path, "wb") as f:
        f.write(b"\n".join(lines))


def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def run(command, tz=None):
    """Exit status and standard output. The output goes through a file, not a pipe: Wine's own
    background processes may inherit a pipe and keep it open long after the program has ended."""
    env = dict(os.environ, TZ=tz) if tz else None
    with tempfile.TemporaryFile() as out:
        status = subprocess.run(command, stdin=subprocess.DEVNULL, stdout=out, stderr=subprocess.DEVNULL,
                                timeout=120, env=env).returncode
        out.seek(0)
        return status, out.read().decode("latin-1").replace("\r\n", "\n")


def differences(a, b, where="chart"):
    """The places where two JSON values differ."""
    if isinstance(a, bool) or isinstance(b, bool):
        return [] if a is b else [f"{where}: {a!r} != {b!r}"]
    if isinstance(a, (int, float)) and isinstance(b, (int, float)):
        return [] if abs(a - b) <= TOLERANCE else [f"{where}: {a!r} != {b!r} (by {abs(a - b):.3g})"]
    if isinstance(a, dict) and isinstance(b, dict):
        found = []
        for key in sorted(set(a) | set(b)):
            if key not in a or key not in b:
                found.append(f"{where}.{key}: only in {'Linux' if key in a else 'Windows'}")
            else:
                found += differences(a[key], b[key], f"{where}.{key}")
        return found
    if isinstance(a, list) and isinstance(b, list):
        if len(a) != len(b):
            return [f"{where}: {len(a)} elements != {len(b)}"]
        found = []
        for i, (x, y) in enumerate(zip(a, b)):
            found += differences(x, y, f"{where}[{i}]")
        return found
    return [] if a == b and type(a) is type(b) else [f"{where}: {a!r} != {b!r}"]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("linux_tool")
    parser.add_argument("windows_tool")
    parser.add_argument("--wine", default=os.environ.get("WINE", "wine"))
    options = parser.parse_args()

    cases = build_cases()
    failures = 0
    largest = 0.0
    with tempfile.TemporaryDirectory(prefix="kelo-compare-") as work:
        for index, (name, base, changes, args, *zone) in enumerate(cases):
            tz, zone_text = zone if zone else (None, None)
            settings = os.path.join(work, f"case{index}.ini")
            write_settings(base, changes, settings)
            linux_status, linux_out = run([options.linux_tool, "--settings", settings, "--json"] + args, tz)
            windows_status, windows_out = run([options.wine, options.windows_tool, "--settings",
                                               windows_path(settings), "--json"] + args, tz)
            problems = []
            if zone_text and not windows_out.count(zone_text + '"'):
                problems.append(f"the date line does not end in {zone_text}")
            if linux_status != windows_status:
                problems.append(f"exit status {linux_status} != {windows_status}")
            try:
                linux_chart = json.loads(linux_out) if linux_out.strip() else None
                windows_chart = json.loads(windows_out) if windows_out.strip() else None
                problems += differences(linux_chart, windows_chart)
                largest = max(largest, largest_gap(linux_chart, windows_chart))
            except json.JSONDecodeError as error:
                problems.append(f"not JSON: {error}")
            if problems:
                failures += 1
                print(f"FAIL {name}")
                for p in problems[:20]:
                    print("     " + p)
            else:
                print(f"ok   {name} (exit {linux_status})")
    print(f"{len(cases)} cases, {failures} failed; largest numeric difference {largest:.3g}")
    return 1 if failures or len(cases) < 50 else 0


def largest_gap(a, b):
    if isinstance(a, bool) or isinstance(b, bool):
        return 0.0
    if isinstance(a, (int, float)) and isinstance(b, (int, float)):
        return abs(a - b)
    if isinstance(a, dict) and isinstance(b, dict):
        return max([largest_gap(a[k], b[k]) for k in a if k in b] or [0.0])
    if isinstance(a, list) and isinstance(b, list):
        return max([largest_gap(x, y) for x, y in zip(a, b)] or [0.0])
    return 0.0


if __name__ == "__main__":
    sys.exit(main())
