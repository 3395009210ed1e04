#!/usr/bin/env python3
"""Holds the program's solver against SymPy's beam module on random shafts with a fixed seed:
the reactions, the moment just left and just right of every point of the plane's diagram, Mmax,
and the section moment at every point and halfway between points, each within 1e-9 of the
shaft's own scale. Positions lie on a coarse grid, so that loads often share a position.

    check_solver.py <solver_dump program>
"""
import random
import subprocess
import sys
from decimal import Decimal
from fractions import Fraction

from sympy import Add, Rational, linsolve, symbols
from sympy.physics.continuum_mechanics.beam import Beam

SHAFTS = 100
SEED = 1207
TOLERANCE = Fraction(1, 10**9)


def decimal_text(value):
    return str(Decimal(value.numerator) / Decimal(value.denominator))


def random_shaft(rng):
    length = Fraction(10 * rng.randint(5, 500))
    grid = [length * k / 10 for k in range(11)]
    bearing_a, bearing_b = rng.sample(grid, 2)  # A may lie right of B
    def loads(count, largest):
        return [(rng.choice(grid), Fraction(rng.randint(1, largest), 10), rng.randint(0, 1)) for _ in range(count)]
    return length, bearing_a, bearing_b, loads(rng.randint(0, 5), 50000), loads(rng.randint(0, 4), 10**8)


def input_line(shaft):
    length, bearing_a, bearing_b, forces, moments = shaft
    words = [length, bearing_a, bearing_b, len(forces)]
    for load in forces:
        words += load
    words.append(len(moments))
    for load in moments:
        words += load
    return " ".join(decimal_text(Fraction(word)) for word in words)


class SympyShaft:
    """The bending moment of one shaft from SymPy's beam module. SymPy takes downward loads and
    counter-clockwise couples as positive, the program upward forces and clockwise couples."""

    def __init__(self, shaft):
        length, bearing_a, bearing_b, forces, moments = shaft
        e, i, ra, rb = symbols("E I RA RB")
        beam = Beam(Rational(length), e, i)
        beam.apply_load(ra, Rational(bearing_a), -1)
        beam.apply_load(rb, Rational(bearing_b), -1)
        for order, loads in ((-1, forces), (-2, moments)):
            for position, value, direction in loads:
                beam.apply_load(-Rational(value) if direction == 1 else Rational(value), Rational(position), order)
        x = beam.variable
        moment = beam.bending_moment()
        # Past the right end every load acts, and the moment of a shaft in equilibrium is zero
        # there. (The module's own reaction solver also integrates the deflection: ten times slower.)
        beyond = Rational(length) + 1
        (self.ra, self.rb), = linsolve([moment.subs(x, beyond), moment.subs(x, beyond + 1)], [ra, rb])
        self.reactions = (-Fraction(str(self.ra)), -Fraction(str(self.rb)))
        self.terms = []
        for term in Add.make_args(moment.subs({ra: self.ra, rb: self.rb})):
            coefficient, singularity = term.as_independent(x)
            if coefficient == 0:
                continue  # an unloaded shaft
            _, start, order = singularity.args
            self.terms.append((Fraction(str(coefficient)), Fraction(str(start)), int(order)))

    def moment(self, position, right):
        """The moment just right (or just left) of position."""
        total = Fraction(0)
        for coefficient, start, order in self.terms:
            if order >= 0 and (start < position or (right and start == position)):
                total += coefficient * (position - start) ** order
        return total


def section(left, right):
    return right if abs(right) > abs(left) else left


def check(shaft, answer):
    words = answer.split()
    if words[0] == "refused":
        return ["refused: " + answer]
    numbers = iter(Fraction(word) for word in words)
    take = lambda: next(numbers)
    expected = SympyShaft(shaft)
    failures = []

    def compare(what, program, exact, scale):
        if abs(program - exact) > TOLERANCE * scale:
            failures.append(f"{what}: program {float(program)!r}, SymPy {float(exact)!r}")

    force_scale = max([abs(r) for r in expected.reactions] + [value for _, value, _ in shaft[3]] + [1])
    compare("RA", take(), expected.reactions[0], force_scale)
    compare("RB", take(), expected.reactions[1], force_scale)
    mmax = take()
    points = [(take(), take(), take(), take()) for _ in range(int(take()))]
    middles = [(take(), take()) for _ in range(int(take()))]
    exact = [(expected.moment(p, False), expected.moment(p, True)) for p, _, _, _ in points]
    moment_scale = max([abs(m) for pair in exact for m in pair] + [1])
    compare("Mmax", mmax, max(abs(m) for pair in exact for m in pair), moment_scale)
    for (position, left, right, at_point), (exact_left, exact_right) in zip(points, exact):
        compare(f"left of {float(position)}", left, exact_left, moment_scale)
        compare(f"right of {float(position)}", right, exact_right, moment_scale)
        compare(f"section at {float(position)}", at_point, section(exact_left, exact_right), moment_scale)
    for position, at_middle in middles:
        compare(f"section at {float(position)}", at_middle, expected.moment(position, True), moment_scale)
    return failures


def main():
    rng = random.Random(SEED)
    shafts = [random_shaft(rng) for _ in range(SHAFTS)]
    run = subprocess.run([sys.argv[1]], input="\n".join(map(input_line, shafts)) + "\n",
                         capture_output=True, text=True, check=True)
    answers = run.stdout.splitlines()
    assert len(answers) == SHAFTS, run.stdout
    # The seed must give shafts whose couples share a position, the case the check is here for.
    shared = sum(1 for shaft in shafts if len({p for p, _, _ in shaft[4]}) < len(shaft[4]))
    assert shared >= 10, f"only {shared} shafts with couples at one position"
    failed = 0
    for number, (shaft, answer) in enumerate(zip(shafts, answers), 1):
        failures = check(shaft, answer)
        if failures:
            failed += 1
            print(f"shaft {number}: {input_line(shaft)}")
            print("    " + "\n    ".join(failures))
    print(f"{SHAFTS - failed} of {SHAFTS} shafts agree with SymPy ({shared} with couples at one position)")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
