#!/usr/bin/env python3
"""Holds the program's deflections, slopes and first critical speed against a beam model written
here, on a stepped shaft and on random drawn shafts with fillets, chamfers and cones, on two
bearings and on three to eight.

The model reads the drawing itself: its own reader of the line and arc statements, each arc the
exact circle of its bounding square, on the side of its centre that the order of its ends gives.
Its mesh is its own: uniform elements of at most 2 mm between the bearings, loads, masses and the
answers' positions, not at the drawing's ends; cubic Hermite elements with six Gauss points on each
piece of the outline they span,
stiffness and consistent mass assembled with numpy, loads as nodal forces and moments, simple
supports at the bearings or, where a bearing is given a stiffness, a spring on its deflection (so
the reactions of elastic bearings, and those of every bearing past the second, come out of the
model's own solution of the whole shaft, not from statics), the
first mode from a dense symmetric eigenproblem of the flexibility; and the twist under a T(x) of
steps, as the largest angle between two sections of the integral of T / (G Ip) over the model's
own reading of the outline. A bore, where one is drawn, is read by the model as its own lines of the
bore's radius along x, the widest where two reach the same place, and taken out of A, I and Ip."""
import random
import subprocess
import sys

import numpy as np

E, RHO, G = 210000.0, 7850.0, 81000.0
LONGEST = 2.0
RADIUS_STEP, MOST_CUTS = 1.1, 8
GAUSS_X, GAUSS_W = np.polynomial.legendre.leggauss(6)
SPEED_LIMIT, LINE_LIMIT, TWIST_LIMIT = 1e-3, 1e-3, 1e-4


class Outline:
    """The drawn outline along the axis: pieces (x1, x2, kind, data), left end first; and the
    bore's lines (x1, x2, r1, r2)."""

    def __init__(self, statements):
        self.pieces, self.bores = [], []
        for text in statements:
            words = [float(w) for w in text[text.index(" ") + 1:].split("/")[:-1]]
            if text.startswith("line"):
                self.add_line(*words[:4])
            elif text.startswith("bore"):
                (x1, r1), (x2, r2) = sorted([(words[0], words[1]), (words[2], words[3])])
                self.bores.append((x1, x2, r1, r2))
            else:
                self.add_arc(*words)
        self.pieces.sort()
        self.starts = np.array([p[0] for p in self.pieces])
        self.stops = np.array([p[1] for p in self.pieces])
        self.arc = np.array([p[2] == "arc" for p in self.pieces])
        # A line's (y1, y2, -, -) or an arc's (cx, cy, radius, side), by piece.
        self.data = np.array([list(p[3]) + [0.0] * (4 - len(p[3])) for p in self.pieces])
        bore_ends = [x for b in self.bores for x in b[:2]]
        self.ends = np.unique(np.concatenate([self.starts, self.stops, bore_ends]))

    def add_line(self, x1, y1, x2, y2):
        if x1 != x2:
            (x1, y1), (x2, y2) = sorted([(x1, y1), (x2, y2)])
            self.pieces.append((x1, x2, "line", (y1, y2)))

    def add_arc(self, xa, ya, xb, yb, xs, ys, xe, ye):
        cx, cy = (xa + xb) / 2, (ya + yb) / 2
        radius = np.hypot(xs - cx, ys - cy)
        # Counter-clockwise on the screen (y drawn downwards): beyond the centre when it runs to larger x.
        side = 1.0 if xs < xe else -1.0
        self.pieces.append((min(xs, xe), max(xs, xe), "arc", (cx, cy, radius, side)))

    def radius(self, xs):
        n = np.clip(np.searchsorted(self.starts, xs, side="right") - 1, 0, len(self.pieces) - 1)
        x1, x2, (a, b, c, d) = self.starts[n], self.stops[n], self.data[n].T
        line = a + (xs - x1) * (b - a) / (x2 - x1)
        circle = b + d * np.sqrt(np.maximum(c * c - (xs - a) ** 2, 0.0))
        return np.abs(np.where(self.arc[n], circle, line))

    def bore(self, xs):
        """The widest bore line's radius at each x, 0 where no bore line reaches it."""
        widest = np.zeros_like(xs)
        for x1, x2, r1, r2 in self.bores:
            inside = (xs >= x1) & (xs <= x2)
            widest = np.where(inside, np.maximum(widest, r1 + (xs - x1) * (r2 - r1) / (x2 - x1)), widest)
        return widest

    def fourth_powers(self, xs):
        """r^4 - ri^4, mm^4."""
        return self.radius(xs) ** 4 - self.bore(xs) ** 4

    def quadrature(self, a, b):
        """Gauss points and weights over [a, b], six to each piece it spans (an arc in parts of at
        most an eighth of its radius), so that d(x) is smooth between them."""
        inside = self.ends[np.searchsorted(self.ends, a, side="right"):np.searchsorted(self.ends, b, side="left")]
        cuts = [a] + list(inside) + [b]
        points, weights = [], []
        for p, q in zip(cuts, cuts[1:]):
            n = max(int(np.searchsorted(self.starts, (p + q) / 2, side="right")) - 1, 0)
            parts = max(1, int(np.ceil((q - p) / (self.data[n][2] / 8)))) if self.arc[n] else 1
            for j in range(parts):
                u, v = p + (q - p) * j / parts, p + (q - p) * (j + 1) / parts
                points += list(u + (1 + GAUSS_X) / 2 * (v - u))
                weights += list(GAUSS_W * (v - u) / 2)
        return np.array(points), np.array(weights)


def mesh(outline, points, length):
    """Elements of LONGEST or less between the points the loads, masses and answers need; the
    outline's own ends are not nodes. A cubic element follows M / E I only while I changes little
    along it, so an element over which the radius changes by more than RADIUS_STEP (a cone, an arc,
    a step inside it) is cut into as many equal parts as that ratio needs, MOST_CUTS at most: on
    three bearings and more the reactions hang on these flexibilities, and a cone of 2 mm from d 32
    to 72 inside one element moved a whole shaft's deflections by 0.3 %; but much shorter elements
    beside soft springs leave the stiffness matrix too ill-conditioned for double precision."""
    joints = sorted(set([0.0, length] + points))
    nodes = [joints[0]]
    for a, b in zip(joints, joints[1:]):
        parts = max(1, int(np.ceil((b - a) / LONGEST)))
        for j in range(1, parts + 1):
            u, v = nodes[-1], a + (b - a) * j / parts
            radii = outline.fourth_powers(np.linspace(u, v, 17)) ** 0.25
            cuts = max(1, min(int(np.ceil(np.log(radii.max() / radii.min()) / np.log(RADIUS_STEP))), MOST_CUTS))
            nodes += [u + (v - u) * i / cuts for i in range(1, cuts + 1)]
    return np.array(nodes)


def element(outline, x1, x2):
    h = x2 - x1
    xs, ws = outline.quadrature(x1, x2)
    u = (xs - x1) / h
    r, ri = outline.radius(xs), outline.bore(xs)
    area, inertia = np.pi * (r ** 2 - ri ** 2), np.pi * (r ** 4 - ri ** 4) / 4
    shapes = np.stack([1 - 3 * u**2 + 2 * u**3, h * (u - 2 * u**2 + u**3), 3 * u**2 - 2 * u**3, h * (u**3 - u**2)])
    bends = np.stack([(12 * u - 6) / h**2, (6 * u - 4) / h, (6 - 12 * u) / h**2, (6 * u - 2) / h])
    k = (bends * (ws * E * inertia)) @ bends.T
    m = (shapes * (ws * RHO * 1e-12 * area)) @ shapes.T
    return k, m


def assemble(outline, nodes):
    size = 2 * len(nodes)
    k, m = np.zeros((size, size)), np.zeros((size, size))
    for e in range(len(nodes) - 1):
        ke, me = element(outline, nodes[e], nodes[e + 1])
        k[2 * e:2 * e + 4, 2 * e:2 * e + 4] += ke
        m[2 * e:2 * e + 4, 2 * e:2 * e + 4] += me
    return k, m


def index(nodes, x):
    i = int(np.argmin(np.abs(nodes - x)))
    assert abs(nodes[i] - x) < 1e-9
    return i


def supports(shaft):
    """(position, stiffness) of every bearing in the order of entry."""
    if "bearings" in shaft:
        return shaft["bearings"]
    return [(shaft["A"], shaft.get("kA", 0.0)), (shaft["B"], shaft.get("kB", 0.0))]


def model(shaft, queries):
    outline = Outline(shaft["profile"])
    loads, masses = shaft["loads"], shaft["masses"]
    nodes = mesh(outline, [p for p, _ in supports(shaft)] + [l[1] for l in loads] + [p for p, _ in masses] + queries, shaft["L"])
    k, m = assemble(outline, nodes)
    for position, kg in masses:
        i = index(nodes, position)
        m[2 * i, 2 * i] += kg * 1e-3
    held = []
    for position, spring in supports(shaft):
        d = 2 * index(nodes, position)
        if spring > 0:
            k[d, d] += spring
        else:
            held.append(d)
    free = [d for d in range(2 * len(nodes)) if d not in held]
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
    # The largest eigenvalue of L^-1 M L^-T, K = L L^T, is 1 / omega1^2: the fine elements of an arc
    # leave M nearly singular, but not this; scaled to a unit diagonal of K.
    scale = 1 / np.sqrt(np.diag(kf))
    kf, mf = kf * np.outer(scale, scale), mf * np.outer(scale, scale)
    inverse = np.linalg.inv(np.linalg.cholesky(kf))
    largest = np.linalg.eigvalsh(inverse @ mf @ inverse.T)[-1]
    rpm = np.sqrt(1 / largest) * 60 / (2 * np.pi)
    results = {}
    for x in queries:
        i = index(nodes, x)
        results[x] = (planes["H"][2 * i], planes["V"][2 * i], planes["H"][2 * i + 1], planes["V"][2 * i + 1])
    return results, rpm


def twist(shaft):
    """Degrees between the two sections that turn most against each other: phi(x) is the integral
    of T / (G pi (d^4 - di^4) / 32) from the left end, monotone between the steps, so its extremes lie there."""
    outline, steps = Outline(shaft["profile"]), shaft["torques"]
    turned, angles = 0.0, [0.0]
    for (start, torque), (stop, _) in zip(steps, steps[1:]):
        points, weights = outline.quadrature(start, stop)
        polar = np.pi * 16 * outline.fourth_powers(points) / 32
        turned += torque * 1000 * np.sum(weights / (G * polar))
        angles.append(turned)
    return np.degrees(max(angles) - min(angles))


def torque_steps(rng, length):
    """T(x) of two to five elements at distinct places, summing to zero: N*m from each place on."""
    places = sorted(rng.sample(range(0, int(length) + 1, 5), rng.randrange(2, 6)))
    running, steps = 0.0, []
    for place in places[:-1]:
        running += float(rng.randrange(-800, 801))
        steps.append((float(place), running))
    return steps + [(float(places[-1]), 0.0)]


def request(shaft, queries):
    words = [shaft["L"], E, RHO, len(supports(shaft))]
    for position, spring in supports(shaft):
        words += [position, spring]
    words.append(len(shaft["profile"]))
    words += [line.replace(" ", "_") for line in shaft["profile"]]
    for plane in "HV":
        mine = [l for l in shaft["loads"] if l[4] == plane]
        words.append(len(mine))
        for kind, position, value, up, _ in mine:
            words += [kind, position, value, 1 if up else 0]
    words.append(len(shaft["masses"]))
    for position, kg in shaft["masses"]:
        words += [position, kg]
    words.append(len(queries))
    words += queries
    words.append(len(shaft["torques"]))
    for position, torque in shaft["torques"]:
        words += [position, torque]
    return " ".join(str(w) for w in words) + "\n"


def worst(program, model_, key):
    """Relative to the line's largest value. A plane whose loads all sit on rigid bearings does not
    bend: there a line of more than round-off (1E-12 mm or rad) is wrong outright."""
    scale = max(abs(model_[x][key]) for x in model_)
    miss = max(abs(program[x][key] - model_[x][key]) for x in model_)
    if scale == 0:
        return 0.0 if miss < 1e-12 else 1.0
    return miss / scale


def check(dump, shaft):
    """The faults found, the critical speed's relative error and the elastic lines' worst one."""
    queries = sorted(set([float(x) for x in range(0, int(shaft["L"]) + 1, 5)] + [l[1] for l in shaft["loads"]]))
    out = subprocess.run([dump], input=request(shaft, queries), capture_output=True, text=True, check=True)
    lines = out.stdout.split("\n")
    if lines[0].startswith("refused"):
        return [f"refused: {lines[0]}"], 1.0, 1.0
    program = {}
    for line in lines:
        words = line.split()
        if len(words) == 5:
            program[float(words[0])] = tuple(float(w) for w in words[1:])
        elif len(words) == 2 and words[0] == "ncr":
            ncr = float(words[1])
        elif len(words) == 2 and words[0] == "twist":
            degrees = abs(float(words[1]))
    reference, rpm = model(shaft, queries)
    faults, line_error = [], 0.0
    for key, name in ((0, "yH"), (1, "yV"), (2, "slopeH"), (3, "slopeV")):
        error = worst(program, reference, key)
        line_error = max(line_error, error)
        if error > LINE_LIMIT:
            faults.append(f"{name}: relative error {error:.2e}")
    speed_error = abs(ncr / rpm - 1)
    if speed_error > SPEED_LIMIT:
        faults.append(f"critical speed {ncr:.2f} rpm against {rpm:.2f} rpm")
    expected = twist(shaft)
    twist_error = abs(degrees - expected) / expected if expected > 0 else degrees
    if twist_error > TWIST_LIMIT:
        faults.append(f"twist {degrees:.6f} deg against {expected:.6f} deg")
    return faults, speed_error, max(line_error, twist_error)


def number(value):
    return f"{value:.10g}"


def line(x1, y1, x2, y2):
    return f"line {number(x1)}/{number(y1)}/{number(x2)}/{number(y2)}/0/"


def arc(corner1, corner2, start, end):
    return "arc " + "".join(f"{number(v)}/" for v in (*corner1, *corner2, *start, *end))


def fillet(s, small, large, radius, up):
    """The corner tool's quarter circle in the corner between the thinner step and the face at s."""
    if up:
        return arc((s - 2 * radius, small + 2 * radius), (s, small), (s, small + radius), (s - radius, small))
    return arc((s, small), (s + 2 * radius, small + 2 * radius), (s + radius, small), (s, small + radius))


def transition(rng, x, s, ra, rb, room):
    """Statements from (x, ra), the start of the left step, over the cut at s to the start of the
    right step: the statements and where the right step starts. Fillets, chamfers and cones stay
    within `room` of the cut."""
    up, small, large = rb > ra, min(ra, rb), max(ra, rb)
    height = large - small
    kind = rng.choice(["sharp", "fillet", "full fillet", "chamfer", "cone"])
    if kind in ("fillet", "full fillet"):
        radius = height if kind == "full fillet" else max(round(rng.uniform(0.05, 1.0) * height, 1), 0.1)
        radius = min(radius, room)
        face = [line(s, small + radius, s, large)] if radius < height else []
        if up:
            return [line(x, ra, s - radius, ra), fillet(s, small, large, radius, True)] + face, s
        return [line(x, ra, s, ra)] + face + [fillet(s, small, large, radius, False)], s + radius
    if kind == "chamfer":
        cut = min(max(round(rng.uniform(0.2, 0.9) * height, 1), 0.1), room)
        if up:
            return [line(x, ra, s, ra), line(s, ra, s, rb - cut), line(s, rb - cut, s + cut, rb)], s + cut
        return [line(x, ra, s - cut, ra), line(s - cut, ra, s, ra - cut), line(s, ra - cut, s, rb)], s
    if kind == "cone":
        width = min(float(rng.randrange(2, 31)), room)
        return [line(x, ra, s, ra), line(s, ra, s + width, rb)], s + width
    return [line(x, ra, s, ra), line(s, ra, s, rb)], s


def random_shaft(rng):
    length = float(rng.randrange(300, 601, 10))
    cuts = [float(c) for c in sorted(rng.sample(range(50, int(length) - 50 + 1, 50), rng.randrange(2, 6)))]
    radii = [float(rng.randrange(10, 41))]
    for _ in cuts:
        radii.append(float(rng.choice([r for r in range(10, 41) if r != radii[-1]])))
    profile, x = [line(0, 0, 0, radii[0])], 0.0
    for s, ra, rb in zip(cuts, radii, radii[1:]):
        statements, x = transition(rng, x, s, ra, rb, 20.0)
        profile += statements
    profile += [line(x, radii[-1], length, radii[-1]), line(length, radii[-1], length, 0)]
    rng.shuffle(profile)
    a = float(rng.randrange(0, int(length * 0.2) + 1, 5))
    b = float(rng.randrange(int(length * 0.8) // 5 * 5, int(length) + 1, 5))
    loads = [(rng.choice("ffm"), float(rng.randrange(0, int(length) + 1, 5)), float(rng.randrange(100, 5000)),
              rng.random() < 0.5, plane) for plane in "HV" for _ in range(rng.randrange(1, 4))]
    masses = [(float(rng.randrange(0, int(length) + 1, 10)), float(rng.randrange(1, 20))) for _ in range(rng.randrange(0, 3))]
    return {"L": length, "A": a, "B": b, "profile": profile, "loads": loads, "masses": masses}


STEPPED = {"L": 400.0, "A": 20.0, "B": 380.0,
           "profile": ["line 0/0/0/15/0/", "line 0/15/97/15/0/", "arc 94/15/100/21/100/18/97/15/",
                       "line 100/18/100/22.5/0/", "line 100/22.5/300/22.5/0/", "line 300/22.5/310/17.5/0/",
                       "line 310/17.5/400/17.5/0/", "line 400/17.5/400/0/0/"],
           "loads": [("f", 150.0, 1200.0, False, "H"), ("f", 390.0, 800.0, True, "H"), ("m", 250.0, 20000.0, True, "H"),
                     ("f", 200.0, 2500.0, False, "V"), ("f", 5.0, 500.0, False, "V")],
           "masses": [(200.0, 8.0), (390.0, 3.0)]}
# d 40 and d 50 on bearings 400 mm apart, with a fillet of 0.5 mm at the shoulder.
FILLETED_SHOULDER = {"L": 400.0, "A": 0.0, "B": 400.0,
                     "profile": ["line 0/20/199.5/20/0/", "arc 199/21/200/20/200/20.5/199.5/20/",
                                 "line 200/20.5/200/25/0/", "line 200/25/400/25/0/"],
                     "loads": [("f", 100.0, 1000.0, True, "H"), ("f", 300.0, 1000.0, True, "V")], "masses": []}


def bored(shaft, rng):
    """The shaft with a bore: through, or blind from either end, or inside; of one diameter or
    tapered, or in two steps; always within the thinnest step."""
    length, thinnest = shaft["L"], min(float(w.split("/")[1]) for w in shaft["profile"] if w.startswith("line") and w.split("/")[1] == w.split("/")[3])
    thinnest = min(thinnest, min(float(w.split("/")[3]) for w in shaft["profile"] if w.startswith("line") and w.split("/")[1] == w.split("/")[3]))
    ends = sorted(rng.sample(range(0, int(length) + 1, 10), 2))
    start, stop = rng.choice([(0.0, length), (0.0, float(ends[1])), (float(ends[0]), length), tuple(map(float, ends))])
    radii = [round(rng.uniform(0.2, 0.85) * thinnest, 1) for _ in range(3)]
    kind = rng.choice(["plain", "tapered", "stepped"])
    if kind == "plain":
        lines = [f"bore {number(start)}/{number(radii[0])}/{number(stop)}/{number(radii[0])}/"]
    elif kind == "tapered":
        lines = [f"bore {number(start)}/{number(radii[0])}/{number(stop)}/{number(radii[1])}/"]
    else:
        middle = round((start + stop) / 2)
        lines = [f"bore {number(start)}/{number(radii[0])}/{number(middle)}/{number(radii[0])}/",
                 f"bore {number(middle)}/{number(radii[2])}/{number(stop)}/{number(radii[2])}/"]
    return dict(shaft, profile=shaft["profile"] + lines)


def on_springs(shaft, rng):
    """The shaft on bearings of a rolling bearing's stiffness, 1E3 to 1E6 N/mm, one of them now and
    then rigid."""
    springs = [10 ** rng.uniform(3, 6) for _ in "AB"]
    if rng.random() < 0.3:
        springs[rng.randrange(2)] = 0.0
    return dict(shaft, kA=float(number(springs[0])), kB=float(number(springs[1])))


def on_many_bearings(shaft, rng):
    """The shaft on three to eight bearings, one in each of as many equal slots along it so that no
    two stand closer than the slot allows, entered in a shuffled order; each rigid or on a spring of
    1E3 to 1E6 N/mm."""
    count = rng.randrange(3, 9)
    slot = shaft["L"] / count
    positions = [5.0 * rng.randrange(int(i * slot / 5) + 1, int((i + 1) * slot / 5)) for i in range(count)]
    rng.shuffle(positions)
    springs = [0.0 if rng.random() < 0.4 else float(number(10 ** rng.uniform(3, 6))) for _ in positions]
    many = {key: value for key, value in shaft.items() if key not in ("A", "B", "kA", "kB")}
    return dict(many, bearings=list(zip(positions, springs)))


def main():
    """check_beam.py DUMP [random shafts on two bearings] [random shafts on three to eight] [hollow ones]"""
    dump = sys.argv[1]
    rng, spring_rng, many_rng = random.Random(21), random.Random(5), random.Random(32)
    shafts = [STEPPED, FILLETED_SHOULDER] + [random_shaft(rng) for _ in range(int(sys.argv[2]) if len(sys.argv) > 2 else 24)]
    shafts += [dict(STEPPED, kA=2e4, kB=5e4)] + [on_springs(shaft, spring_rng) for shaft in shafts[2::3]]
    many = int(sys.argv[3]) if len(sys.argv) > 3 else 16
    shafts += [on_many_bearings(random_shaft(many_rng), many_rng) for _ in range(many)]
    bore_rng = random.Random(44)
    hollow = int(sys.argv[4]) if len(sys.argv) > 4 else 12
    shafts += [bored(random_shaft(bore_rng), bore_rng) for _ in range(hollow)]
    shafts += [on_many_bearings(bored(random_shaft(bore_rng), bore_rng), bore_rng) for _ in range(hollow // 3)]
    torque_rng = random.Random(8)
    shafts = [dict(shaft, torques=torque_steps(torque_rng, shaft["L"])) for shaft in shafts]
    failed, worst_speed, worst_line = 0, 0.0, 0.0
    for shaft in shafts:
        faults, speed_error, line_error = check(dump, shaft)
        worst_speed, worst_line = max(worst_speed, speed_error), max(worst_line, line_error)
        if faults:
            failed += 1
            print("shaft", shaft)
            for fault in faults:
                print("  ", fault)
    print(f"{len(shafts) - failed} passed, {failed} failed; worst critical speed error {worst_speed:.2e}, "
          f"worst deflection, slope or twist error {worst_line:.2e}")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
