#!/usr/bin/env python3
"""Every factory city against the time-zone database, around every change of offset.

Builds a temporary application folder whose Kerani.ini lists every line of the factory city list
(Cities.bak) as a clock, with summer time followed (Follow_DST=1), the time row as "HH:mm:ss" and
the date row as "yyyy/MM/dd". Then, for every change of offset in the years asked for (2026 and
2027 by default) of every zone that the shipped zone table (Zones.txt) names, it runs the built
program's `kerani --print --at T` at the second before the change, the second of it and an hour
after, and compares each line with the local time that Python's zoneinfo (the same system
time-zone database) gives for the line's zone at T. A line that the table gives no zone (it has
no single zone) must keep its fixed offset instead; those lines are counted on their own.

Usage: bench/zone_sweep.py [build-dir] [first-year] [last-year]    (defaults: build 2026 2027)
Prints the figures and every mismatch; exits 1 when there is one. Nothing is timed.
"""

import os
import shutil
import subprocess
import sys
import tempfile
from datetime import datetime, timedelta, timezone
from zoneinfo import ZoneInfo

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
build = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build")
first_year = int(sys.argv[2]) if len(sys.argv) > 2 else 2026
last_year = int(sys.argv[3]) if len(sys.argv) > 3 else 2027
app = os.path.join(build, "app")


def crlf_lines(path):
    with open(path, encoding="utf-8", newline="") as file:
        return [line for line in file.read().split("\r\n") if line]


def fixed_offset(line):
    """The offset of a city line's "+hh:mm" field."""
    text = line[-14:-8]
    minutes = int(text[1:3]) * 60 + int(text[4:6])
    return timedelta(minutes=-minutes if text[0] == "-" else minutes)


def changes(zone_id, start, end):
    """The UTC instants in [start, end) at which the zone's offset changes, to the second."""
    zone = ZoneInfo(zone_id)
    found = []
    t = start
    before = t.astimezone(zone).utcoffset()
    while t < end:
        later = t + timedelta(hours=1)
        offset = later.astimezone(zone).utcoffset()
        if offset != before:
            low, high = t, later  # the old offset at low, the new one at high
            while high - low > timedelta(seconds=1):
                middle = low + (high - low) // 2
                if middle.astimezone(zone).utcoffset() == before:
                    low = middle
                else:
                    high = middle
            found.append(high)
            before = offset
        t = later
    return found


cities = crlf_lines(os.path.join(app, "Cities.bak"))
table = dict(row.split("\t") for row in crlf_lines(os.path.join(app, "Zones.txt")))
missing = [line for line in cities if line not in table]
if missing:
    sys.exit(f"lines of Cities.bak that Zones.txt does not list: {missing[:5]}")

start = datetime(first_year, 1, 1, tzinfo=timezone.utc)
end = datetime(last_year + 1, 1, 1, tzinfo=timezone.utc)
zones = sorted({zone for zone in table.values() if zone})
instants = set()
change_count = 0
for zone_id in zones:
    for change in changes(zone_id, start, end):
        change_count += 1
        instants.update({change - timedelta(seconds=1), change, change + timedelta(hours=1)})
instants = sorted(instants)

folder = tempfile.mkdtemp(prefix="kerani-zone-sweep.")
try:
    shutil.copy2(os.path.join(app, "kerani"), folder)
    shutil.copy2(os.path.join(app, "Zones.txt"), folder)
    settings = ["[Settings]", f"Clocks={len(cities):02d}"]
    for number, line in enumerate(cities, 1):
        settings += [f"[Clock_{number:02d}]", f"Country/City={line}"]
    settings += ["[Options]", "Display_Time=1", "TimeFormat=3", "Display_Date=1", "DateFormat=2",
                 "Display_OpsDate=0", "Follow_DST=1"]
    with open(os.path.join(folder, "Kerani.ini"), "w", encoding="utf-8", newline="") as file:
        file.write("\r\n".join(settings) + "\r\n")
    before_run = sorted(os.listdir(folder))

    environment = dict(os.environ, LANG="C.UTF-8", LC_ALL="C.UTF-8", TZ="UTC")
    environment.pop("DISPLAY", None)
    environment.pop("WAYLAND_DISPLAY", None)
    environment.pop("QT_QPA_PLATFORM", None)
    checked = fixed_checked = 0
    mismatches = []
    for instant in instants:
        at = instant.strftime("%Y-%m-%dT%H:%M:%SZ")
        run = subprocess.run([os.path.join(folder, "kerani"), "--print", "--at", at],
                             capture_output=True, text=True, env=environment)
        lines = run.stdout.split("\n")[:-1] if run.stdout.endswith("\n") else [run.stdout]
        if run.returncode != 0 or len(lines) != len(cities):
            mismatches.append(f"{at}: status {run.returncode}, {len(lines)} lines: {run.stderr}")
            continue
        for city, printed in zip(cities, lines):
            zone_id = table[city]
            if zone_id:
                local = instant.astimezone(ZoneInfo(zone_id))
                checked += 1
            else:
                local = instant + fixed_offset(city)
                fixed_checked += 1
            name = city[:-15]
            expected = "\t".join([name, local.strftime("%H:%M:%S"), local.strftime("%Y/%m/%d"),
                                  "", zone_id])
            if printed != expected:
                mismatches.append(f"{at}: {printed!r}, expected {expected!r}")
    written = sorted(os.listdir(folder)) != before_run
finally:
    shutil.rmtree(folder)

print(f"years {first_year} to {last_year}: {len(zones)} zones, {change_count} changes, "
      f"{len(instants)} instants (the second before, the second of and the hour after each)")
print(f"{len(cities)} lines per instant, "
      f"{sum(1 for zone in table.values() if not zone)} without a zone (fixed offset)")
print(f"checked against the time-zone database: {checked} line readings "
      f"({checked // max(len(instants), 1)} lines x {len(instants)} instants)")
print(f"checked to keep their fixed offset: {fixed_checked} line readings")
print(f"files written into the application folder: {'some' if written else 'none'}")
print(f"mismatches: {len(mismatches)}")
for mismatch in mismatches[:50]:
    print("  " + mismatch)
sys.exit(1 if mismatches or written else 0)
