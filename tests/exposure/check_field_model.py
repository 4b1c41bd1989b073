#!/usr/bin/env python3
"""Checks `vlmcli field-strength --batch` against a second, independent
implementation of the field-strength model on random cases: wire antennas, and
apertures of 1 to 100 wavelengths from 1 MHz to 24 GHz.

Usage: check_field_model.py VLMCLI [CASES]
"""
import math
import random
import subprocess
import sys

RAISES = [(3, (0.1, 0.1, 0.1, 0.1)), (5, (0.1, 0.2, 0.2, 0.3)), (10, (0.2, 0.5, 0.1, 2.5)),
          (12.5, (0.5, 1.0, 2.5, 5.0)), (math.inf, (1.0, 2.0, 5.0, 10.0))]


def envelope(g):
    g0 = g[0]
    if g0 <= 3:
        s = RAISES[0][1]
    else:
        s = next(amounts for edge, amounts in RAISES[1:] if g0 < edge)
    raised = [g0]
    for gk in g[1:]:
        delta = g0 - gk
        if delta > 0:
            gk += s[min(int(delta // 10), 3)]
            gk = min(gk, g0)
        raised.append(gk)
    table = []
    for n in range(91):
        if n % 10 == 0:
            table.append(raised[n // 10])
            step = (raised[n // 10 + 1] - raised[n // 10]) / 10 if n < 90 else 0
        else:
            table.append(table[-1] + step)
    return table


def field(g, n, f, t, d, hp, pd, ha):
    """E in V/m, or None where the case sits on a boundary of the model."""
    r = math.hypot(ha - hp, d)
    if n > 0:
        lam = 300 / f
        diameter = lam * n
        near, far = lam * n * n / 4, 0.6 * lam * n * n
        theta = math.radians(math.degrees(math.atan((ha - hp) / d)) + t)
        x = r * math.cos(theta)
        y = abs(r * math.sin(theta))
        w = 0 if y <= diameter / 2 else min(24 * (y - diameter / 2) / diameter, 20)
        if min(abs(x - near), abs(x - far)) < 1e-9 * max(near, 1):
            return None
        if x <= near:
            return math.sqrt(10 ** ((pd - w) / 10) * 960.5) / diameter
        if x <= far:
            return math.sqrt(10 ** ((pd - w) / 10) * 240.13 / (lam * r))
    h = abs(math.degrees(math.atan((hp - ha) / d)) - t)
    if abs(h - 91) < 1e-9 or abs(h % 1 - 0.5) < 1e-9:
        return None
    if h >= 91:
        return 99999.9
    k = min(round(h), 90)
    return math.sqrt(30 * 10 ** ((pd + envelope(g)[k]) / 10)) / r


def random_case(rng):
    g0 = rng.uniform(-5, 45)
    pattern = [g0] + [g0 - rng.uniform(-3, 45) for _ in range(9)]
    aperture = rng.random() < 0.7
    return (pattern, rng.randint(1, 100) if aperture else 0,
            math.exp(rng.uniform(math.log(1), math.log(24000))), rng.uniform(-45, 45),
            rng.uniform(0.1, 300), rng.uniform(-20, 60), rng.uniform(-20, 35), rng.uniform(0, 60))


def main():
    vlmcli = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 5000
    rng = random.Random(15)
    cases = [random_case(rng) for _ in range(count)]
    lines = [" ".join(repr(v) for v in c[0]) + " " + " ".join(repr(v) for v in c[1:])
             for c in cases]
    run = subprocess.run([vlmcli, "field-strength", "--batch"], input="\n".join(lines) + "\n",
                         capture_output=True, text=True, check=False)
    if run.returncode != 0:
        print(run.stderr)
        return 1
    outputs = run.stdout.splitlines()
    if len(outputs) != count:
        print(f"{len(outputs)} result lines for {count} cases")
        return 1
    failures = skipped = 0
    for line, case, output in zip(lines, cases, outputs):
        expected = field(*case)
        if expected is None:
            skipped += 1
            continue
        got = float(output.split()[0])
        if not math.isclose(got, expected, rel_tol=1e-9, abs_tol=1e-300):
            failures += 1
            if failures <= 10:
                print(f"case '{line}': vlmcli {got!r}, expected {expected!r}")
    print(f"{count} cases, {skipped} on a boundary skipped, {failures} differ")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
