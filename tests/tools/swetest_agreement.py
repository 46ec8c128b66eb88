#!/usr/bin/env python3
"""Checks nemra-chart's positions against the Swiss Ephemeris reference tool, swetest.

For moments spread over 1800-2399 (and a few chosen edge cases) it casts a chart with
nemra-chart and asks swetest, in files mode, for the same universal time: Sun, Moon,
Mercury..Pluto, both nodes, Cupido..Poseidon, the MC and the Ascendant must agree within
one arc-second. Exit status 0 when all agree, 1 otherwise.

usage: swetest_agreement.py NEMRA_CHART SWETEST [COUNT]
"""
import random
import subprocess
import sys

TOLERANCE_ARCSEC = 1.0
# nemra-chart factor index -> swetest planet letter
PLANETS = {3: "0", 4: "1", 6: "2", 7: "3", 8: "4", 9: "5", 10: "6", 11: "7", 12: "8", 13: "9",
           14: "J", 15: "K", 16: "L", 17: "M", 18: "N", 19: "O", 20: "P", 21: "Q"}
MEAN_NODE, TRUE_NODE = "m", "t"


def christian_to_be(month, year):
    """The Buddhist-era year that the chart input reads back as `year`: before 1941 the year
    began on 1 April, so January to March 1940 are 2482 BE, and January 1941 began 2484 BE."""
    return year + 542 if (month < 4 and year < 1941) else year + 543


def deg_min(value, digits):
    whole = int(abs(value))
    minutes = round((abs(value) - whole) * 60)
    if minutes == 60:
        whole, minutes = whole + 1, 0
    return f"{whole:0{digits}d}.{minutes:02d}", whole + minutes / 60.0


def nemra_positions(tool, natal, mean_node=False):
    args = [tool, "positions", "--natal", natal] + (["--mean-node"] if mean_node else [])
    out = subprocess.run(args, check=True, capture_output=True, text=True).stdout.splitlines()
    return {int(line.split("\t")[0]): float(line.split("\t")[2]) for line in out[1:]}


def swetest_positions(tool, day, month, year, hour, minute, second, lon, lat):
    ut = f"{hour}:{minute:02d}:{second:02d}"
    letters = "".join(PLANETS.values()) + MEAN_NODE + TRUE_NODE
    args = [tool, f"-b{day}.{month}.{year}", f"-ut{ut}", f"-p{letters}", "-fl", "-head", "-g,",
            f"-house{lon},{lat},E"]
    lines = subprocess.run(args, check=True, capture_output=True, text=True).stdout.splitlines()
    values = [float(line.split(",")[0]) for line in lines if line.strip() and not line.startswith("warning")]
    body_count = len(letters)
    result = {factor: values[i] for i, factor in enumerate(PLANETS)}
    result["mean"] = values[len(PLANETS)]
    result["true"] = values[len(PLANETS) + 1]
    # after the bodies: 12 house cusps, then Ascendant, MC, ...
    result[2] = values[body_count + 12]
    result[1] = values[body_count + 13]
    return result


def arcsec_apart(a, b):
    d = (a - b) % 360.0
    return min(d, 360.0 - d) * 3600.0


def check(nemra, swetest, day, month, year, hour, minute, second, lat, lon):
    lat_text, lat_deg = deg_min(lat, 2)
    lon_text, lon_deg = deg_min(lon, 3)
    lat_deg, lon_deg = (lat_deg if lat >= 0 else -lat_deg), (lon_deg if lon >= 0 else -lon_deg)
    natal = (f"{day:02d}/{month:02d}/{christian_to_be(month, year)},"
             f"{hour:02d}.{minute:02d}.{second:02d},0.00E,{lat_text}{'N' if lat >= 0 else 'S'},"
             f"{lon_text}{'E' if lon >= 0 else 'W'}")
    ours = nemra_positions(nemra, natal)
    ours_mean = nemra_positions(nemra, natal, mean_node=True)
    ref = swetest_positions(swetest, day, month, year, hour, minute, second, lon_deg, lat_deg)
    failures = []
    for factor in list(PLANETS) + [1, 2]:
        if arcsec_apart(ours[factor], ref[factor]) > TOLERANCE_ARCSEC:
            failures.append(f"{natal}: factor {factor} {ours[factor]:.7f} vs swetest {ref[factor]:.7f}")
    for label, value in (("true", ours[5]), ("mean", ours_mean[5])):
        if arcsec_apart(value, ref[label]) > TOLERANCE_ARCSEC:
            failures.append(f"{natal}: {label} node {value:.7f} vs swetest {ref[label]:.7f}")
    return failures


def main():
    if len(sys.argv) < 3:
        print(__doc__)
        return 2
    nemra, swetest = sys.argv[1], sys.argv[2]
    count = int(sys.argv[3]) if len(sys.argv) > 3 else 40
    rng = random.Random(20261208)
    cases = [
        (2, 1, 1800, 0, 0, 0, 13.75, 100.5),
        (31, 12, 2399, 23, 59, 59, 13.75, 100.5),
        (24, 6, 1932, 23, 0, 0, 89.98, -180.0),
        (15, 3, 1941, 2, 30, 0, -66.55, 100.5),
    ]
    for _ in range(count):
        cases.append((rng.randint(1, 28), rng.randint(1, 12), rng.randint(1800, 2399), rng.randint(0, 23),
                      rng.randint(0, 59), rng.randint(0, 59), rng.uniform(-66, 66), rng.uniform(-180, 180)))
    failures = []
    for case in cases:
        failures += check(nemra, swetest, *case)
    for line in failures:
        print(line)
    print(f"{len(cases) - len({f.split(':')[0] for f in failures})} passed, "
          f"{len({f.split(':')[0] for f in failures})} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
