#!/usr/bin/env python3
"""Holds the program's deflections, slopes and first critical speed of a drawn stepped shaft
(a fillet, a shoulder and a cone) against a beam model written here: cubic Hermite elements on a
fine mesh, the exact circle of the fillet, stiffness and consistent mass assembled with numpy,
loads as nodal forces and moments, simple supports at the bearings."""
import random
import subprocess
import sys

import numpy as np

L, A, B, E, RHO = 400.0, 20.0, 380.0, 210000.0, 7850.0
PROFILE = ["line 0/0/0/15/0/", "line 0/15/97/15/0/", "arc 94/15/100/21/100/18/97/15/",
           "line 100/18/100/22.5/0/", "line 100/22.5/300/22.5/0/", "line 300/22.5/310/17.5/0/",
           "line 310/17.5/400/17.5/0/", "line 400/17.5/400/0/0/"]
JOINTS = [0.0, 97.0, 100.0, 300.0, 310.0, 400.0]


def radius(x):
    if x <= 97.0:
        return 15.0
    if x <= 100.0:  # the fillet's circle: centre (97, 18), radius 3
        return 18.0 - np.sqrt(max(9.0 - (x - 97.0) ** 2, 0.0))
    if x <= 300.0:
        return 22.5
    if x <= 310.0:
        return 22.5 - (x - 300.0) * 0.5
    return 17.5


GAUSS_X, GAUSS_W = np.polynomial.legendre.leggauss(6)


def element(x1, x2):
    h = x2 - x1
    k = np.zeros((4, 4))
    m = np.zeros((4, 4))
    for g, w in zip(GAUSS_X, GAUSS_W):
        u = (1 + g) / 2
        r = radius(x1 + u * h)
        area, inertia = np.pi * r * r, np.pi * r ** 4 / 4
        n = np.array([1 - 3 * u**2 + 2 * u**3, h * (u - 2 * u**2 + u**3), 3 * u**2 - 2 * u**3, h * (u**3 - u**2)])
        c = np.array([(12 * u - 6) / h**2, (6 * u - 4) / h, (6 - 12 * u) / h**2, (6 * u - 2) / h])
        k += w * h / 2 * E * inertia * np.outer(c, c)
        m += w * h / 2 * RHO * 1e-12 * area * np.outer(n, n)
    return k, m


def mesh(points):
    joints = sorted(set(JOINTS + points))
    nodes = [joints[0]]
    for a, b in zip(joints, joints[1:]):
        fine = 0.25 if 97.0 <= a < 100.0 else 1.0
        parts = max(1, int(np.ceil((b - a) / fine)))
        nodes += [a + (b - a) * j / parts for j in range(1, parts + 1)]
    return np.array(nodes)


def assemble(nodes):
    size = 2 * len(nodes)
    k, m = np.zeros((size, size)), np.zeros((size, size))
    for e in range(len(nodes) - 1):
        ke, me = element(nodes[e], nodes[e + 1])
        k[2 * e:2 * e + 4, 2 * e:2 * e + 4] += ke
        m[2 * e:2 * e + 4, 2 * e:2 * e + 4] += me
    return k, m


def index(nodes, x):
    i = int(np.argmin(np.abs(nodes - x)))
    assert abs(nodes[i] - x) < 1e-9
    return i


def model(loads, masses, queries):
    nodes = mesh([A, B] + [p for _, p, _, _, _ in loads] + [p for p, _ in masses] + queries)
    k, m = assemble(nodes)
    for position, kg in masses:
        i = index(nodes, position)
        m[2 * i, 2 * i] += kg * 1e-3
    free = [d for d in range(2 * len(nodes)) if d not in (2 * index(nodes, A), 2 * index(nodes, B))]
    kf, mf = k[np.ix_(free, free)], m[np.ix_(free, free)]
    planes = {}
    for plane in "HV":
        f = np.zeros(2 * len(nodes))
        for kind, position, value, up, p in loads:
            if p != plane:
                continue
            i = index(nodes, position)
            sign = 1.0 if up else -1.0
            # An upward force lifts; a clockwise moment (direction 1) turns the shaft clockwise.
            if kind == "f":
                f[2 * i] += sign * value
            else:
                f[2 * i + 1] -= sign * value
        u = np.zeros(2 * len(nodes))
        u[free] = np.linalg.solve(kf, f[free])
        planes[plane] = u
    chol = np.linalg.cholesky(mf)
    inv = np.linalg.inv(chol)
    lowest = np.linalg.eigvalsh(inv @ kf @ inv.T)[0]
    rpm = np.sqrt(lowest) * 60 / (2 * np.pi)
    results = {}
    for x in queries:
        i = index(nodes, x)
        results[x] = (planes["H"][2 * i], planes["V"][2 * i], planes["H"][2 * i + 1], planes["V"][2 * i + 1])
    return results, rpm


def request(loads, masses, queries):
    words = [L, A, B, E, RHO]
    for plane in "HV":
        mine = [l for l in loads if l[4] == plane]
        words.append(len(mine))
        for kind, position, value, up, _ in mine:
            words += [kind, position, value, 1 if up else 0]
    words.append(len(masses))
    for position, kg in masses:
        words += [position, kg]
    words.append(len(PROFILE))
    words += [line.replace(" ", "_") for line in PROFILE]
    words.append(len(queries))
    words += queries
    return " ".join(str(w) for w in words) + "\n"


def worst(program, model_, key):
    scale = max(abs(model_[x][key]) for x in model_)
    return max(abs(program[x][key] - model_[x][key]) for x in model_) / scale


def check(dump, loads, masses):
    queries = sorted(set([5.0 * i for i in range(81)] + [98.5] + [p for _, p, _, _, _ in loads]))
    out = subprocess.run([dump], input=request(loads, masses, queries), capture_output=True, text=True, check=True)
    lines = out.stdout.split("\n")
    if lines[0].startswith("refused"):
        return [f"refused: {lines[0]}"]
    program = {}
    for line in lines:
        words = line.split()
        if len(words) == 5:
            program[float(words[0])] = tuple(float(w) for w in words[1:])
        elif len(words) == 2 and words[0] == "ncr":
            ncr = float(words[1])
    reference, rpm = model(loads, masses, queries)
    faults = []
    for key, name, limit in ((0, "yH", 1e-3), (1, "yV", 1e-3), (2, "slopeH", 1e-3), (3, "slopeV", 1e-3)):
        error = worst(program, reference, key)
        if error > limit:
            faults.append(f"{name}: relative error {error:.2e}")
    if abs(ncr / rpm - 1) > 5e-3:
        faults.append(f"critical speed {ncr:.2f} rpm against {rpm:.2f} rpm")
    return faults


def main():
    dump = sys.argv[1]
    cases = [([("f", 150.0, 1200.0, False, "H"), ("f", 390.0, 800.0, True, "H"), ("m", 250.0, 20000.0, True, "H"),
               ("f", 200.0, 2500.0, False, "V"), ("f", 5.0, 500.0, False, "V")],
              [(200.0, 8.0), (390.0, 3.0)])]
    rng = random.Random(21)
    for _ in range(4):
        loads = [(rng.choice("ffm"), float(rng.randrange(0, 401, 5)), float(rng.randrange(100, 5000)),
                  rng.random() < 0.5, plane) for plane in "HV" for _ in range(rng.randrange(1, 5))]
        masses = [(float(rng.randrange(0, 401, 10)), float(rng.randrange(1, 20))) for _ in range(rng.randrange(0, 3))]
        cases.append((loads, masses))
    failed = 0
    for loads, masses in cases:
        faults = check(dump, loads, masses)
        if faults:
            failed += 1
            print("case", loads, masses)
            for fault in faults:
                print("  ", fault)
    print(f"{len(cases) - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
