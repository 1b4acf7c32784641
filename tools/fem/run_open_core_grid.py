#!/usr/bin/env python3
"""Inductance factors of open cores from an axisymmetric magnetostatic field solution.

Runs gmsh (mesh) and getdp (solver) from Debian on open_core.geo / open_core.pro and writes
tests/data/open_core_fem.csv, which tests/calc/open_core_fem_test.cpp reads to measure the
open-core models' error. Not part of the regular test run: the whole grid takes a few minutes.

    python3 tools/fem/run_open_core_grid.py [output.csv] [--quick]

The set-up is checked first: air-core solenoids against Nagaoka's formula (H. Nagaoka, "The
inductance coefficients of solenoids", J. Coll. Sci. Imp. Univ. Tokyo 27, 1909, in the
elliptic-integral form of F. W. Grover, "Inductance Calculations", 1946, chapter 16), and the
start-up drum at µ 2000 with a mesh twice as fine and an outer boundary twice as far.
"""
import math
import os
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
PERMEABILITIES = (125, 500, 2000)


def elliptic_k_e(k):
    """Complete elliptic integrals K(k) and E(k) by the arithmetic-geometric mean."""
    a, b = 1.0, math.sqrt(1 - k * k)
    c_sum, power = k * k / 2, 0.5
    for _ in range(40):
        c = (a - b) / 2
        a, b = (a + b) / 2, math.sqrt(a * b)
        power *= 2
        c_sum += power * c * c
    big_k = math.pi / (2 * a)
    return big_k, big_k * (1 - c_sum)


def nagaoka(radius, length):
    """Nagaoka's coefficient of a current sheet of that radius and length."""
    k2 = 4 * radius * radius / (4 * radius * radius + length * length)
    k, kp = math.sqrt(k2), math.sqrt(1 - k2)
    big_k, big_e = elliptic_k_e(k)
    return 4 / (3 * math.pi * kp) * ((kp * kp / k2) * (big_k - big_e) + big_e - k)


def solve(work, geometry, coil_area, permeabilities):
    """AL in nH/N² for each permeability; geometry in mm, passed to open_core.geo."""
    mesh = os.path.join(work, "m.msh")
    args = ["gmsh", os.path.join(HERE, "open_core.geo"), "-2", "-v", "0", "-format", "msh22",
            "-o", mesh]
    for name, value in geometry.items():
        scale = 1 if name == "Core" else 1e-3
        args += ["-setnumber", name, repr(value * scale)]
    subprocess.run(args, check=True, cwd=work)
    result = []
    for mu in permeabilities:
        subprocess.run(["getdp", os.path.join(work, "open_core.pro"), "-msh", mesh, "-solve",
                        "MagSta", "-setnumber", "mur", repr(mu), "-setnumber", "CoilArea",
                        repr(coil_area * 1e-6), "-v", "0"], check=True, cwd=work)
        with open(os.path.join(work, "energy.txt")) as f:
            half_plane_energy = float(f.read().split()[1])
        # VolAxiSqu integrates over one radian: times 2π for the whole turn, times 2 for the
        # half below the mid-plane; AL = 2 W for one ampere-turn; J to nJ.
        result.append(2 * 2 * math.pi * 2 * half_plane_energy * 1e9)
    return result


def drum_geometry(a, b, d, f, lc_scale=1.0, rout_scale=1.0):
    flange = (d - f) / 2
    lc = min(b / 2, f / 2, flange, (a - b) / 2) / 3 * lc_scale
    rout = 20 * max(a / 2, d / 2) * rout_scale
    return ({"Core": 1, "Ra": a / 2, "Rb": b / 2, "Hf": f / 2, "Hd": d / 2, "Rwi": b / 2,
             "Rwo": a / 2, "Hw": f / 2, "Rout": rout, "Lc": lc},
            (a - b) / 2 * f / 2)


def rod_geometry(diameter, length):
    sheet = diameter / 2 * 0.05
    lc = min(diameter / 2, length / 2) / 4
    return ({"Core": 1, "Ra": diameter / 2, "Rb": diameter / 2, "Hf": length / 2,
             "Hd": length / 2, "Rwi": diameter / 2, "Rwo": diameter / 2 + sheet,
             "Hw": length / 2, "Rout": 20 * max(diameter / 2, length / 2), "Lc": lc},
            sheet * length / 2)


def drum_shapes():
    """A factorial of the shape ratios, A cycling from 4 to 14 mm (AL scales with size, so A
    spreads the shapes over the sizes users wind rather than adding information)."""
    shapes = []
    sizes = (4, 6.5, 9, 11.5, 14)
    for post in (1 / 3, 0.45, 0.55, 2 / 3):
        for length in (0.6, 0.9, 1.2, 1.5):
            for width in (0.6, 0.8):
                a = sizes[len(shapes) % len(sizes)]
                shapes.append((a, round(a * post, 3), round(a * length, 3),
                               round(a * length * width, 3)))
    return shapes


def rod_shapes():
    """Length over diameter 2 to 10, the diameter cycling from 2 to 10 mm."""
    diameters = (2, 4, 6, 8, 10)
    ratios = (2, 2.5, 3, 3.5, 4, 5, 6, 7, 8, 10)
    return [(diameters[i % len(diameters)], diameters[i % len(diameters)] * ratio)
            for i, ratio in enumerate(ratios)]


def main():
    out = sys.argv[1] if len(sys.argv) > 1 and not sys.argv[1].startswith("--") else \
        os.path.join(ROOT, "tests", "data", "open_core_fem.csv")
    quick = "--quick" in sys.argv
    rows = []
    with tempfile.TemporaryDirectory() as work:
        # getdp writes its tables beside the problem file.
        shutil.copy(os.path.join(HERE, "open_core.pro"), work)
        # The set-up: air-core solenoids, a thin sheet of radius 5 mm, against Nagaoka.
        for length in (5, 10, 20):
            radius, sheet = 5.0, 0.02
            geometry = {"Core": 0, "Ra": radius, "Rb": radius, "Hf": length / 2,
                        "Hd": length / 2, "Rwi": radius - sheet / 2, "Rwo": radius + sheet / 2,
                        "Hw": length / 2, "Rout": 20 * max(radius, length / 2), "Lc": 0.2}
            (al,) = solve(work, geometry, sheet * length / 2, (1,))
            reference = 4e-7 * math.pi * math.pi * (radius * 1e-3) ** 2 * \
                nagaoka(radius, length) / (length * 1e-3) * 1e9
            rows.append(("solenoid", 2 * radius, 0, length, length, 1, al, reference, ""))
            print(rows[-1], flush=True)
        # Convergence: the start-up drum at µ 2000, mesh halved, boundary twice as far.
        base = None
        for lc_scale, rout_scale, label in ((1, 1, "base"), (0.5, 1, "mesh/2"),
                                            (1, 2, "boundary*2")):
            geometry, area = drum_geometry(8, 3.5, 10, 6.3, lc_scale, rout_scale)
            (al,) = solve(work, geometry, area, (2000,))
            base = al if base is None else base
            rows.append(("convergence", 8, 3.5, 10, 6.3, 2000, al, base, label))
            print(rows[-1], flush=True)
        drums = drum_shapes()
        rods = rod_shapes()
        if quick:
            drums, rods = drums[:2], rods[:2]
        for i, (a, b, d, f) in enumerate(drums):
            geometry, area = drum_geometry(a, b, d, f)
            for mu, al in zip(PERMEABILITIES, solve(work, geometry, area, PERMEABILITIES)):
                rows.append(("drum", a, b, d, f, mu, al, "", "fit" if i % 2 == 0 else "check"))
                print(rows[-1], flush=True)
        for i, (diameter, length) in enumerate(rods):
            geometry, area = rod_geometry(diameter, length)
            for mu, al in zip(PERMEABILITIES, solve(work, geometry, area, PERMEABILITIES)):
                rows.append(("rod", diameter, length, 0, length, mu, al, "",
                             "fit" if i % 2 == 0 else "check"))
                print(rows[-1], flush=True)
    with open(out, "w") as f:
        f.write("# Inductance factors from an axisymmetric magnetostatic field solution (gmsh "
                "4.8 + getdp 3.2, Debian 12),\n# written by tools/fem/run_open_core_grid.py. "
                "Lengths in mm, AL in nH/N^2; winding evenly over the whole space\n# between "
                "the flanges (drum) or a thin sheet over the whole rod (rod). solenoid: "
                "reference = Nagaoka;\n# convergence: reference = the base mesh and boundary. "
                "set: fit / check halves of the shapes.\n")
        f.write("kind,a_mm,b_mm,d_mm,f_mm,mu,al_fem,reference,set\n")
        for row in rows:
            f.write(",".join(f"{v:.6g}" if isinstance(v, float) else str(v) for v in row) + "\n")


if __name__ == "__main__":
    main()
