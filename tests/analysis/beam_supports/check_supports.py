#!/usr/bin/env python3
"""Holds the program's reactions of shafts on three to eight bearings against a beam model written
here, on a stepped shaft with cones and on random shafts: rigid and elastic bearings, uniform,
stepped and coned sections, loads anywhere along the shaft, its overhangs included.

The model has its own mesh: uniform cubic Hermite elements of at most 1 mm over the whole shaft,
ends and overhangs included, between the bearings, the loads and the ends of the section's pieces
(the program places no node at a step, and its elements span many of them); each element's
stiffness is E I(x) integrated over it by six Gauss points (exact for a cone's d^4). Loads are
nodal forces and moments, a rigid bearing holds its node's deflection, an elastic one adds its
stiffness there; a rigid bearing's reaction is what its row of the assembled beam leaves over, an
elastic one's is -k v."""
import math
import random
import subprocess
import sys

import numpy as np

E = 210000.0
LONGEST = 1.0
LIMIT = 1e-4
GAUSS_X, GAUSS_W = np.polynomial.legendre.leggauss(6)


def rigidity(pieces, xs):
    """E I at xs over the section's pieces (x1, x2, d1, d2), the diameter linear along each."""
    if not pieces:
        return np.full_like(xs, 1e10)
    starts = np.array([p[0] for p in pieces])
    n = np.clip(np.searchsorted(starts, xs, side="right") - 1, 0, len(pieces) - 1)
    x1, x2, d1, d2 = np.array(pieces)[n].T
    d = d1 + (d2 - d1) * (xs - x1) / (x2 - x1)
    return E * math.pi * d ** 4 / 64


def element(pieces, x1, x2):
    h = x2 - x1
    xs, ws = x1 + (1 + GAUSS_X) / 2 * h, GAUSS_W * h / 2
    u = (xs - x1) / h
    bends = np.stack([(12 * u - 6) / h**2, (6 * u - 4) / h, (6 - 12 * u) / h**2, (6 * u - 2) / h])
    return (bends * (ws * rigidity(pieces, xs))) @ bends.T


def mesh(points):
    joints = sorted(set(points))
    nodes = [joints[0]]
    for a, b in zip(joints, joints[1:]):
        parts = max(1, int(np.ceil((b - a) / LONGEST)))
        nodes += [a + (b - a) * j / parts for j in range(1, parts + 1)]
    return np.array(nodes)


def index(nodes, x):
    i = int(np.argmin(np.abs(nodes - x)))
    assert abs(nodes[i] - x) < 1e-9
    return i


def model(beam):
    supports, loads, pieces = beam["supports"], beam["loads"], beam["pieces"]
    ends = [x for p in pieces for x in p[:2]]
    nodes = mesh([x for x, _ in supports] + [l[0] for l in loads] + ends)
    size = 2 * len(nodes)
    k, f = np.zeros((size, size)), np.zeros(size)
    for e in range(len(nodes) - 1):
        k[2 * e:2 * e + 4, 2 * e:2 * e + 4] += element(pieces, nodes[e], nodes[e + 1])
    for x, force, couple in loads:
        i = index(nodes, x)
        # v counts with the reactions and the rotation counter-clockwise: a clockwise couple works against it.
        f[2 * i] += force
        f[2 * i + 1] -= couple
    held = [2 * index(nodes, x) for x, spring in supports if spring == 0]
    springy = k.copy()
    for x, spring in supports:
        springy[2 * index(nodes, x), 2 * index(nodes, x)] += spring
    free = [d for d in range(size) if d not in held]
    v = np.zeros(size)
    v[free] = np.linalg.solve(springy[np.ix_(free, free)], f[free])
    return [k[2 * index(nodes, x)] @ v - f[2 * index(nodes, x)] if spring == 0 else -spring * v[2 * index(nodes, x)]
            for x, spring in supports]


def request(beam):
    words = [len(beam["supports"])] + [w for s in beam["supports"] for w in s]
    words += [len(beam["loads"])] + [w for l in beam["loads"] for w in l]
    words += [E, len(beam["pieces"])] + [w for p in beam["pieces"] for w in p]
    return " ".join(repr(float(w)) if isinstance(w, float) else str(w) for w in words)


def half(value):
    return round(value * 2) / 2


def random_section(rng, length, supports, coned):
    cuts = sorted(set(half(rng.uniform(5, length - 5)) for _ in range(rng.randrange(3, 11))))
    # Now and then a step right at a bearing.
    if rng.random() < 0.3:
        cuts = sorted(set(cuts + [rng.choice(supports)[0]]) - {0.0, length})
    edges = [0.0] + cuts + [length]
    pieces = []
    for x1, x2 in zip(edges, edges[1:]):
        d1 = float(rng.randrange(20, 81))
        d2 = float(rng.randrange(20, 81)) if coned and rng.random() < 0.5 else d1
        pieces.append((x1, x2, d1, d2))
    return pieces


def random_beam(rng):
    overhangs = [half(rng.uniform(10, 150)) if rng.random() < 0.6 else 0.0 for _ in range(2)]
    positions = [overhangs[0]]
    for _ in range(rng.randrange(2, 8)):
        positions.append(positions[-1] + half(rng.uniform(40, 250)))
    length = positions[-1] + overhangs[1]
    kind = rng.choice(["uniform", "stepped", "coned"])
    elastic = kind != "uniform" and rng.random() < 0.7
    supports = [(x, 10 ** rng.uniform(3, 6.5) if elastic and rng.random() < 0.5 else 0.0) for x in positions]
    rng.shuffle(supports)
    loads = []
    for _ in range(rng.randrange(1, 13)):
        x = rng.choice(positions) if rng.random() < 0.15 else half(rng.uniform(0, length))
        loads.append((x, float(rng.choice([-1, 1]) * rng.randrange(100, 5001)), 0.0))
    for _ in range(rng.randrange(0, 7)):
        loads.append((half(rng.uniform(0, length)), 0.0, float(rng.choice([-1, 1]) * rng.randrange(10000, 500001))))
    pieces = [] if kind == "uniform" else random_section(rng, length, supports, kind == "coned")
    return {"supports": supports, "loads": loads, "pieces": pieces}


# A shaft of 40, 55 and 45 mm with cones between, on four bearings, the second one elastic, with
# loads on both overhangs.
STEPPED = {"supports": [(30.0, 0.0), (180.0, 5e4), (330.0, 0.0), (520.0, 0.0)],
           "loads": [(0.0, -1500.0, 0.0), (100.0, -4000.0, 0.0), (250.0, 2500.0, 120000.0),
                     (400.0, -3000.0, 0.0), (560.0, 800.0, -50000.0)],
           "pieces": [(0.0, 150.0, 40.0, 40.0), (150.0, 170.0, 40.0, 55.0), (170.0, 350.0, 55.0, 55.0),
                      (350.0, 360.0, 55.0, 45.0), (360.0, 560.0, 45.0, 45.0)]}

# A cone from 20 to 80 mm over the whole first span, which carries no load: E I grows 256-fold
# along one of the program's elements, and its quadrature has to follow the taper.
CONE = {"supports": [(0.0, 0.0), (400.0, 2e5), (600.0, 0.0), (800.0, 0.0)],
        "loads": [(500.0, -5000.0, 0.0), (700.0, 0.0, 300000.0), (830.0, -2000.0, 0.0)],
        "pieces": [(0.0, 400.0, 20.0, 80.0), (400.0, 830.0, 80.0, 80.0)]}


def main():
    dump = sys.argv[1]
    rng = random.Random(29)
    beams = [STEPPED, CONE] + [random_beam(rng) for _ in range(int(sys.argv[2]) if len(sys.argv) > 2 else 40)]
    out = subprocess.run([dump], input="\n".join(request(b) for b in beams) + "\n", capture_output=True,
                         text=True, check=True).stdout.splitlines()
    failed, worst = 0, 0.0
    for beam, line in zip(beams, out):
        if line.startswith("refused"):
            error = math.inf
        else:
            program, reference = [float(w) for w in line.split()], model(beam)
            error = max(abs(p - r) for p, r in zip(program, reference)) / max(abs(r) for r in reference)
        worst = max(worst, error)
        if not error <= LIMIT:
            failed += 1
            print("beam", beam, "\n  program:", line, "\n  model:  ", model(beam), f"\n  error {error:.2e}")
    print(f"{len(beams) - failed} passed, {failed} failed; worst relative error {worst:.2e}")
    return 1 if failed or len(out) != len(beams) else 0


if __name__ == "__main__":
    sys.exit(main())
