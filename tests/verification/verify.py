#!/usr/bin/env python3
"""Verification of spanlyx-report against closed-form beam theory.

Usage:
    verify.py SPANLYX_REPORT [--write-manual FILE] [--check-manual FILE] [--keep DIR]
                             [--only NAME] [--quiet] [--findings]

Every beam below is written as a .cb file into a temporary folder, analysed with
`spanlyx-report --json --samples`, and each result is compared with the value that beam
theory gives for it, worked out here with nothing but the Python standard library. The
exit status is 0 when every value lies within its tolerance, 1 when one does not, 2 when
the theory of a beam disagrees with itself (two independent derivations differ) and 3
when the tool cannot be run.

`--write-manual FILE` also writes the verification manual (Markdown) from the same
numbers; `--check-manual FILE` regenerates it and fails, showing the differences, when FILE
is not identical to it. `--findings` runs, instead, the beams on which the program has been
found to disagree with theory (kept out of the verification until they are resolved).
"""

import argparse
import csv
import difflib
import itertools
import json
import math
import os
import subprocess
import sys
import tempfile

STEP = 0.01  # spacing of the sampling sweep, in length units

# --------------------------------------------------------------------------------------
# Unit systems: how E and I entered in the beam file become E*I in the analysis units,
# and in which units the tool reports deflections.
# --------------------------------------------------------------------------------------


class Units:
    def __init__(self, tag, length, force, moment, e_unit, i_unit, w_unit, ei_factor,
                 defl_unit, defl_factor, disp_unit, disp_factor, dist):
        self.tag = tag
        self.length = length          # unit of lengths and positions
        self.force = force
        self.moment = moment
        self.e_unit = e_unit
        self.i_unit = i_unit
        self.w_unit = w_unit          # distributed load
        self.ei_factor = ei_factor    # E*I as entered times this = E*I in force*length^2
        self.defl_unit = defl_unit    # unit of deflections in the extremes and samples
        self.defl_factor = defl_factor  # analysis length -> defl_unit
        self.disp_unit = disp_unit    # unit of the joint displacements in the JSON
        self.disp_factor = disp_factor
        self.dist = dist              # unit named in the beam file's distance labels

    def ei(self, e, i):
        return e * i * self.ei_factor


UNITS = {
    # feet; E in psi and I in in^4, so E*I/144 is in lb-ft^2; deflections in inches
    'E': Units('E', 'ft', 'lb', 'ft-lb', 'psi', 'in^4', 'lb/ft', 1.0 / 144.0,
               'in', 12.0, 'in', 12.0, 'ft'),
    'E2': Units('E2', 'in', 'lb', 'in-lb', 'psi', 'in^4', 'lb/in', 1.0,
                'in', 1.0, 'in', 1.0, 'in'),
    # metres; E in GN/m^2 and I in 10^-5 m^4
    'M': Units('M', 'm', 'N', 'N-m', 'GN/m^2', 'x 10^-5 m^4', 'N/m', 1e9 * 1e-5,
               'm', 1.0, 'm', 1.0, 'm'),
    # metres; E in N/mm^2 and I in 10^4 mm^4
    'M2': Units('M2', 'm', 'N', 'N-m', 'N/mm^2', 'x 10^4 mm^4', 'N/m', 1e6 * 1e-8,
                'm', 1.0, 'm', 1.0, 'm'),
    # metres and kilograms; E in kg/cm^2 and I in cm^4; deflections in cm
    'M3': Units('M3', 'm', 'kg', 'kg-m', 'kg/cm^2', 'cm^4', 'kg/m', 1e4 * 1e-8,
                'cm', 100.0, 'm', 1.0, 'm'),
    # millimetres; E in N/mm^2 and I in mm^4
    'M4': Units('M4', 'mm', 'N', 'N-mm', 'N/mm^2', 'mm^4', 'N/mm', 1.0,
                'mm', 1.0, 'mm', 1.0, 'm'),
}

RELEASE_TEXT = {0: 'no hinge', 1: 'hinge at the left end', 2: 'hinge at the right end',
                3: 'hinges at both ends'}

# --------------------------------------------------------------------------------------
# Beam description and the .cb file
# --------------------------------------------------------------------------------------


class Span:
    """One span. Loads: distributed (x1, w1, x2, w2), concentrated (x, P) and applied
    moments (x, C); loads positive downward, applied moments positive counterclockwise."""

    def __init__(self, length, e, i, release=0, uniform=(), points=(), moments=(),
                 live_uniform=(), live_points=(), live_moments=()):
        self.length = length
        self.e = e
        self.i = i
        self.release = release
        self.uniform = list(uniform)
        self.points = list(points)
        self.moments = list(moments)
        # live loads: patterned span by span in the envelopes, at factor 1 as entered
        self.live_uniform = list(live_uniform)
        self.live_points = list(live_points)
        self.live_moments = list(live_moments)

    def has_live(self):
        return bool(self.live_uniform or self.live_points or self.live_moments)

    def factored(self, dead, live):
        """The span with its dead loads times dead and its live loads times live."""
        scale = lambda loads, f, at: [tuple(v * f if k in at else v for k, v in enumerate(load))
                                      for load in loads]
        return Span(self.length, self.e, self.i, self.release,
                    scale(self.uniform, dead, (1, 3)) + scale(self.live_uniform, live, (1, 3)),
                    scale(self.points, dead, (1,)) + scale(self.live_points, live, (1,)),
                    scale(self.moments, dead, (1,)) + scale(self.live_moments, live, (1,)))


class Beam:
    def __init__(self, units, spans, joints, comments=(), supports=None, combinations=()):
        self.units = UNITS[units]
        self.spans = spans
        self.joints = joints  # (vertical fixed, rotation fixed) per joint, 1 or 0
        self.comments = list(comments)
        # Springs and imposed movements by joint number (1-based), in the units of the
        # beam file: ky per displacement unit of the output, kz per radian, the settlement
        # (downward) in the displacement unit, the imposed rotation in radians.
        # {2: {'ky': 1500}, 3: {'settlement': 0.625}}; a spring's coordinate is not fixed.
        self.supports = dict(supports or {})
        self.combinations = list(combinations)  # (name, dead factor, live factor)
        assert len(joints) == len(spans) + 1

    def support(self, j):
        """(ky, kz, settlement, rotation) of joint j (0-based) in analysis units."""
        given = self.supports.get(j + 1, {})
        d = self.units.disp_factor
        return (given.get('ky', 0.0) * d, given.get('kz', 0.0),
                given.get('settlement', 0.0) / d, given.get('rotation', 0.0))

    def has_live(self):
        return any(span.has_live() for span in self.spans)

    def arrangement(self, dead, live, loaded):
        """The beam with its dead loads times dead and the live loads of the spans in loaded
        (0-based) times live: one arrangement of a combination. Imposed movements belong to
        the dead case."""
        spans = [span.factored(dead, live if s in loaded else 0.0)
                 for s, span in enumerate(self.spans)]
        moved = {j: {k: v * dead if k in ('settlement', 'rotation') else v
                     for k, v in given.items()} for j, given in self.supports.items()}
        return Beam(self.units.tag, spans, self.joints, supports=moved)

    def ei(self, s):
        span = self.spans[s]
        return self.units.ei(span.e, span.i)


def number_text(value):
    """A number as the beam file writes it: up to 15 significant digits, no leading zero
    before the decimal point, one blank before (when not negative) and one after."""
    text = '%.15G' % value
    if text.startswith('0.'):
        text = text[1:]
    elif text.startswith('-0.'):
        text = '-' + text[2:]
    return (' ' if value >= 0 else '') + text + ' '


def beam_file_text(beam):
    u = beam.units
    lines = ['Spanlyx Program', '# OF COMMENT LINES (0-4)', number_text(len(beam.comments))]
    lines += beam.comments
    lines += ['END COMMENTS', 'Metric E,M,M2,M3 Or M4', u.tag,
              'number of spans', number_text(len(beam.spans)),
              'total length ', number_text(sum(s.length for s in beam.spans)),
              'START MEMBER INFO']
    for m, s in enumerate(beam.spans, start=1):
        lines += ['MEMBER NUMBER', number_text(m), 'member length ', number_text(s.length),
                  'member I', number_text(s.i), 'member E  ', number_text(s.e),
                  'member release', number_text(s.release),
                  '******** Number of uniform loads', number_text(len(s.uniform))]
        for x1, w1, x2, w2 in s.uniform:
            lines += ['dist 1 from the left end of member (%s)' % u.dist, number_text(x1),
                      'uniform load #1', number_text(w1),
                      'dist 2 from the left end of member (%s)' % u.dist, number_text(x2),
                      'uniform load #2', number_text(w2)]
        lines += ['******** Number of point loads', number_text(len(s.points))]
        for x, p in s.points:
            lines += ['dist from left end of member (%s) ' % u.dist, number_text(x),
                      'Load ', number_text(p)]
        lines += ['******** Number of Applied Moments', number_text(len(s.moments))]
        for x, c in s.moments:
            lines += ['dist from left end of member (%s) ' % u.dist, number_text(x),
                      'moment ', number_text(c)]
    lines += ['Number of Joints', number_text(len(beam.joints))]
    for j, (y, z) in enumerate(beam.joints, start=1):
        lines += ['Joint Number', number_text(j), 'Joint Restraint  Y', number_text(y),
                  'Joint Restraint  Z', number_text(z)]
    if beam.supports:
        lines += ['START EXTENSIONS', 'SPRINGS AND SETTLEMENTS',
                  'Number of joints with springs or settlements', number_text(len(beam.supports))]
        for j in sorted(beam.supports):
            given = beam.supports[j]
            lines += ['spring or settlement joint number', number_text(j),
                      'Y spring (1 spring, 0 none)', number_text(1 if 'ky' in given else 0),
                      'Y spring stiffness ky', number_text(given.get('ky', 0)),
                      'Z spring (1 spring, 0 none)', number_text(1 if 'kz' in given else 0),
                      'Z spring stiffness kz', number_text(given.get('kz', 0)),
                      'settlement (downward positive)', number_text(given.get('settlement', 0)),
                      'imposed rotation (rad, ccw positive)',
                      number_text(given.get('rotation', 0))]
        lines.append('END EXTENSIONS')
    return ''.join(line + '\r\n' for line in lines)


def beam_json_text(beam):
    """The beam as a JSON beam document; used for beams with live loads and combinations."""
    word = {1: 'fixed', 0: 'free'}

    def loads(span):
        distributed = [{'x1': x1, 'w1': w1, 'x2': x2, 'w2': w2, 'case': case}
                       for case, items in (('dead', span.uniform), ('live', span.live_uniform))
                       for x1, w1, x2, w2 in items]
        point = [{'x': x, 'P': p, 'case': case}
                 for case, items in (('dead', span.points), ('live', span.live_points))
                 for x, p in items]
        moment = [{'x': x, 'M': m, 'case': case}
                  for case, items in (('dead', span.moments), ('live', span.live_moments))
                  for x, m in items]
        return {'distributed': distributed, 'point': point, 'moment': moment}

    doc = {'format': 'spanlyx-beam', 'version': 1, 'units': beam.units.tag,
           'comments': beam.comments,
           'spans': [dict({'length': s.length, 'I': s.i, 'E': s.e, 'release': s.release},
                          **loads(s)) for s in beam.spans],
           'joints': [{'y': word[y], 'z': word[z]} for y, z in beam.joints],
           'combinations': [{'name': n, 'dead': d, 'live': l} for n, d, l in beam.combinations]}
    return json.dumps(doc, indent=1) + '\n'


# --------------------------------------------------------------------------------------
# Beam theory. Along a span, with x from its left end, loads positive downward and
# sagging moments positive:  V' = -q,  M' = V,  EI theta' = M,  EI y' = EI theta  (y up).
# Every load is a sum of singularity functions c<x-a>^n: n = -2 an applied moment C
# (counterclockwise C lowers the sagging moment to its right by C), n = -1 a concentrated
# load P, n = 0 and n = 1 the uniform and ramp parts of a distributed load. Integrating
# them exactly (Macaulay's method) gives V, M, theta and y in closed form.
# --------------------------------------------------------------------------------------


def singularity_integral(x, a, n, k, right):
    """k-th integral of <x-a>^n; at x == a the value just right (right) or left of a."""
    d = x - a
    if d < 0 or (d == 0 and not right):
        return 0.0
    p = n + k
    if p < 0:
        return 0.0
    if p == 0:
        return 1.0
    divisor = 1.0
    for j in range(1, k + 1):
        if n + j > 0:
            divisor *= n + j
    return d ** p / divisor


def load_terms(span):
    terms = []  # (a, n, c)
    for x1, w1, x2, w2 in span.uniform:
        slope = (w2 - w1) / (x2 - x1)
        terms += [(x1, 0, w1), (x1, 1, slope), (x2, 0, -w2), (x2, 1, -slope)]
    for x, p in span.points:
        terms.append((x, -1, p))
    for x, c in span.moments:
        terms.append((x, -2, c))
    return terms


class Field:
    """Shear, moment, slope and deflection along one span from its left-end values
    (moment M0, shear V0, slope theta0, deflection y0) and its loads."""

    def __init__(self, length, ei, terms, m0=0.0, v0=0.0, theta0=0.0, y0=0.0):
        self.length = length
        self.ei = ei
        self.terms = terms
        self.m0, self.v0, self.theta0, self.y0 = m0, v0, theta0, y0

    def _loads(self, x, k, right):
        return sum(c * singularity_integral(x, a, n, k, right) for a, n, c in self.terms)

    # Each quantity as (coefficients of M0, V0, theta0, y0; the load part), so that the
    # left-end values can be solved for.
    def linear(self, kind, x, right=False):
        ei = self.ei
        if kind == 'V':
            return [0.0, 1.0, 0.0, 0.0], -self._loads(x, 1, right)
        if kind == 'M':
            return [1.0, x, 0.0, 0.0], -self._loads(x, 2, right)
        if kind == 'theta':
            return [x / ei, x * x / (2 * ei), 1.0, 0.0], -self._loads(x, 3, right) / ei
        if kind == 'y':
            return ([x * x / (2 * ei), x ** 3 / (6 * ei), x, 1.0],
                    -self._loads(x, 4, right) / ei)
        raise ValueError(kind)

    def value(self, kind, x, right=False):
        coefficients, part = self.linear(kind, x, right)
        unknowns = (self.m0, self.v0, self.theta0, self.y0)
        return part + sum(a * b for a, b in zip(coefficients, unknowns))

    def V(self, x, right=False):
        return self.value('V', x, right)

    def M(self, x, right=False):
        return self.value('M', x, right)

    def theta(self, x):
        return self.value('theta', x)

    def y(self, x):
        return self.value('y', x)

    def breakpoints(self):
        return sorted({0.0, self.length} | {a for a, _, _ in self.terms})


def solve_linear(matrix, rhs):
    """Gaussian elimination with row scaling and partial pivoting."""
    n = len(rhs)
    a = [list(row) + [b] for row, b in zip(matrix, rhs)]
    for row in a:
        scale = max(abs(v) for v in row[:n])
        if scale == 0:
            raise ValueError('singular system')
        for j in range(n + 1):
            row[j] /= scale
    for col in range(n):
        pivot = max(range(col, n), key=lambda r: abs(a[r][col]))
        if abs(a[pivot][col]) < 1e-300:
            raise ValueError('singular system')
        a[col], a[pivot] = a[pivot], a[col]
        for r in range(n):
            if r != col and a[r][col] != 0.0:
                f = a[r][col] / a[col][col]
                for j in range(col, n + 1):
                    a[r][j] -= f * a[col][j]
    return [a[i][n] / a[i][i] for i in range(n)]


def solve_by_compatibility(beam):
    """Independent of the three-moment equation and of any stiffness method: the four
    left-end values of every span are unknowns, fixed by the support conditions at the two
    ends of the beam and by continuity and equilibrium at every joint."""
    n = len(beam.spans)
    fields = [Field(s.length, beam.ei(i), load_terms(s)) for i, s in enumerate(beam.spans)]
    rows, rhs = [], []

    def equation(parts, value=0.0):
        row = [0.0] * (4 * n)
        constant = 0.0
        for span, kind, x, right, sign in parts:
            coefficients, part = fields[span].linear(kind, x, right)
            for j in range(4):
                row[4 * span + j] += sign * coefficients[j]
            constant += sign * part
        rows.append(row)
        rhs.append(value - constant)

    for j, (fixed_y, fixed_z) in enumerate(beam.joints):
        left = j - 1 if j > 0 else None       # span ending at joint j
        right = j if j < n else None          # span starting at joint j
        if left is not None:
            end = beam.spans[left].length
            hinge_left_side = beam.spans[left].release in (2, 3)
        hinge_right_side = right is not None and beam.spans[right].release in (1, 3)
        # A spring's reaction -k y (-k theta) is the jump of the shear (of the moment, the
        # other way) across the joint; a fixed coordinate sits at its imposed movement.
        ky, kz, settlement, turned = beam.support(j)
        y_spring = [(left, 'y', end, False, -ky) if left is not None
                    else (right, 'y', 0.0, False, ky)] if ky else []
        # vertical translation
        if left is not None and right is not None:
            if fixed_y:
                equation([(left, 'y', end, False, 1)], -settlement)
                equation([(right, 'y', 0.0, False, 1)], -settlement)
            else:
                equation([(left, 'y', end, False, 1), (right, 'y', 0.0, False, -1)])
                equation([(left, 'V', end, True, 1), (right, 'V', 0.0, False, -1)] + y_spring)
        elif right is not None:
            if fixed_y:
                equation([(right, 'y', 0.0, False, 1)], -settlement)
            else:
                equation([(right, 'V', 0.0, False, 1)] + y_spring)
        else:
            if fixed_y:
                equation([(left, 'y', end, False, 1)], -settlement)
            else:
                equation([(left, 'V', end, True, 1)] + y_spring)
        # rotation
        sides = []
        if left is not None:
            sides.append((left, end, True, hinge_left_side))
        if right is not None:
            sides.append((right, 0.0, False, hinge_right_side))
        assert not kz or not any(hinged for _, _, _, hinged in sides)
        if fixed_z:
            for span, x, at_end, hinged in sides:
                if hinged:
                    equation([(span, 'M', x, at_end, 1)])
                else:
                    equation([(span, 'theta', x, False, 1)], turned)
        elif len(sides) == 2 and not sides[0][3] and not sides[1][3]:
            equation([(left, 'theta', end, False, 1), (right, 'theta', 0.0, False, -1)])
            z_spring = [(left, 'theta', end, False, kz)] if kz else []
            equation([(left, 'M', end, True, 1), (right, 'M', 0.0, False, -1)] + z_spring)
        elif kz:
            span, x, at_end, _ = sides[0]
            equation([(span, 'M', x, at_end, 1), (span, 'theta', x, False, kz if at_end else -kz)])
        else:
            for span, x, at_end, _ in sides:
                equation([(span, 'M', x, at_end, 1)])
    unknowns = solve_linear(rows, rhs)
    for i, f in enumerate(fields):
        f.m0, f.v0, f.theta0, f.y0 = unknowns[4 * i:4 * i + 4]
    return fields


def simple_span_field(length, ei, terms, m_left=0.0, m_right=0.0, y_left=0.0, y_right=0.0):
    """A span between two supports with given end moments (sagging positive) and support
    deflections: statics give V0, the support deflections give theta0."""
    f = Field(length, ei, terms, m0=m_left)
    f.v0 = (m_right - m_left + f._loads(length, 2, False)) / length
    f.y0 = y_left
    f.theta0 = 0.0
    f.theta0 = (y_right - f.y(length)) / length
    return f


def three_moment(beam):
    """Clapeyron's three-moment equation for a beam on rigid supports at every joint,
    pinned inside, pinned or fixed at the ends. Unknowns: the support moments M_0..M_n.
    With f_i = L_i/(6 E_i I_i) and alpha_i, beta_i the end slopes of span i as a simple
    span under its own loads (from exact integration):
        f_i M_{i-1} + 2 (f_i + f_{i+1}) M_i + f_{i+1} M_{i+1} = -(beta_i + alpha_{i+1}),
    a fixed left end 2 f_1 M_0 + f_1 M_1 = -alpha_1, a fixed right end
    f_n M_{n-1} + 2 f_n M_n = -beta_n, a pinned end M = 0."""
    n = len(beam.spans)
    assert all(y == 1 for y, _ in beam.joints)
    assert all(z == 0 for _, z in beam.joints[1:-1])
    assert all(s.release == 0 for s in beam.spans)
    f, alpha, beta = [], [], []
    for i, s in enumerate(beam.spans):
        simple = simple_span_field(s.length, beam.ei(i), load_terms(s))
        f.append(s.length / (6 * beam.ei(i)))
        alpha.append(-simple.theta(0.0))
        beta.append(simple.theta(s.length))
    rows, rhs = [], []
    for j in range(n + 1):
        row = [0.0] * (n + 1)
        if j == 0:
            if beam.joints[0][1]:
                row[0], row[1] = 2 * f[0], f[0]
                rhs.append(-alpha[0])
            else:
                row[0] = 1.0
                rhs.append(0.0)
        elif j == n:
            if beam.joints[n][1]:
                row[n - 1], row[n] = f[n - 1], 2 * f[n - 1]
                rhs.append(-beta[n - 1])
            else:
                row[n] = 1.0
                rhs.append(0.0)
        else:
            row[j - 1], row[j], row[j + 1] = f[j - 1], 2 * (f[j - 1] + f[j]), f[j]
            rhs.append(-(beta[j - 1] + alpha[j]))
        rows.append(row)
    moments = solve_linear(rows, rhs)
    fields = [simple_span_field(s.length, beam.ei(i), load_terms(s), moments[i], moments[i + 1])
              for i, s in enumerate(beam.spans)]
    return fields, moments


# ----- results of a solved beam, in the conventions of the tool's output


def joint_reaction(fields, j):
    """Vertical reaction (up positive) at joint j (0-based) from the shears either side."""
    n = len(fields)
    shear_right = fields[j].V(0.0) if j < n else 0.0
    shear_left = fields[j - 1].V(fields[j - 1].length, True) if j > 0 else 0.0
    return shear_right - shear_left


def joint_reaction_moment(fields, j):
    """Moment reaction (counterclockwise positive) at joint j: the drop of the sagging
    moment across the joint."""
    n = len(fields)
    moment_right = fields[j].M(0.0) if j < n else 0.0
    moment_left = fields[j - 1].M(fields[j - 1].length, True) if j > 0 else 0.0
    return moment_left - moment_right


def joint_rotation(beam, fields, j):
    n = len(fields)
    if j < n and beam.spans[j].release not in (1, 3):
        return fields[j].theta(0.0)
    return fields[j - 1].theta(fields[j - 1].length)


def joint_deflection(fields, j):
    return fields[j].y(0.0) if j < len(fields) else fields[j - 1].y(fields[j - 1].length)


def zeros(function, lo, hi, pieces=4000):
    """Points in (lo, hi) where a function that is continuous there changes sign."""
    found = []
    previous_x, previous = lo, function(lo)
    for k in range(1, pieces + 1):
        x = lo + (hi - lo) * k / pieces
        value = function(x)
        if previous == 0.0 and k > 1:
            found.append(previous_x)
        elif previous * value < 0:
            a, b, fa = previous_x, x, previous
            for _ in range(200):
                mid = 0.5 * (a + b)
                fm = function(mid)
                if fm == 0.0 or mid in (a, b):
                    break
                if (fm < 0) == (fa < 0):
                    a, fa = mid, fm
                else:
                    b = mid
            found.append(0.5 * (a + b))
        previous_x, previous = x, value
    return found


def span_extremes(field):
    """Largest and smallest moment and deflection of a span, each with every location
    where it occurs (ties kept): moments at the ends, at the loads (both sides) and where
    the shear vanishes; deflections at the ends and where the slope vanishes."""
    L = field.length
    cuts = field.breakpoints()
    moments = [(0.0, field.M(0.0, True)), (L, field.M(L, False))]
    for a in cuts[1:-1]:
        moments += [(a, field.M(a, False)), (a, field.M(a, True))]
    for lo, hi in zip(cuts, cuts[1:]):
        inside = lambda x, lo=lo, hi=hi: field.V(min(max(x, lo), hi), x <= lo)
        for x in zeros(inside, lo, hi, 400):
            moments.append((x, field.M(x)))
    deflections = [(0.0, field.y(0.0)), (L, field.y(L))]
    deflections += [(x, field.y(x)) for x in zeros(field.theta, 0.0, L)]
    return moments, deflections


def pick(candidates, largest, scale):
    value = max(v for _, v in candidates) if largest else min(v for _, v in candidates)
    places = []
    for x, v in candidates:
        if abs(v - value) <= 1e-9 * scale and all(abs(x - p) > 1e-6 for p in places):
            places.append(x)
    return value, sorted(places)


# --------------------------------------------------------------------------------------
# Checks: a quantity of the tool's output, its exact value and how to find it in the output
# --------------------------------------------------------------------------------------

# Tolerances. Reactions, support moments, joint rotations and deflections come from the
# stiffness solution: relative. Moments and deflections of the sweep: a share of the largest
# in the beam. Locations of extremes: two sampling steps.
RELATIVE = 1e-6
MOMENT_SHARE = 1e-3
DEFLECTION_SHARE = 5e-3
LOCATION_TOLERANCE = 2 * STEP


class Check:
    def __init__(self, key, label, exact, places=None, cls=None, loaded=None):
        self.key = key          # where the value is in the output
        self.label = label      # quantity and its closed form
        self.exact = exact      # in the units of the output
        self.places = places    # exact location(s) of an extreme, from the span's left end
        self.cls = cls
        self.loaded = loaded    # spans whose live load acts for an envelope extreme (1-based)


class Case:
    def __init__(self, name, title, beam, description, derivation):
        self.name = name
        self.title = title
        self.beam = beam
        self.description = description
        self.derivation = derivation
        self.checks = []

    # Values are given in analysis units (deflections in the unit of length of the system)
    def reaction(self, j, value, text):
        self.checks.append(Check(('R', j), 'R%d = %s' % (j, text), value, cls='reaction'))

    def reaction_moment(self, j, value, text):
        self.checks.append(Check(('Rm', j), 'reaction moment at joint %d = %s' % (j, text), value,
                                 cls='support moment'))

    def support_moment(self, j, value, text):
        self.checks.append(Check(('Ms', j), 'M at support %d = %s' % (j, text), value,
                                 cls='support moment'))

    def rotation(self, j, value, text):
        self.checks.append(Check(('rot', j), 'rotation at joint %d = %s' % (j, text), value,
                                 cls='rotation'))

    def displacement(self, j, value, text):
        self.checks.append(Check(('disp', j), 'deflection of joint %d = %s' % (j, text),
                                 value * self.beam.units.disp_factor, cls='displacement'))

    def moment_extreme(self, kind, s, value, places, text):
        name = 'largest sagging moment' if kind == 'Mmax' else 'largest hogging moment'
        if len(self.beam.spans) > 1:
            name += ' of span %d' % s
        self.checks.append(Check((kind, s), '%s = %s' % (name, text), value, places, 'moment'))

    def deflection_extreme(self, kind, s, value, places, text):
        name = 'largest deflection' if kind == 'Dmin' else 'largest upward deflection'
        if len(self.beam.spans) > 1:
            name += ' of span %d' % s
        self.checks.append(Check((kind, s), '%s = %s' % (name, text),
                                 value * self.beam.units.defl_factor, places, 'deflection'))

    def moment_at(self, s, x, value, text):
        where = 'x = %g' % x if len(self.beam.spans) == 1 else 'span %d, x = %g' % (s, x)
        self.checks.append(Check(('M@', s, x), 'M at %s = %s' % (where, text), value,
                                 cls='moment'))

    def deflection_at(self, s, x, value, text):
        where = 'x = %g' % x if len(self.beam.spans) == 1 else 'span %d, x = %g' % (s, x)
        self.checks.append(Check(('D@', s, x), 'deflection at %s = %s' % (where, text),
                                 value * self.beam.units.defl_factor, cls='deflection'))


    # Envelope extremes of combination number c (0-based) of the beam. kind: 'Mmax', 'Mmin',
    # 'Dmax', 'Dmin' of span index; 'Rmax', 'Rmin' (reaction) and 'RMmax', 'RMmin' (reaction
    # moment) of joint index. Values in analysis units; loaded: the spans (1-based) whose
    # live load acts for the extreme, or for an extreme reached at several places, the list
    # of (place, spans) that reach it.
    def envelope(self, c, kind, index, value, loaded, text, places=None):
        if all(isinstance(s, int) for s in loaded):
            loaded = [(p, sorted(loaded)) for p in places or [None]]
        name, dead, live = self.beam.combinations[c]
        what = {'Mmax': ('largest sagging moment of span %d', 'moment'),
                'Mmin': ('largest hogging moment of span %d', 'moment'),
                'Dmax': ('largest upward deflection of span %d', 'deflection'),
                'Dmin': ('largest deflection of span %d', 'deflection'),
                'Rmax': ('largest R%d', 'reaction'),
                'Rmin': ('smallest R%d', 'reaction'),
                'RMmax': ('largest reaction moment at joint %d', 'support moment'),
                'RMmin': ('smallest reaction moment at joint %d', 'support moment')}
        label, cls = what[kind]
        if cls == 'deflection':
            value *= self.beam.units.defl_factor
        self.checks.append(Check(('env', c, kind, index),
                                 '%s: %s = %s' % (name, label % index, text), value, places,
                                 cls, loaded))


def theory_values(beam, fields):
    """Every quantity a check can name, from solved span fields (output units)."""
    u = beam.units
    values = {}
    for j in range(len(beam.joints)):
        values[('R', j + 1)] = (joint_reaction(fields, j), None)
        values[('Rm', j + 1)] = (joint_reaction_moment(fields, j), None)
        values[('rot', j + 1)] = (joint_rotation(beam, fields, j), None)
        values[('disp', j + 1)] = (joint_deflection(fields, j) * u.disp_factor, None)
        # the moment at the end of the member left of the joint (the first member's start
        # at joint 1), as the member end forces give it
        if j == 0:
            values[('Ms', j + 1)] = (fields[0].M(0.0, True), None)
        else:
            values[('Ms', j + 1)] = (fields[j - 1].M(fields[j - 1].length), None)
    all_moments, all_deflections = [], []
    per_span = []
    for f in fields:
        moments, deflections = span_extremes(f)
        deflections = [(x, v * u.defl_factor) for x, v in deflections]
        per_span.append((moments, deflections))
        all_moments += [abs(v) for _, v in moments]
        all_deflections += [abs(v) for _, v in deflections]
    moment_scale = max(all_moments)
    deflection_scale = max(all_deflections)
    for s, (moments, deflections) in enumerate(per_span, start=1):
        values[('Mmax', s)] = pick(moments, True, moment_scale)
        values[('Mmin', s)] = pick(moments, False, moment_scale)
        values[('Dmax', s)] = pick(deflections, True, deflection_scale)
        values[('Dmin', s)] = pick(deflections, False, deflection_scale)
    return values, moment_scale, deflection_scale


def value_at(beam, fields, key):
    kind, s, x = key
    f = fields[s - 1]
    if kind == 'M@':
        return f.M(x)
    return f.y(x) * beam.units.defl_factor


def add_span_extremes(case, fields, spans=None, note='exact integration'):
    """Moment and deflection extremes of the given spans, from solved fields."""
    values, mscale, dscale = theory_values(case.beam, fields)
    # only the extremes that exist: a sagging maximum above zero, a hogging one below, ...
    sign = {'Mmax': 1, 'Mmin': -1, 'Dmax': 1, 'Dmin': -1}
    for s in spans or range(1, len(fields) + 1):
        for kind in ('Mmax', 'Mmin'):
            value, places = values[(kind, s)]
            if sign[kind] * value > 1e-6 * mscale:
                case.moment_extreme(kind, s, value, places, note)
        for kind in ('Dmin', 'Dmax'):
            value, places = values[(kind, s)]
            if sign[kind] * value > 1e-6 * dscale:
                case.deflection_extreme(kind, s, value / case.beam.units.defl_factor, places,
                                        note)


def arrangements(beam):
    """Every set of spans with live load (0-based), fewest spans first."""
    live = [s for s, span in enumerate(beam.spans) if span.has_live()]
    for size in range(len(live) + 1):
        yield from itertools.combinations(live, size)


ENVELOPE_KINDS = {'Mmax': ('Mmax', True), 'Mmin': ('Mmin', False),
                  'Dmax': ('Dmax', True), 'Dmin': ('Dmin', False),
                  'Rmax': ('R', True), 'Rmin': ('R', False),
                  'RMmax': ('Rm', True), 'RMmin': ('Rm', False)}


def enumerated_envelope(beam, c):
    """The envelope of combination c by brute force: every arrangement of the live loads is
    solved on its own by the compatibility solution, and each extreme is the largest or
    smallest over all of them. Returns {(kind, index): (value, places, loaded spans)} in output
    units, and the largest moment and deflection met. Among arrangements that give the same
    extreme (within 1e-9 of the largest of its kind), the one with fewest spans is kept: a span
    whose live load does not change the value is not a span that governs it."""
    _, dead, live = beam.combinations[c]
    solved = []
    mscale = dscale = 0.0
    for loaded in arrangements(beam):
        one = beam.arrangement(dead, live, loaded)
        values, m, d = theory_values(one, solve_by_compatibility(one))
        solved.append((loaded, values))
        mscale, dscale = max(mscale, m), max(dscale, d)
    envelope = {}
    for kind, (key, largest) in ENVELOPE_KINDS.items():
        count = len(beam.joints) if key in ('R', 'Rm') else len(beam.spans)
        for index in range(1, count + 1):
            candidates = [(values[(key, index)], loaded) for loaded, values in solved]
            scale = max(abs(v) for (v, _), _ in candidates)
            best = max(v for (v, _), _ in candidates) if largest else \
                min(v for (v, _), _ in candidates)
            # every arrangement that reaches the extreme, without the spans that do not
            # change it; an extreme reached at several places keeps each with its spans
            reaching = [(places, set(loaded)) for (v, places), loaded in candidates
                        if abs(v - best) <= 1e-9 * scale]
            alternatives = []
            for places, loaded in reaching:
                if any(other < loaded and other_places == places
                       for other_places, other in reaching):
                    continue
                spans = sorted(s + 1 for s in loaded)
                for place in places or [None]:
                    if (place, spans) not in alternatives:
                        alternatives.append((place, spans))
            all_places = sorted({p for p, _ in alternatives if p is not None}) or None
            envelope[(kind, index)] = (best, all_places, alternatives)
    return envelope, mscale, dscale


def add_envelope_extremes(case, c, spans=None, note=None):
    """The moment and deflection envelope extremes of the given spans and the reaction
    envelopes of the supported joints, by enumeration of every arrangement."""
    beam = case.beam
    envelope, mscale, dscale = enumerated_envelope(beam, c)
    note = note or 'all %d arrangements' % sum(1 for _ in arrangements(beam))
    sign = {'Mmax': 1, 'Mmin': -1, 'Dmax': 1, 'Dmin': -1}
    for s in spans or range(1, len(beam.spans) + 1):
        for kind in ('Mmax', 'Mmin', 'Dmin', 'Dmax'):
            value, places, alternatives = envelope[(kind, s)]
            scale = mscale if kind[0] == 'M' else dscale
            if sign[kind] * value > 1e-6 * scale:
                if kind[0] == 'D':
                    value /= beam.units.defl_factor
                case.envelope(c, kind, s, value, alternatives, note, places)
    for j, (fixed_y, fixed_z) in enumerate(beam.joints, start=1):
        for kind in (('Rmax', 'Rmin') if fixed_y else ()) + (('RMmax', 'RMmin') if fixed_z else ()):
            value, _, alternatives = envelope[(kind, j)]
            case.envelope(c, kind, j, value, alternatives, note)


# --------------------------------------------------------------------------------------
# The beams
# --------------------------------------------------------------------------------------

CASES = []


def case(function):
    CASES.append(function)
    return function


@case
def simple_uniform():
    L, w, E, I = 24.0, 800.0, 29e6, 350.0
    beam = Beam('E', [Span(L, E, I, uniform=[(0, w, L, w)])], [(1, 0), (1, 0)],
                ['Simply supported 24 ft, 800 lb/ft uniform'])
    ei = beam.ei(0)
    c = Case('simple-uniform', 'Simply supported beam, uniform load', beam,
             'A single 24 ft span on two pins under 800 lb/ft over its whole length '
             '(system E: feet, E = 29 000 000 psi, I = 350 in^4).',
             ['Statics: R1 = R2 = wL/2; M(x) = w x (L - x)/2, largest wL^2/8 at L/2.',
              'Double integration of M/EI with y(0) = y(L) = 0: '
              'EI y = -w x (L^3 - 2 L x^2 + x^3)/24; end slopes -/+ wL^3/24EI, '
              'mid-span deflection 5wL^4/384EI.'])
    c.reaction(1, w * L / 2, 'wL/2')
    c.reaction(2, w * L / 2, 'wL/2')
    c.rotation(1, -w * L ** 3 / (24 * ei), '-wL^3/24EI')
    c.rotation(2, w * L ** 3 / (24 * ei), 'wL^3/24EI')
    c.moment_extreme('Mmax', 1, w * L * L / 8, [L / 2], 'wL^2/8 at L/2')
    c.deflection_extreme('Dmin', 1, -5 * w * L ** 4 / (384 * ei), [L / 2], '5wL^4/384EI at L/2')
    x = L / 4
    c.moment_at(1, x, w * x * (L - x) / 2, 'w x (L - x)/2')
    c.deflection_at(1, x, -w * x * (L ** 3 - 2 * L * x * x + x ** 3) / (24 * ei),
                    'w x (L^3 - 2Lx^2 + x^3)/24EI')
    return c


@case
def simple_central_point():
    L, P, E, I = 6.0, 25000.0, 200.0, 5.0
    beam = Beam('M', [Span(L, E, I, points=[(L / 2, P)])], [(1, 0), (1, 0)],
                ['Simply supported 6 m, 25 kN at mid-span'])
    ei = beam.ei(0)
    c = Case('simple-central-point', 'Simply supported beam, central point load', beam,
             'A 6 m span on two pins with 25 000 N at mid-span (system M: metres, '
             'E = 200 GN/m^2, I = 5 x 10^-5 m^4).',
             ['Statics: R1 = R2 = P/2, largest moment PL/4 under the load.',
              'For x <= L/2: EI y = -P x (3L^2 - 4x^2)/48; end slopes -/+ PL^2/16EI, '
              'deflection under the load PL^3/48EI.'])
    c.reaction(1, P / 2, 'P/2')
    c.reaction(2, P / 2, 'P/2')
    c.rotation(1, -P * L * L / (16 * ei), '-PL^2/16EI')
    c.rotation(2, P * L * L / (16 * ei), 'PL^2/16EI')
    c.moment_extreme('Mmax', 1, P * L / 4, [L / 2], 'PL/4 at L/2')
    c.deflection_extreme('Dmin', 1, -P * L ** 3 / (48 * ei), [L / 2], 'PL^3/48EI at L/2')
    x = 1.5
    c.deflection_at(1, x, -P * x * (3 * L * L - 4 * x * x) / (48 * ei), 'P x (3L^2 - 4x^2)/48EI')
    return c


@case
def simple_eccentric_point():
    L, P, a, E, I = 7.5, 40000.0, 2.5, 210000.0, 12000.0
    b = L - a
    beam = Beam('M2', [Span(L, E, I, points=[(a, P)])], [(1, 0), (1, 0)],
                ['Simply supported 7.5 m, 40 kN at 2.5 m'])
    ei = beam.ei(0)
    c = Case('simple-eccentric-point', 'Simply supported beam, eccentric point load', beam,
             'A 7.5 m span on two pins with 40 000 N at a = 2.5 m from the left support '
             '(b = 5 m; system M2: metres, E = 210 000 N/mm^2, I = 12 000 x 10^4 mm^4).',
             ['Statics: R1 = Pb/L, R2 = Pa/L, largest moment Pab/L under the load.',
              'Double integration with y = 0 at both supports: end slopes '
              '-Pab(L + b)/6EIL and +Pab(L + a)/6EIL; deflection under the load '
              'Pa^2b^2/3EIL; largest deflection in the longer segment b, at '
              'sqrt((L^2 - a^2)/3) from the right support, Pa(L^2 - a^2)^(3/2)/(9 sqrt(3) EIL).'])
    c.reaction(1, P * b / L, 'Pb/L')
    c.reaction(2, P * a / L, 'Pa/L')
    c.rotation(1, -P * a * b * (L + b) / (6 * ei * L), '-Pab(L+b)/6EIL')
    c.rotation(2, P * a * b * (L + a) / (6 * ei * L), 'Pab(L+a)/6EIL')
    c.moment_extreme('Mmax', 1, P * a * b / L, [a], 'Pab/L at a')
    x = L - math.sqrt((L * L - a * a) / 3)
    c.deflection_extreme('Dmin', 1, -P * a * (L * L - a * a) ** 1.5 / (9 * math.sqrt(3) * ei * L),
                         [x], 'Pa(L^2-a^2)^1.5/(9 sqrt(3) EIL)')
    c.deflection_at(1, a, -P * a * a * b * b / (3 * ei * L), 'Pa^2b^2/3EIL')
    return c


@case
def propped_uniform():
    L, w, E, I = 180.0, 100.0, 29e6, 300.0
    beam = Beam('E2', [Span(L, E, I, uniform=[(0, w, L, w)])], [(1, 1), (1, 0)],
                ['Propped cantilever 180 in, 100 lb/in uniform'])
    ei = beam.ei(0)
    r = L * (1 + math.sqrt(33)) / 16  # largest deflection, from the pinned end
    c = Case('propped-uniform', 'Propped cantilever, uniform load', beam,
             'A 180 in span fixed at the left, pinned at the right, under 100 lb/in '
             '(system E2: inches, E = 29 000 000 psi, I = 300 in^4).',
             ['One redundant: the pin reaction that closes the cantilever tip deflection '
              'wL^4/8EI, R2 L^3/3EI = wL^4/8EI, gives R2 = 3wL/8, R1 = 5wL/8, fixed-end '
              'moment wL^2/8.',
              'Largest sagging moment 9wL^2/128 where the shear vanishes, 3L/8 from the pin. '
              'With r from the pin, EI y = -w r (L^3 - 3 L r^2 + 2 r^3)/48: slope at the pin '
              'wL^3/48EI; y is largest at r = L(1 + sqrt 33)/16.'])
    c.reaction(1, 5 * w * L / 8, '5wL/8')
    c.reaction(2, 3 * w * L / 8, '3wL/8')
    c.reaction_moment(1, w * L * L / 8, 'wL^2/8')
    c.rotation(2, w * L ** 3 / (48 * ei), 'wL^3/48EI')
    c.moment_extreme('Mmax', 1, 9 * w * L * L / 128, [5 * L / 8], '9wL^2/128 at 5L/8')
    c.moment_extreme('Mmin', 1, -w * L * L / 8, [0.0], '-wL^2/8 at 0')
    c.deflection_extreme('Dmin', 1, -w * r * (L ** 3 - 3 * L * r * r + 2 * r ** 3) / (48 * ei),
                         [L - r], 'w r (L^3 - 3Lr^2 + 2r^3)/48EI')
    return c


@case
def propped_central_point():
    L, P, E, I = 5.0, 2000.0, 2.1e6, 8000.0
    beam = Beam('M3', [Span(L, E, I, points=[(L / 2, P)])], [(1, 1), (1, 0)],
                ['Propped cantilever 5 m, 2000 kg at mid-span'])
    ei = beam.ei(0)
    r = L / math.sqrt(5)
    c = Case('propped-central-point', 'Propped cantilever, central point load', beam,
             'A 5 m span fixed at the left, pinned at the right, with 2000 kg at mid-span '
             '(system M3: metres and kilograms, E = 2 100 000 kg/cm^2, I = 8000 cm^4; '
             'deflections in cm).',
             ['Closing the cantilever tip deflection 5PL^3/48EI with R2 L^3/3EI: R2 = 5P/16, '
              'R1 = 11P/16, fixed-end moment 3PL/16, moment under the load 5PL/32.',
              'With r from the pin, for r <= L/2: EI y = -P r (3L^2 - 5r^2)/96; slope at the '
              'pin PL^2/32EI; largest deflection PL^3/(48 sqrt 5 EI) at r = L/sqrt 5; '
              'deflection under the load 7PL^3/768EI.'])
    c.reaction(1, 11 * P / 16, '11P/16')
    c.reaction(2, 5 * P / 16, '5P/16')
    c.reaction_moment(1, 3 * P * L / 16, '3PL/16')
    c.rotation(2, P * L * L / (32 * ei), 'PL^2/32EI')
    c.moment_extreme('Mmax', 1, 5 * P * L / 32, [L / 2], '5PL/32 at L/2')
    c.moment_extreme('Mmin', 1, -3 * P * L / 16, [0.0], '-3PL/16 at 0')
    c.deflection_extreme('Dmin', 1, -P * L ** 3 / (48 * math.sqrt(5) * ei), [L - r],
                         'PL^3/(48 sqrt 5 EI) at L - L/sqrt 5')
    c.deflection_at(1, L / 2, -7 * P * L ** 3 / (768 * ei), '7PL^3/768EI')
    return c


@case
def fixed_uniform():
    L, w, E, I = 4000.0, 15.0, 200000.0, 8.0e7
    beam = Beam('M4', [Span(L, E, I, uniform=[(0, w, L, w)])], [(1, 1), (1, 1)],
                ['Fixed-ended 4000 mm, 15 N/mm uniform'])
    ei = beam.ei(0)
    c = Case('fixed-uniform', 'Fixed-ended beam, uniform load', beam,
             'A 4000 mm span built in at both ends under 15 N/mm (system M4: millimetres, '
             'E = 200 000 N/mm^2, I = 8 x 10^7 mm^4).',
             ['By symmetry R1 = R2 = wL/2; zero end slopes need end moments wL^2/12 '
              '(counterclockwise at the left, clockwise at the right), sagging wL^2/24 '
              'at mid-span.',
              'EI y = -w x^2 (L - x)^2/24, largest wL^4/384EI at mid-span.'])
    c.reaction(1, w * L / 2, 'wL/2')
    c.reaction(2, w * L / 2, 'wL/2')
    c.reaction_moment(1, w * L * L / 12, 'wL^2/12')
    c.reaction_moment(2, -w * L * L / 12, '-wL^2/12')
    c.moment_extreme('Mmax', 1, w * L * L / 24, [L / 2], 'wL^2/24 at L/2')
    c.moment_extreme('Mmin', 1, -w * L * L / 12, [0.0, L], '-wL^2/12 at the ends')
    c.deflection_extreme('Dmin', 1, -w * L ** 4 / (384 * ei), [L / 2], 'wL^4/384EI at L/2')
    x = 1000.0
    c.deflection_at(1, x, -w * x * x * (L - x) ** 2 / (24 * ei), 'w x^2 (L-x)^2/24EI')
    return c


@case
def fixed_eccentric_point():
    L, P, a, E, I = 20.0, 12000.0, 12.0, 29e6, 800.0
    b = L - a
    beam = Beam('E', [Span(L, E, I, points=[(a, P)])], [(1, 1), (1, 1)],
                ['Fixed-ended 20 ft, 12000 lb at 12 ft'])
    ei = beam.ei(0)
    xm = 2 * a * L / (3 * a + b)
    c = Case('fixed-eccentric-point', 'Fixed-ended beam, eccentric point load', beam,
             'A 20 ft span built in at both ends with 12 000 lb at a = 12 ft from the left '
             '(b = 8 ft, so the larger end moment is at the right end; system E: feet, '
             'E = 29 000 000 psi, I = 800 in^4).',
             ['Zero end slopes: end moments Pab^2/L^2 (left) and Pa^2b/L^2 (right); '
              'reactions R1 = Pb^2(3a + b)/L^3, R2 = Pa^2(a + 3b)/L^3; moment under the load '
              '2Pa^2b^2/L^3.',
              'Deflection under the load Pa^3b^3/3EIL^3; the largest lies in the longer '
              'segment a, at 2aL/(3a + b) from the left end: 2Pa^3b^2/(3EI(3a + b)^2).'])
    c.reaction(1, P * b * b * (3 * a + b) / L ** 3, 'Pb^2(3a+b)/L^3')
    c.reaction(2, P * a * a * (a + 3 * b) / L ** 3, 'Pa^2(a+3b)/L^3')
    c.reaction_moment(1, P * a * b * b / L ** 2, 'Pab^2/L^2')
    c.reaction_moment(2, -P * a * a * b / L ** 2, '-Pa^2b/L^2')
    c.moment_extreme('Mmax', 1, 2 * P * a * a * b * b / L ** 3, [a], '2Pa^2b^2/L^3 at a')
    c.moment_extreme('Mmin', 1, -P * a * a * b / L ** 2, [L], '-Pa^2b/L^2 at L')
    c.deflection_extreme('Dmin', 1, -2 * P * a ** 3 * b * b / (3 * ei * (3 * a + b) ** 2), [xm],
                         '2Pa^3b^2/(3EI(3a+b)^2) at 2aL/(3a+b)')
    c.deflection_at(1, a, -P * a ** 3 * b ** 3 / (3 * ei * L ** 3), 'Pa^3b^3/3EIL^3')
    return c


@case
def fixed_triangular():
    L, w, E, I = 6.0, 15000.0, 200.0, 12.0
    beam = Beam('M', [Span(L, E, I, uniform=[(0, 0.0, L, w)])], [(1, 1), (1, 1)],
                ['Fixed-ended 6 m, triangular 0 to 15 kN/m'])
    ei = beam.ei(0)
    x_m = L * math.sqrt(0.3)                       # largest moment
    x_d = L * (math.sqrt(105) - 5) / 10            # largest deflection
    c = Case('fixed-triangular', 'Fixed-ended beam, triangular load', beam,
             'A 6 m span built in at both ends under a load rising linearly from 0 at the left '
             'end to 15 000 N/m at the right end (system M: E = 200 GN/m^2, '
             'I = 12 x 10^-5 m^4).',
             ['EI y\'\'\'\' = -w x/L with y = y\' = 0 at both ends gives '
              'EI y = -w x^2 (L - x)^2 (x + 2L)/(120 L); end moments wL^2/30 (left) and '
              'wL^2/20 (right), reactions 3wL/20 and 7wL/20.',
              'The shear 3wL/20 - w x^2/2L vanishes at x = L sqrt(0.3): '
              'M = wL^2(sqrt(0.3)/10 - 1/30); the slope vanishes where 5x^2 + 5xL - 4L^2 = 0, '
              'x = L(sqrt 105 - 5)/10.'])
    c.reaction(1, 3 * w * L / 20, '3wL/20')
    c.reaction(2, 7 * w * L / 20, '7wL/20')
    c.reaction_moment(1, w * L * L / 30, 'wL^2/30')
    c.reaction_moment(2, -w * L * L / 20, '-wL^2/20')
    c.moment_extreme('Mmax', 1, w * L * L * (math.sqrt(0.3) / 10 - 1.0 / 30), [x_m],
                     'wL^2(sqrt(0.3)/10 - 1/30) at L sqrt(0.3)')
    c.moment_extreme('Mmin', 1, -w * L * L / 20, [L], '-wL^2/20 at L')
    c.deflection_extreme('Dmin', 1, -w * x_d ** 2 * (L - x_d) ** 2 * (x_d + 2 * L) / (120 * L * ei),
                         [x_d], 'w x^2 (L-x)^2 (x+2L)/120LEI')
    x = L / 2
    c.deflection_at(1, x, -w * x * x * (L - x) ** 2 * (x + 2 * L) / (120 * L * ei), 'wL^4/768EI')
    return c


@case
def cantilever_tip_load():
    L, P, E, I = 3.0, 15000.0, 210000.0, 2500.0
    beam = Beam('M2', [Span(L, E, I, points=[(L, P)])], [(1, 1), (0, 0)],
                ['Cantilever 3 m, 15 kN at the tip'])
    ei = beam.ei(0)
    c = Case('cantilever-tip-load', 'Cantilever, point load at the tip', beam,
             'A 3 m cantilever built in at the left, free at the right, with 15 000 N at the '
             'free end (system M2: E = 210 000 N/mm^2, I = 2500 x 10^4 mm^4).',
             ['Statics: R1 = P, fixed-end moment PL; M(x) = -P(L - x).',
              'EI y = -P x^2 (3L - x)/6: tip deflection PL^3/3EI, tip slope -PL^2/2EI, '
              'deflection at mid-length 5PL^3/48EI.'])
    c.reaction(1, P, 'P')
    c.reaction_moment(1, P * L, 'PL')
    c.rotation(2, -P * L * L / (2 * ei), '-PL^2/2EI')
    c.displacement(2, -P * L ** 3 / (3 * ei), '-PL^3/3EI')
    c.moment_extreme('Mmin', 1, -P * L, [0.0], '-PL at 0')
    c.deflection_extreme('Dmin', 1, -P * L ** 3 / (3 * ei), [L], 'PL^3/3EI at L')
    c.deflection_at(1, L / 2, -5 * P * L ** 3 / (48 * ei), '5PL^3/48EI')
    c.moment_at(1, 1.0, -P * (L - 1.0), '-P(L - x)')
    return c


@case
def cantilever_uniform():
    L, w, E, I = 10.0, 600.0, 29e6, 150.0
    beam = Beam('E', [Span(L, E, I, uniform=[(0, w, L, w)])], [(1, 1), (0, 0)],
                ['Cantilever 10 ft, 600 lb/ft uniform'])
    ei = beam.ei(0)
    c = Case('cantilever-uniform', 'Cantilever, uniform load', beam,
             'A 10 ft cantilever built in at the left under 600 lb/ft (system E: feet, '
             'E = 29 000 000 psi, I = 150 in^4).',
             ['Statics: R1 = wL, fixed-end moment wL^2/2; M(x) = -w(L - x)^2/2.',
              'EI y = -w x^2 (6L^2 - 4Lx + x^2)/24: tip deflection wL^4/8EI, tip slope '
              '-wL^3/6EI.'])
    c.reaction(1, w * L, 'wL')
    c.reaction_moment(1, w * L * L / 2, 'wL^2/2')
    c.rotation(2, -w * L ** 3 / (6 * ei), '-wL^3/6EI')
    c.displacement(2, -w * L ** 4 / (8 * ei), '-wL^4/8EI')
    c.moment_extreme('Mmin', 1, -w * L * L / 2, [0.0], '-wL^2/2 at 0')
    c.deflection_extreme('Dmin', 1, -w * L ** 4 / (8 * ei), [L], 'wL^4/8EI at L')
    x = L / 2
    c.moment_at(1, x, -w * (L - x) ** 2 / 2, '-w(L - x)^2/2')
    c.deflection_at(1, x, -w * x * x * (6 * L * L - 4 * L * x + x * x) / (24 * ei),
                    'w x^2 (6L^2 - 4Lx + x^2)/24EI')
    return c


@case
def cantilever_fixed_right():
    L, w, P, E, I = 2500.0, 4.0, 5000.0, 200000.0, 3.0e7
    beam = Beam('M4', [Span(L, E, I, uniform=[(0, w, L, w)], points=[(0, P)])],
                [(0, 0), (1, 1)], ['Cantilever 2500 mm built in at the right, free left end'])
    ei = beam.ei(0)
    c = Case('cantilever-fixed-right', 'Cantilever built in at the right end', beam,
             'A 2500 mm cantilever free at the left end and built in at the right, under '
             '4 N/mm and 5000 N at the free end (system M4: E = 200 000 N/mm^2, '
             'I = 3 x 10^7 mm^4).',
             ['Statics: R2 = wL + P, reaction moment -(wL^2/2 + PL) (clockwise); '
              'M(x) = -P x - w x^2/2 from the free end.',
              'Mirror of the cantilever formulas: free-end deflection wL^4/8EI + PL^3/3EI, '
              'free-end slope +(wL^3/6EI + PL^2/2EI) (the left end dips, so the beam rises '
              'towards the support).'])
    c.reaction(2, w * L + P, 'wL + P')
    c.reaction_moment(2, -(w * L * L / 2 + P * L), '-(wL^2/2 + PL)')
    c.rotation(1, w * L ** 3 / (6 * ei) + P * L * L / (2 * ei), 'wL^3/6EI + PL^2/2EI')
    c.displacement(1, -(w * L ** 4 / (8 * ei) + P * L ** 3 / (3 * ei)), '-(wL^4/8EI + PL^3/3EI)')
    c.moment_extreme('Mmin', 1, -(w * L * L / 2 + P * L), [L], '-(wL^2/2 + PL) at L')
    c.deflection_extreme('Dmin', 1, -(w * L ** 4 / (8 * ei) + P * L ** 3 / (3 * ei)), [0.0],
                         'wL^4/8EI + PL^3/3EI at 0')
    x = 1000.0
    c.moment_at(1, x, -P * x - w * x * x / 2, '-Px - wx^2/2')
    return c


@case
def guided_uniform():
    L, w, E, I = 4.0, 9000.0, 200.0, 6.0
    beam = Beam('M', [Span(L, E, I, uniform=[(0, w, L, w)])], [(1, 1), (0, 1)],
                ['Guided end: fixed 4 m, right end slides without turning, 9 kN/m'])
    ei = beam.ei(0)
    c = Case('guided-uniform', 'Guided end, uniform load', beam,
             'A 4 m span built in at the left; the right end may move vertically but not '
             'turn (a guided or sliding end); 9000 N/m over the span (system M: '
             'E = 200 GN/m^2, I = 6 x 10^-5 m^4).',
             ['Statics: R1 = wL (the guide takes no force). The guide moment M2 cancels the '
              'cantilever tip slope: M2 L/EI = wL^3/6EI, M2 = wL^2/6 (sagging), so the '
              'fixed-end moment is wL^2/2 - wL^2/6 = wL^2/3.',
              'EI y = -w x^2 (2L - x)^2/24, end deflection wL^4/24EI.'])
    c.reaction(1, w * L, 'wL')
    c.reaction_moment(1, w * L * L / 3, 'wL^2/3')
    c.reaction_moment(2, w * L * L / 6, 'wL^2/6')
    c.displacement(2, -w * L ** 4 / (24 * ei), '-wL^4/24EI')
    c.moment_extreme('Mmax', 1, w * L * L / 6, [L], 'wL^2/6 at L')
    c.moment_extreme('Mmin', 1, -w * L * L / 3, [0.0], '-wL^2/3 at 0')
    c.deflection_extreme('Dmin', 1, -w * L ** 4 / (24 * ei), [L], 'wL^4/24EI at L')
    x = L / 2
    c.deflection_at(1, x, -w * x * x * (2 * L - x) ** 2 / (24 * ei), 'w x^2 (2L - x)^2/24EI')
    return c


@case
def simple_partial_trapezoid():
    L, x1, x2, w1, w2, E, I = 192.0, 36.0, 150.0, 40.0, 100.0, 29e6, 200.0
    beam = Beam('E2', [Span(L, E, I, uniform=[(x1, w1, x2, w2)])], [(1, 0), (1, 0)],
                ['Simply supported 192 in, 40 to 100 lb/in from 36 to 150 in'])
    ei = beam.ei(0)
    W = (w1 + w2) * (x2 - x1) / 2
    xbar = x1 + (x2 - x1) * (w1 + 2 * w2) / (3 * (w1 + w2))
    r2 = W * xbar / L
    r1 = W - r2
    s = (w2 - w1) / (x2 - x1)
    u = (-w1 + math.sqrt(w1 * w1 + 2 * s * r1)) / s
    mmax = r1 * (x1 + u) - (w1 * u * u / 2 + s * u ** 3 / 6)
    c = Case('simple-partial-trapezoid', 'Simply supported beam, partial trapezoidal load',
             beam,
             'A 192 in span on two pins carrying a load that rises linearly from 40 lb/in at '
             '36 in to 100 lb/in at 150 in (system E2: inches, E = 29 000 000 psi, '
             'I = 200 in^4).',
             ['Exact integration of the load: W = (w1 + w2)(x2 - x1)/2, centroid x1 + '
              '(x2 - x1)(w1 + 2w2)/(3(w1 + w2)); R2 = W xbar/L, R1 = W - R2. The shear vanishes '
              'at x1 + u with R1 = w1 u + s u^2/2 (s = (w2 - w1)/(x2 - x1)), where '
              'M = R1 (x1 + u) - w1 u^2/2 - s u^3/6.',
              'Slopes and deflections by Macaulay integration of M/EI (the load as a uniform '
              'part and a ramp starting at x1, both cancelled at x2) with y(0) = y(L) = 0; '
              'the largest deflection where the slope vanishes.'])
    c.reaction(1, r1, 'W - R2')
    c.reaction(2, r2, 'W xbar/L')
    c.moment_extreme('Mmax', 1, mmax, [x1 + u], 'R1(x1+u) - w1u^2/2 - su^3/6')
    fields = solve_by_compatibility(beam)
    values, _, _ = theory_values(beam, fields)
    c.rotation(1, values[('rot', 1)][0], 'Macaulay')
    c.rotation(2, values[('rot', 2)][0], 'Macaulay')
    d, places = values[('Dmin', 1)]
    c.deflection_extreme('Dmin', 1, d / beam.units.defl_factor, places, 'Macaulay, slope 0')
    x = 100.0
    c.moment_at(1, x, r1 * x - (w1 * (x - x1) ** 2 / 2 + s * (x - x1) ** 3 / 6),
                'R1 x - w1(x-x1)^2/2 - s(x-x1)^3/6')
    return c


@case
def simple_applied_moment():
    L, C, a, E, I = 3000.0, 6.0e6, 1400.0, 200000.0, 2.0e7
    b = L - a
    beam = Beam('M4', [Span(L, E, I, moments=[(a, C)])], [(1, 0), (1, 0)],
                ['Simply supported 3000 mm, 6e6 N-mm counterclockwise at 1400 mm'])
    ei = beam.ei(0)

    def y(x):
        return (C * (3 * b * b - L * L) / (6 * L) * x + C * x ** 3 / (6 * L)
                - (C * (x - a) ** 2 / 2 if x > a else 0.0)) / ei

    # slope zero left of the couple: x^2 = (L^2 - 3b^2)/3
    x_down = math.sqrt((L * L - 3 * b * b) / 3)
    # slope zero right of the couple: 3x^2 - 6Lx + 6La + 3b^2 - L^2 = 0
    disc = 36 * L * L - 12 * (6 * L * a + 3 * b * b - L * L)
    x_up = (6 * L - math.sqrt(disc)) / 6
    assert 0 < x_down < a < x_up < L
    c = Case('simple-applied-moment', 'Simply supported beam, applied moment', beam,
             'A 3000 mm span on two pins with a counterclockwise moment C = 6 000 000 N-mm '
             'applied at a = 1400 mm (b = 1600 mm; system M4: E = 200 000 N/mm^2, '
             'I = 2 x 10^7 mm^4).',
             ['Statics: R1 = C/L, R2 = -C/L; M = Cx/L left of the couple, Cx/L - C right of it '
              '(a jump of -C).',
              'EI y = C(3b^2 - L^2)x/6L + Cx^3/6L - C<x - a>^2/2, so the end slopes are '
              'C(3b^2 - L^2)/6LEI and C(3b^2 - 6bL + 2L^2)/6LEI. The slope vanishes left of '
              'the couple at x = sqrt((L^2 - 3b^2)/3) (lowest point) and right of it where '
              '3x^2 - 6L(x - a) + 3b^2 - L^2 = 0 (highest point).'])
    c.reaction(1, C / L, 'C/L')
    c.reaction(2, -C / L, '-C/L')
    c.rotation(1, C * (3 * b * b - L * L) / (6 * L * ei), 'C(3b^2-L^2)/6LEI')
    c.rotation(2, C * (3 * b * b - 6 * b * L + 2 * L * L) / (6 * L * ei), 'C(3b^2-6bL+2L^2)/6LEI')
    c.moment_extreme('Mmax', 1, C * a / L, [a], 'Ca/L just left of a')
    c.moment_extreme('Mmin', 1, -C * b / L, [a], '-Cb/L just right of a')
    c.deflection_extreme('Dmin', 1, y(x_down), [x_down], 'EI y at sqrt((L^2-3b^2)/3)')
    c.deflection_extreme('Dmax', 1, y(x_up), [x_up], 'EI y where the slope vanishes right of a')
    c.deflection_at(1, a, y(a), 'Ca(3b^2 - L^2 + a^2)/6LEI')
    return c


@case
def two_span_unequal():
    beam = Beam('M', [Span(6.0, 200.0, 10.0, uniform=[(0, 12000.0, 6.0, 12000.0)]),
                      Span(4.5, 200.0, 6.0, uniform=[(0, 8000.0, 4.5, 8000.0)],
                           points=[(2.0, 20000.0)])],
                [(1, 0), (1, 0), (1, 0)],
                ['Two spans 6 m and 4.5 m, I 10 and 6 x10^-5 m^4'])
    fields, moments = three_moment(beam)
    c = Case('two-span-unequal', 'Two continuous spans, unequal spans and sections', beam,
             'Spans of 6 m (I = 10 x 10^-5 m^4, 12 000 N/m) and 4.5 m (I = 6 x 10^-5 m^4, '
             '8000 N/m and 20 000 N at 2 m), on three pins (system M, E = 200 GN/m^2).',
             ['Three-moment equation at the middle support, with M0 = M2 = 0: '
              '2 M1 (f1 + f2) = -(beta1 + alpha2), f = L/6EI, beta1 = w1 L1^3/24EI1, '
              'alpha2 = w2 L2^3/24EI2 + Pab(L2 + b)/6EI2L2.',
              'Reactions from the statics of each span under its loads and end moments; '
              'slopes, deflections and extremes by exact integration of M/EI.'])
    add_support_results(c, fields, moments)
    add_span_extremes(c, fields)
    return c


@case
def three_span_fixed_end():
    beam = Beam('M2', [Span(5.0, 210000.0, 8000.0, uniform=[(0, 10000.0, 5.0, 10000.0)]),
                       Span(7.0, 210000.0, 15000.0, uniform=[(0, 15000.0, 7.0, 15000.0)],
                            points=[(3.5, 30000.0)]),
                       Span(4.0, 70000.0, 6000.0, uniform=[(1.0, 20000.0, 3.0, 20000.0)])],
                [(1, 1), (1, 0), (1, 0), (1, 0)],
                ['Three spans, left end fixed, last span aluminium'])
    fields, moments = three_moment(beam)
    c = Case('three-span-fixed-end', 'Three continuous spans, fixed left end, mixed moduli',
             beam,
             'Spans of 5 m, 7 m and 4 m, built in at the left end and pinned elsewhere. '
             'Sections 8000, 15 000 and 6000 x 10^4 mm^4; E = 210 000 N/mm^2 on the first two '
             'spans and 70 000 N/mm^2 on the third. Loads: 10 000 N/m on span 1; 15 000 N/m '
             'and 30 000 N at 3.5 m on span 2; 20 000 N/m from 1 m to 3 m on span 3 '
             '(system M2).',
             ['Three-moment equation with a fixed left end (2 f1 M0 + f1 M1 = -alpha1) and '
              'M3 = 0; alpha and beta of each span from exact integration of its simple-span '
              'moment (including the partial uniform load).',
              'Reactions by statics of each span; slopes, deflections and extremes by exact '
              'integration of M/EI.'])
    add_support_results(c, fields, moments)
    add_span_extremes(c, fields)
    return c


@case
def four_span_trapezoid():
    beam = Beam('M3', [Span(4.0, 2.1e6, 6000.0, uniform=[(0, 0.0, 4.0, 800.0)]),
                       Span(6.0, 2.1e6, 12000.0, uniform=[(1.0, 500.0, 5.0, 1500.0),
                                                          (0, 300.0, 6.0, 300.0)]),
                       Span(5.0, 2.1e6, 9000.0, points=[(2.5, 2000.0)]),
                       Span(3.0, 2.1e6, 4000.0, uniform=[(0, 1200.0, 3.0, 400.0)])],
                [(1, 0)] * 5,
                ['Four spans 4, 6, 5, 3 m with trapezoidal loads'])
    fields, moments = three_moment(beam)
    c = Case('four-span-trapezoid', 'Four continuous spans, trapezoidal loads', beam,
             'Spans of 4, 6, 5 and 3 m on five pins, sections 6000, 12 000, 9000 and 4000 cm^4, '
             'E = 2 100 000 kg/cm^2. Loads: 0 to 800 kg/m over span 1; 500 to 1500 kg/m from '
             '1 m to 5 m plus 300 kg/m over span 2; 2000 kg at 2.5 m on span 3; 1200 to '
             '400 kg/m over span 4 (system M3; deflections in cm).',
             ['Three-moment equation at the three inner supports, pinned ends; the load terms '
              'alpha, beta of the trapezoidal loads by exact integration.',
              'Reactions by statics of each span; slopes, deflections and extremes by exact '
              'integration of M/EI.'])
    add_support_results(c, fields, moments)
    add_span_extremes(c, fields)
    return c


@case
def five_span_mixed():
    beam = Beam('E', [Span(12.0, 29e6, 300.0, uniform=[(0, 500.0, 12.0, 500.0)]),
                      Span(18.0, 29e6, 500.0, uniform=[(0, 800.0, 18.0, 800.0)],
                           points=[(6.0, 5000.0)]),
                      Span(15.0, 29e6, 400.0, uniform=[(0, 400.0, 15.0, 400.0)],
                           moments=[(7.5, 20000.0)]),
                      Span(20.0, 1.6e6, 3000.0, uniform=[(2.0, 200.0, 18.0, 1000.0)]),
                      Span(10.0, 29e6, 250.0, uniform=[(0, 300.0, 10.0, 300.0)],
                           points=[(4.0, 3000.0)])],
                [(1, 0)] * 6,
                ['Five spans 12, 18, 15, 20, 10 ft, one glulam span'])
    fields, moments = three_moment(beam)
    c = Case('five-span-mixed', 'Five continuous spans, mixed loads and materials', beam,
             'Spans of 12, 18, 15, 20 and 10 ft on six pins. Steel spans (E = 29 000 000 psi) '
             'with I = 300, 500, 400 and 250 in^4, and a glulam fourth span (E = 1 600 000 psi, '
             'I = 3000 in^4). Loads: 500 lb/ft on span 1; 800 lb/ft and 5000 lb at 6 ft on '
             'span 2; 400 lb/ft and a counterclockwise 20 000 ft-lb at 7.5 ft on span 3; '
             '200 to 1000 lb/ft from 2 to 18 ft on span 4; 300 lb/ft and 3000 lb at 4 ft on '
             'span 5 (system E).',
             ['Three-moment equation at the four inner supports, pinned ends, EI per span '
              '(E I/144 in lb-ft^2); alpha and beta of every load (the applied moment '
              'included) by exact integration.',
              'Reactions by statics of each span; slopes, deflections and extremes by exact '
              'integration of M/EI.'])
    add_support_results(c, fields, moments)
    add_span_extremes(c, fields)
    return c


@case
def hinged_suspended_span():
    L1, L2, w1, w2, P, a = 72.0, 216.0, 50.0, 40.0, 6000.0, 144.0
    E, I1, I2 = 29e6, 500.0, 300.0
    beam = Beam('E2', [Span(L1, E, I1, uniform=[(0, w1, L1, w1)]),
                       Span(L2, E, I2, release=1, uniform=[(0, w2, L2, w2)], points=[(a, P)])],
                [(1, 1), (0, 0), (1, 0)],
                ['Cantilever 72 in carrying a 216 in span hung on a hinge'])
    ei1, ei2 = beam.ei(0), beam.ei(1)
    r3 = (w2 * L2 * L2 / 2 + P * a) / L2
    rh = w2 * L2 + P - r3
    y2 = -(w1 * L1 ** 4 / (8 * ei1) + rh * L1 ** 3 / (3 * ei1))
    t2 = -(w1 * L1 ** 3 / (6 * ei1) + rh * L1 ** 2 / (2 * ei1))
    c = Case('hinged-suspended-span', 'Hinged beam: cantilever carrying a suspended span',
             beam,
             'A 72 in cantilever (I = 500 in^4, 50 lb/in) built in at the left; at its free '
             'end a hinge carries a 216 in span (I = 300 in^4, 40 lb/in and 6000 lb at 144 in) '
             'whose far end rests on a pin (system E2, E = 29 000 000 psi). The hinge is the '
             'left-end release of span 2.',
             ['Statics of the suspended span: R3 = (w2 L2^2/2 + P a)/L2, hinge force '
              'H = w2 L2 + P - R3. The cantilever carries w1 and H at its tip: R1 = w1 L1 + H, '
              'fixed-end moment w1 L1^2/2 + H L1, tip deflection w1 L1^4/8EI1 + H L1^3/3EI1, '
              'tip slope -(w1 L1^3/6EI1 + H L1^2/2EI1).',
              'Suspended span: largest moment under the load (the shear changes sign there), '
              'deflection = the chord from the hinge deflection plus the simple-span '
              'deflection, largest where the slope vanishes.'])
    c.reaction(1, w1 * L1 + rh, 'w1 L1 + H')
    c.reaction(3, r3, '(w2 L2^2/2 + Pa)/L2')
    c.reaction_moment(1, w1 * L1 * L1 / 2 + rh * L1, 'w1 L1^2/2 + H L1')
    c.displacement(2, y2, '-(w1L1^4/8EI1 + H L1^3/3EI1)')
    c.rotation(2, t2, '-(w1L1^3/6EI1 + H L1^2/2EI1)')
    c.moment_extreme('Mmin', 1, -(w1 * L1 * L1 / 2 + rh * L1), [0.0], '-(w1L1^2/2 + H L1) at 0')
    c.moment_extreme('Mmax', 2, rh * a - w2 * a * a / 2, [a], 'H a - w2 a^2/2 at a')
    c.deflection_extreme('Dmin', 1, y2, [L1], 'tip deflection')
    suspended = simple_span_field(L2, ei2, load_terms(beam.spans[1]), y_left=y2)
    _, deflections = span_extremes(suspended)
    d, places = pick(deflections, False, abs(y2))
    c.deflection_extreme('Dmin', 2, d, places, 'chord + simple span, slope 0')
    return c


@case
def overhang():
    L, a, w, P, E, I = 6.0, 2.0, 8000.0, 12000.0, 210000.0, 9000.0
    beam = Beam('M2', [Span(L, E, I, uniform=[(0, w, L, w)]),
                       Span(a, E, I, uniform=[(0, w, a, w)], points=[(a, P)])],
                [(1, 0), (1, 0), (0, 0)],
                ['Beam 6 m between pins with a 2 m overhang, 8 kN/m and 12 kN at the tip'])
    ei = beam.ei(0)
    r2 = (w * (L + a) ** 2 / 2 + P * (L + a)) / L
    r1 = w * (L + a) + P - r2
    mb = -(w * a * a / 2 + P * a)
    t1 = -w * L ** 3 / (24 * ei) - L * mb / (6 * ei)
    t2 = w * L ** 3 / (24 * ei) + L * mb / (3 * ei)
    tip = t2 * a - (w * a ** 4 / (8 * ei) + P * a ** 3 / (3 * ei))
    tip_slope = t2 - (w * a ** 3 / (6 * ei) + P * a * a / (2 * ei))
    c = Case('overhang', 'Beam with an overhang', beam,
             'A 6 m span between two pins continued by a 2 m overhang with a free end, '
             '8000 N/m over the whole length and 12 000 N at the free end (system M2: '
             'E = 210 000 N/mm^2, I = 9000 x 10^4 mm^4).',
             ['Statics: R2 = (w(L + a)^2/2 + P(L + a))/L, R1 = w(L + a) + P - R2; support '
              'moment -(wa^2/2 + Pa); largest sagging moment R1^2/2w at x = R1/w.',
              'Slopes at the pins of the main span from wL^3/24EI and the end moment M2: '
              '-wL^3/24EI - M2 L/6EI and wL^3/24EI + M2 L/3EI; the overhang is a cantilever '
              'turned by that slope: tip deflection theta2 a - wa^4/8EI - Pa^3/3EI, tip slope '
              'theta2 - wa^3/6EI - Pa^2/2EI.'])
    c.reaction(1, r1, 'w(L+a) + P - R2')
    c.reaction(2, r2, '(w(L+a)^2/2 + P(L+a))/L')
    c.support_moment(2, mb, '-(wa^2/2 + Pa)')
    c.rotation(1, t1, '-wL^3/24EI - M2 L/6EI')
    c.rotation(2, t2, 'wL^3/24EI + M2 L/3EI')
    c.rotation(3, tip_slope, 'theta2 - wa^3/6EI - Pa^2/2EI')
    c.displacement(3, tip, 'theta2 a - wa^4/8EI - Pa^3/3EI')
    c.moment_extreme('Mmax', 1, r1 * r1 / (2 * w), [r1 / w], 'R1^2/2w at R1/w')
    c.moment_extreme('Mmin', 1, mb, [L], '-(wa^2/2 + Pa) at L')
    c.moment_extreme('Mmin', 2, mb, [0.0], '-(wa^2/2 + Pa) at 0')
    fields = solve_by_compatibility(beam)
    values, _, _ = theory_values(beam, fields)
    d, places = values[('Dmin', 1)]
    c.deflection_extreme('Dmin', 1, d / beam.units.defl_factor, places,
                         'slope 0 (exact integration)')
    if tip > 0:
        c.deflection_extreme('Dmax', 2, tip, [a], 'tip deflection')
    else:
        c.deflection_extreme('Dmin', 2, tip, [a], 'tip deflection')
    return c


@case
def drop_in_span():
    L1, L2, w, P, E, I = 6.0, 12.0, 400.0, 3000.0, 29e6, 250.0
    beam = Beam('E', [Span(L1, E, I, uniform=[(0, w, L1, w)]),
                      Span(L2, E, I, release=3, uniform=[(0, w, L2, w)], points=[(L2 / 2, P)]),
                      Span(L1, E, I, uniform=[(0, w, L1, w)])],
                [(1, 1), (0, 0), (0, 0), (1, 1)],
                ['Two 6 ft cantilevers carrying a 12 ft drop-in span on two hinges'])
    ei = beam.ei(0)
    h = (w * L2 + P) / 2
    y2 = -(w * L1 ** 4 / (8 * ei) + h * L1 ** 3 / (3 * ei))
    t2 = -(w * L1 ** 3 / (6 * ei) + h * L1 ** 2 / (2 * ei))
    c = Case('drop-in-span', 'Drop-in span between two cantilevers', beam,
             'Two 6 ft cantilevers built in at the outer ends carry a 12 ft span hung between '
             'their tips on two hinges (span 2 released at both ends); 400 lb/ft everywhere '
             'and 3000 lb at the middle of the drop-in span (system E: feet, '
             'E = 29 000 000 psi, I = 250 in^4).',
             ['Statics of the drop-in span: each hinge carries H = (w L2 + P)/2; each cantilever '
              'carries w and H at its tip: R = w L1 + H, fixed-end moment w L1^2/2 + H L1, tip '
              'deflection w L1^4/8EI + H L1^3/3EI, tip slope w L1^3/6EI + H L1^2/2EI '
              '(clockwise at the left tip, counterclockwise at the right).',
              'The drop-in span drops by the tip deflection as a rigid body and bends as a '
              'simple span: largest moment wL2^2/8 + PL2/4 and deflection '
              'y2 - 5wL2^4/384EI - PL2^3/48EI at its middle.'])
    c.reaction(1, w * L1 + h, 'w L1 + H')
    c.reaction(4, w * L1 + h, 'w L1 + H')
    c.reaction_moment(1, w * L1 * L1 / 2 + h * L1, 'w L1^2/2 + H L1')
    c.reaction_moment(4, -(w * L1 * L1 / 2 + h * L1), '-(w L1^2/2 + H L1)')
    c.displacement(2, y2, '-(w L1^4/8EI + H L1^3/3EI)')
    c.displacement(3, y2, '-(w L1^4/8EI + H L1^3/3EI)')
    c.rotation(2, t2, '-(w L1^3/6EI + H L1^2/2EI)')
    c.rotation(3, -t2, 'w L1^3/6EI + H L1^2/2EI')
    c.moment_extreme('Mmin', 1, -(w * L1 * L1 / 2 + h * L1), [0.0], '-(w L1^2/2 + H L1) at 0')
    c.moment_extreme('Mmax', 2, w * L2 * L2 / 8 + P * L2 / 4, [L2 / 2], 'wL2^2/8 + PL2/4 at L2/2')
    c.moment_extreme('Mmin', 3, -(w * L1 * L1 / 2 + h * L1), [L1], '-(w L1^2/2 + H L1) at L1')
    c.deflection_extreme('Dmin', 1, y2, [L1], 'tip deflection')
    c.deflection_extreme('Dmin', 2, y2 - 5 * w * L2 ** 4 / (384 * ei) - P * L2 ** 3 / (48 * ei),
                         [L2 / 2], 'y2 - 5wL2^4/384EI - PL2^3/48EI at L2/2')
    c.deflection_extreme('Dmin', 3, y2, [0.0], 'tip deflection')
    return c


# Beams on which the program and theory disagree. They are not part of the verification
# (run them with --findings); each states what theory gives and what the program reports.
FINDINGS = []


def finding(function):
    FINDINGS.append(function)
    return function


@case
def couple_over_support():
    L1, L2, w, C, E, I = 4.0, 5.0, 3000.0, 5000.0, 200.0, 5.0
    beam = Beam('M', [Span(L1, E, I, uniform=[(0, w, L1, w)], moments=[(L1, C)]),
                      Span(L2, E, I, uniform=[(0, w, L2, w)])],
                [(1, 0), (1, 0), (1, 0)],
                ['Two spans, applied moment at the end of span 1 over the middle support'])
    m_left = (L2 * C - w * (L1 ** 3 + L2 ** 3) / 8) / (L1 + L2)
    c = Case('couple-over-support', 'Applied moment over an inner support', beam,
             'Spans of 4 m and 5 m on three pins, 3000 N/m on both, and a counterclockwise '
             'moment of 5000 N-m entered at x = 4 m of span 1, that is over the middle support '
             '(system M, E = 200 GN/m^2, I = 5 x 10^-5 m^4).',
             ['The couple lowers the sagging moment across the support by C: M- at the end of '
              'span 1, M+ = M- - C at the start of span 2. Slope continuity: '
              '2 f1 M- + 2 f2 (M- - C) = -(wL1^3 + wL2^3)/24EI, f = L/6EI, so '
              'M- = (L2 C - w(L1^3 + L2^3)/8)/(L1 + L2).'])
    c.support_moment(2, m_left, '(L2 C - w(L1^3+L2^3)/8)/(L1+L2)')
    c.moment_extreme('Mmin', 1, m_left, [L1], 'M- at the end of span 1')
    c.moment_extreme('Mmin', 2, m_left - C, [0.0], 'M- - C at the start of span 2')
    return c


@case
def settled_three_spans():
    # Three 20 ft spans whose supports 2, 3 and 4 settle 5/8, 1.5 and 3/4 in, under 2000 lb/ft.
    L, w, E, I = 20.0, 2000.0, 29e6, 7800.0
    settle = {2: 0.625, 3: 1.5, 4: 0.75}
    beam = Beam('E', [Span(L, E, I, uniform=[(0, w, L, w)]) for _ in range(3)],
                [(1, 0)] * 4, ['Three 20 ft spans, supports settle 5/8, 1.5 and 3/4 in'],
                {j: {'settlement': s} for j, s in settle.items()})
    ei = beam.ei(0)
    s = [0.0] + [settle[j] / 12 for j in (2, 3, 4)]  # ft
    # [4L L; L 4L] [M2; M3] = load and settlement terms (sagging positive, s downward)
    load = -w * L ** 3 / 2
    r2 = load + 6 * ei * ((s[1] - s[0]) / L + (s[1] - s[2]) / L)
    r3 = load + 6 * ei * ((s[2] - s[1]) / L + (s[2] - s[3]) / L)
    m2 = (4 * L * r2 - L * r3) / (15 * L * L)
    m3 = (4 * L * r3 - L * r2) / (15 * L * L)
    moments = [0.0, m2, m3, 0.0]
    fields = [simple_span_field(L, ei, load_terms(span), moments[i], moments[i + 1],
                                -s[i], -s[i + 1]) for i, span in enumerate(beam.spans)]
    c = Case('settled-three-spans', 'Three continuous spans on settling supports', beam,
             'Three spans of 20 ft on four pins under 2000 lb/ft; supports 2, 3 and 4 settle '
             '5/8, 1.5 and 3/4 in (system E, E = 29 000 000 psi, I = 7800 in^4).',
             ['Three-moment equation with support settlements s (downward): '
              'M(i-1) L + 4 M(i) L + M(i+1) L = -wL^3/2 + 6EI [(s(i) - s(i-1))/L + '
              '(s(i) - s(i+1))/L], M1 = M4 = 0.',
              'Reactions by statics of each span under its load and end moments; slopes, '
              'deflections and extremes by exact integration of M/EI from the settled '
              'supports.'])
    add_support_results(c, fields, moments)
    for j in (2, 3, 4):
        c.displacement(j, -s[j - 1], '-settlement')
    add_span_extremes(c, fields)
    return c


@case
def spring_supported_two_spans():
    # Two 6 m spans, pinned at the ends, the middle joint on a vertical spring k, 10 kN/m.
    L, w, E, I, k = 6000.0, 10.0, 200000.0, 1e8, 5000.0
    beam = Beam('M4', [Span(L, E, I, uniform=[(0, w, L, w)]) for _ in range(2)],
                [(1, 0), (0, 0), (1, 0)], ['Two 6 m spans, middle joint on a spring'],
                {2: {'ky': k}})
    ei = beam.ei(0)
    span = 2 * L
    # The spring force R holds the middle of the 2L simple span: 5w(2L)^4/384EI - R(2L)^3/48EI
    # = R/k.
    r = (5 * w * span ** 4 / (384 * ei)) / (1 / k + span ** 3 / (48 * ei))
    c = Case('spring-supported-two-spans', 'Two spans on a spring support', beam,
             'Two spans of 6 m pinned at the ends under 10 N/mm, the middle joint held by a '
             'vertical spring of 5000 N/mm (system M4, E = 200 000 N/mm^2, I = 10^8 mm^4).',
             ['The 2L simple span under w and the spring force R at its middle: '
              'R/k = 5w(2L)^4/384EI - R(2L)^3/48EI.',
              'Ends take (2wL - R)/2 each; the middle moment is w(2L)^2/8 - R(2L)/4.'])
    c.reaction(1, (2 * w * L - r) / 2, '(2wL - R)/2')
    c.reaction(2, r, 'R')
    c.reaction(3, (2 * w * L - r) / 2, '(2wL - R)/2')
    c.displacement(2, -r / k, '-R/k')
    c.support_moment(2, w * span ** 2 / 8 - r * span / 4, 'w(2L)^2/8 - R(2L)/4')
    return c


@case
def rotational_spring_end():
    # A 5 m span pinned at joint 1 and held in Y and by a rotational spring kz at joint 2.
    L, w, E, I = 5.0, 20000.0, 200.0, 8.0
    beam = Beam('M', [Span(L, E, I, uniform=[(0, w, L, w)])], [(1, 0), (1, 0)],
                ['Span pinned at one end, rotational spring at the other'], {2: {'kz': 2.0e7}})
    ei = beam.ei(0)
    kz = 2.0e7
    m = w * L * L / 8 * kz / (kz + 3 * ei / L)
    c = Case('rotational-spring-end', 'Span with a rotational spring at one end', beam,
             'A 5 m span under 20 000 N/m, pinned at joint 1, held vertically and by a '
             'rotational spring of 2 x 10^7 N-m/rad at joint 2 (system M, E = 200 GN/m^2, '
             'I = 8 x 10^-5 m^4).',
             ['End rotation of the simple span wL^3/24EI less ML/3EI from the end moment M, '
              'and M = kz times that rotation: M = (wL^2/8) kz/(kz + 3EI/L).'])
    c.reaction_moment(2, -m, '-(wL^2/8) kz/(kz + 3EI/L)')
    c.reaction(1, w * L / 2 - m / L, 'wL/2 - M/L')
    c.reaction(2, w * L / 2 + m / L, 'wL/2 + M/L')
    c.rotation(2, m / kz, 'M/kz')
    add_span_extremes(c, solve_by_compatibility(beam))
    return c


def add_support_results(c, fields, moments):
    beam = c.beam
    n = len(beam.spans)
    for j in range(n + 1):
        c.reaction(j + 1, joint_reaction(fields, j), 'statics')
    if beam.joints[0][1]:
        c.reaction_moment(1, -moments[0], '-M0')
    if beam.joints[n][1]:
        c.reaction_moment(n + 1, moments[n], 'M%d' % n)
    for j in range(1, n):
        c.support_moment(j + 1, moments[j], 'three-moment M%d' % j)
    for j in range(n + 1):
        if not beam.joints[j][1]:
            c.rotation(j + 1, joint_rotation(beam, fields, j), 'slope of the span')


# ----- live-load envelopes. Each beam's closed forms come from the three-moment equation
# and statics for the arrangement that governs; the enumeration of every arrangement is the
# independent route that confirms both the value and the spans loaded.


@case
def envelope_two_span():
    L, E, I, wd, wl = 6.0, 200.0, 5000.0, 10000.0, 15000.0
    name, gd, gl = '1.2D + 1.6L', 1.2, 1.6
    beam = Beam('M', [Span(L, E, I, uniform=[(0, wd, L, wd)], live_uniform=[(0, wl, L, wl)])
                      for _ in range(2)],
                [(1, 0), (1, 0), (1, 0)], ['Two equal spans, patterned live load'],
                combinations=[(name, gd, gl)])
    qd, ql = gd * wd, gl * wl
    q = qd + ql
    mb1 = -qd * L * L / 8 - ql * L * L / 16      # live load on span 1 only
    r1 = q * L / 2 + mb1 / L
    c = Case('envelope-two-span', 'Envelope of two equal spans', beam,
             'Two 6 m spans on three pins, each with 10 000 N/m dead and 15 000 N/m live '
             'load over its length, combined as 1.2D + 1.6L (system M: E = 200 GN/m^2, '
             'I = 5000 x 10^-5 m^4).',
             ['Three-moment equation with a load q on both spans: support moment -qL^2/8, '
              'middle reaction 10qL/8; with q on span 1 only: -qL^2/16.',
              'Largest sagging moment of span 1: factored dead load qd = 1.2wd on both spans and '
              'live load ql = 1.6wl on span 1 alone, M2 = -qd L^2/8 - ql L^2/16, '
              'R1 = (qd + ql)L/2 + M2/L, moment R1^2/2(qd + ql) at R1/(qd + ql).',
              'Largest hogging moment and largest middle reaction: both spans loaded. Smallest R1: '
              'live load on span 2 alone lifts joint 1 by ql L/16. The smallest middle reaction '
              'is that of the dead load alone: no live load lowers it.'])
    c.envelope(0, 'Mmax', 1, r1 * r1 / (2 * q), [1], 'R1^2/2q with span 1 loaded',
               [r1 / q])
    c.envelope(0, 'Mmax', 2, r1 * r1 / (2 * q), [2], 'R1^2/2q with span 2 loaded',
               [L - r1 / q])
    c.envelope(0, 'Mmin', 1, -q * L * L / 8, [1, 2], '-qL^2/8 at L', [L])
    c.envelope(0, 'Mmin', 2, -q * L * L / 8, [1, 2], '-qL^2/8 at 0', [0.0])
    c.envelope(0, 'Rmax', 1, r1, [1], 'qL/2 + M2/L')
    c.envelope(0, 'Rmin', 1, 3 * qd * L / 8 - ql * L / 16, [2], '3qd L/8 - ql L/16')
    c.envelope(0, 'Rmax', 2, 10 * q * L / 8, [1, 2], '10qL/8')
    c.envelope(0, 'Rmin', 2, 10 * qd * L / 8, [], '10qd L/8')
    add_envelope_extremes(c, 0, note='all 4 arrangements')
    return c


@case
def envelope_three_span():
    L, E, I, wd, wl = 20.0, 29e6, 800.0, 1000.0, 2000.0
    name, gd, gl = '1.35G + 1.5Q', 1.35, 1.5
    beam = Beam('E', [Span(L, E, I, uniform=[(0, wd, L, wd)], live_uniform=[(0, wl, L, wl)])
                      for _ in range(3)],
                [(1, 0), (1, 0), (1, 0), (1, 0)], ['Three equal spans, patterned live load'],
                combinations=[(name, gd, gl)])
    qd, ql = gd * wd, gl * wl
    q = qd + ql
    # support moments from the three-moment equation 4 M_B + M_C = -(sum of loaded qL^2/4)
    md = -qd * L * L / 10                         # dead load on every span: M_B = M_C
    m13 = md - ql * L * L / 20                    # live on spans 1 and 3
    m12 = md - 7 * ql * L * L / 60                # live on spans 1 and 2, at B
    m2 = md - ql * L * L / 20                     # live on span 2 alone
    r1 = q * L / 2 + m13 / L
    c = Case('envelope-three-span', 'Envelope of three equal spans', beam,
             'Three 20 ft spans on four pins, each with 1000 lb/ft dead and 2000 lb/ft live load '
             'over its length, combined as 1.35G + 1.5Q (system E: E = 29 000 000 psi, '
             'I = 800 in^4).',
             ['Three-moment equation for equal spans with pinned ends: 4 M_B + M_C = '
              '-(q1 + q2)L^2/4, M_B + 4 M_C = -(q2 + q3)L^2/4. Dead load everywhere: '
              'M_B = M_C = -qd L^2/10. Live on spans 1 and 3: M_B = M_C = -ql L^2/20. Live on '
              'spans 1 and 2: M_B = -7ql L^2/60. Live on span 2: M_B = M_C = -ql L^2/20.',
              'Largest sagging moment of span 1 (spans 1 and 3 loaded): R1 = qL/2 + M_B/L, '
              'moment R1^2/2q at R1/q; of span 2 (span 2 loaded): qL^2/8 + M_B at L/2. '
              'Largest hogging moment at B: spans 1 and 2 loaded.'])
    c.envelope(0, 'Mmax', 1, r1 * r1 / (2 * q), [1, 3], 'R1^2/2q, spans 1 and 3 loaded',
               [r1 / q])
    c.envelope(0, 'Mmin', 1, m12, [1, 2], '-qd L^2/10 - 7ql L^2/60 at L', [L])
    c.envelope(0, 'Mmax', 2, q * L * L / 8 + m2, [2], 'qL^2/8 - qd L^2/10 - ql L^2/20',
               [L / 2])
    add_envelope_extremes(c, 0, note='all 8 arrangements')
    return c


@case
def envelope_overhang():
    L, a, E, I, wd, wl = 6.0, 2.0, 210000.0, 9000.0, 4000.0, 6000.0
    name, gd, gl = '1.2D + 1.6L', 1.2, 1.6
    beam = Beam('M2', [Span(L, E, I, uniform=[(0, wd, L, wd)], live_uniform=[(0, wl, L, wl)]),
                       Span(a, E, I, uniform=[(0, wd, a, wd)], live_uniform=[(0, wl, a, wl)])],
                [(1, 0), (1, 0), (0, 0)],
                ['Span with an overhang, patterned live load'], combinations=[(name, gd, gl)])
    qd, ql = gd * wd, gl * wl
    q = qd + ql
    r1 = q * L / 2 - qd * a * a / (2 * L)         # live load on the back span only
    c = Case('envelope-overhang', 'Envelope of a span with an overhang', beam,
             'A 6 m span between two pins continued by a 2 m overhang, 4000 N/m dead and '
             '6000 N/m live load on both, combined as 1.2D + 1.6L (system M2: '
             'E = 210 000 N/mm^2, I = 9000 x 10^4 mm^4).',
             ['Statics: the support moment -w a^2/2 comes from the overhang alone; R1 = '
              'w1 L/2 - w2 a^2/2L. The back span\'s live load raises its sagging moment and R1; '
              'the overhang\'s live load raises the hogging moment and lifts joint 1.',
              'The sagging moment of the overhang and its deflection near the support are those of '
              'the dead load: the back span\'s live load relieves the overhang and no live load '
              'raises them, so no span is loaded for them.'])
    c.envelope(0, 'Mmax', 1, r1 * r1 / (2 * q), [1], 'R1^2/2q, back span loaded', [r1 / q])
    c.envelope(0, 'Mmin', 2, -q * a * a / 2, [2], '-qa^2/2 at 0', [0.0])
    c.envelope(0, 'Rmax', 1, r1, [1], 'qL/2 - qd a^2/2L')
    c.envelope(0, 'Rmin', 1, qd * L / 2 - q * a * a / (2 * L), [2], 'qd L/2 - q a^2/2L')
    add_envelope_extremes(c, 0, note='all 4 arrangements')
    return c


@case
def envelope_four_span_mixed():
    E, I = 200000.0, 8.0e8
    beam = Beam('M4', [
        Span(5000.0, E, I, uniform=[(0, 12.0, 5000.0, 12.0)],
             live_points=[(2000.0, 30000.0)]),
        Span(7000.0, E, 1.2 * I, uniform=[(0, 10.0, 7000.0, 10.0)],
             live_uniform=[(1000.0, 5.0, 6000.0, 20.0)]),
        Span(4000.0, E, I, points=[(2000.0, 15000.0)],
             live_uniform=[(0, 8.0, 4000.0, 8.0)], live_moments=[(4000.0, 2.0e7)]),
        Span(3000.0, E, 0.8 * I, uniform=[(0, 12.0, 3000.0, 12.0)],
             live_points=[(3000.0, 10000.0)])],
        [(1, 1), (1, 0), (1, 0), (1, 0), (0, 0)],
        ['Four spans, fixed left end, overhang; mixed live loads'],
        combinations=[('1.2D + 1.6L', 1.2, 1.6), ('1.4D', 1.4, 0.0), ('D + L', 1.0, 1.0)])
    c = Case('envelope-four-span-mixed', 'Envelopes of a four-span beam with mixed live loads',
             beam,
             'Spans of 5, 7, 4 and 3 m, built in at the left, on pins, the last span an overhang; '
             'dead uniform and point loads, live point loads, a live trapezoid, a live moment at '
             'the end of span 3 over a support and a live load at the free tip; three '
             'combinations 1.2D + 1.6L, 1.4D and D + L (system M4: E = 200 000 N/mm^2, '
             'I = 8 x 10^8 mm^4 varied per span).',
             ['No closed form: every one of the 16 arrangements of each combination is solved by '
              'the compatibility solution and the extremes are taken over all of them. The '
              'combination 1.4D has no live load at all: its envelope is the dead load times '
              '1.4 and no span is loaded.'])
    for k in range(3):
        add_envelope_extremes(c, k, note='all 16 arrangements')
    return c


# --------------------------------------------------------------------------------------
# Running the tool and reading its results
# --------------------------------------------------------------------------------------


class ToolError(Exception):
    pass


def run_tool(tool, case, folder):
    patterned = case.beam.has_live() or case.beam.combinations
    beam_path = os.path.join(folder, case.name + ('.json' if patterned else '.cb'))
    csv_path = os.path.join(folder, case.name + '.csv')
    with open(beam_path, 'w', newline='', encoding='ascii') as f:
        f.write(beam_json_text(case.beam) if patterned else beam_file_text(case.beam))
    env = dict(os.environ)
    env['XDG_DATA_HOME'] = folder      # no user settings
    env['SOURCE_DATE_EPOCH'] = '0'
    wanted = {(k[1], round(k[2] * 100)) for k in (ch.key for ch in case.checks)
              if k[0] in ('M@', 'D@') and len(k) == 3}
    command = [tool, '--json']
    if wanted:
        command += ['--samples', csv_path]
    command.append(beam_path)
    done = subprocess.run(command, capture_output=True, env=env)
    if done.returncode != 0:
        raise ToolError('%s: exit status %d: %s' % (case.name, done.returncode,
                                                    done.stderr.decode(errors='replace')))
    doc = json.loads(done.stdout.decode())
    if doc.get('status') != 'analysed':
        raise ToolError('%s: status %r' % (case.name, doc.get('status')))
    samples = {}
    if wanted:
        with open(csv_path, newline='') as f:
            for row in csv.DictReader(f):
                key = (int(row['span']), round(float(row['span_x']) * 100))
                if key in wanted and key not in samples:
                    samples[key] = row
        os.remove(csv_path)
    return doc, samples


def tool_value(doc, samples, key):
    """(value, location or None) of a check in the tool's output."""
    kind = key[0]
    if kind == 'env':
        entry = envelope_entry(doc, key)
        return entry['value'], entry.get('at')
    joints = doc['joints']
    if kind == 'R':
        return joints[key[1] - 1]['reaction_shear'], None
    if kind == 'Rm':
        return joints[key[1] - 1]['reaction_moment'], None
    if kind == 'rot':
        return joints[key[1] - 1]['rotation'], None
    if kind == 'disp':
        return joints[key[1] - 1]['displacement'], None
    if kind == 'Ms':
        j = key[1]
        members = doc['members']
        if j == 1:
            return -members[0]['start']['moment'], None
        return members[j - 2]['end']['moment'], None
    if kind in ('Mmax', 'Mmin', 'Dmax', 'Dmin'):
        name = {'Mmax': 'moment_max', 'Mmin': 'moment_min',
                'Dmax': 'deflection_max', 'Dmin': 'deflection_min'}[kind]
        entry = doc['span_extremes'][key[1] - 1][name]
        return entry['value'], entry['at']
    if kind in ('M@', 'D@'):
        row = samples[(key[1], round(key[2] * 100))]
        return float(row['moment' if kind == 'M@' else 'deflection']), None
    raise KeyError(key)


def envelope_entry(doc, key):
    """The envelope extreme a check names: {'value', 'at' (spans only), 'loaded_spans'}."""
    _, c, kind, index = key
    envelope = doc['envelopes'][c]
    if kind.startswith('R'):
        name = ('moment_' if kind.startswith('RM') else 'shear_') + kind[-3:]
        return envelope['reactions'][index - 1][name]
    name = {'Mmax': 'moment_max', 'Mmin': 'moment_min',
            'Dmax': 'deflection_max', 'Dmin': 'deflection_min'}[kind]
    return envelope['span_extremes'][index - 1][name]


# --------------------------------------------------------------------------------------
# Comparison
# --------------------------------------------------------------------------------------


class Row:
    def __init__(self, label, unit, exact, got, tolerance, tolerance_text):
        self.label = label
        self.unit = unit
        self.exact = exact
        self.got = got
        self.difference = got - exact
        self.tolerance = tolerance
        self.tolerance_text = tolerance_text
        self.passed = abs(self.difference) <= tolerance


class SpansRow:
    """The spans loaded for an envelope extreme: they must be the same spans."""

    def __init__(self, exact, got):
        self.label = '  spans loaded'
        self.unit = '-'
        self.exact = exact
        self.got = got
        self.difference = 0.0
        self.tolerance = 1.0
        self.tolerance_text = 'the same spans'
        self.passed = exact == got


def unit_of(case, check):
    u = case.beam.units
    return {'reaction': u.force, 'support moment': u.moment, 'rotation': 'rad',
            'displacement': u.disp_unit, 'moment': u.moment,
            'deflection': u.defl_unit}[check.cls]


def theory_check(case):
    """Every exact value of a beam must also come out of the general compatibility
    solution; a disagreement is an error of the theory, not of the tool."""
    fields = solve_by_compatibility(case.beam)
    values, mscale, dscale = theory_values(case.beam, fields)
    envelopes = {}
    for c in sorted({check.key[1] for check in case.checks if check.key[0] == 'env'}):
        envelope, m, d = enumerated_envelope(case.beam, c)
        envelopes[c] = envelope
        mscale, dscale = max(mscale, m), max(dscale, d)
    problems = []
    largest = {}
    for check in case.checks:
        largest[check.cls] = max(largest.get(check.cls, 0.0), abs(check.exact))
    for check in case.checks:
        if check.key[0] in ('M@', 'D@'):
            other, places = value_at(case.beam, fields, check.key), None
        elif check.key[0] == 'env':
            other, places, alternatives = envelopes[check.key[1]][check.key[2:]]
            for place, spans in check.loaded:
                if not any(spans == other_spans and (place is None or abs(place - p) < 1e-6)
                           for p, other_spans in alternatives):
                    problems.append('%s: %s: spans %s loaded here, %s by enumeration'
                                    % (case.name, check.label, spans, alternatives))
        else:
            other, places = values[check.key]
        scale = {'moment': mscale, 'deflection': dscale}.get(check.cls, largest[check.cls])
        if abs(other - check.exact) > 1e-9 * max(scale, abs(check.exact), 1e-300):
            problems.append('%s: %s: %.12g here, %.12g by compatibility'
                            % (case.name, check.label, check.exact, other))
        if check.places is not None and places is not None:
            span = check.key[3] if check.key[0] == 'env' else check.key[1]
            length = case.beam.spans[span - 1].length
            for p in check.places:
                if min(abs(p - q) for q in places) > 1e-6 * length:
                    problems.append('%s: %s: location %.9g not among %s'
                                    % (case.name, check.label, p, places))
    return problems, mscale, dscale


def compare(case, doc, samples, mscale, dscale):
    refs = {}
    for check in case.checks:
        refs[check.cls] = max(refs.get(check.cls, 0.0), abs(check.exact))
    rows = []
    for check in case.checks:
        got, at = tool_value(doc, samples, check.key)
        unit = unit_of(case, check)
        if check.cls == 'moment':
            tol, text = MOMENT_SHARE * mscale, '0.1 % of the largest moment'
        elif check.cls == 'deflection':
            tol, text = DEFLECTION_SHARE * dscale, '0.5 % of the largest deflection'
        else:
            # relative to the value, or to a thousandth of the largest of its kind (forces:
            # also of the largest moment per unit length of beam; moments: of the largest
            # moment) when the value is smaller
            ref = refs[check.cls]
            if check.cls == 'reaction':
                ref = max(ref, mscale / sum(s.length for s in case.beam.spans))
            elif check.cls == 'support moment':
                ref = max(ref, mscale)
            tol = RELATIVE * max(abs(check.exact), 1e-3 * ref)
            text = '1e-6 relative'
        rows.append(Row(check.label, unit, check.exact, got, tol, text))
        if check.places is not None:
            places = check.places
            nearest = min(places, key=lambda p: abs(at - p))
            span = check.key[3] if check.key[0] == 'env' else check.key[1]
            row = Row('  location (from the left end of span %d)' % span,
                      case.beam.units.length, nearest, at, LOCATION_TOLERANCE, 'two steps')
            if len(places) > 6:
                row.label += ', anywhere from %s to %s' % (fmt(places[0]), fmt(places[-1]))
            elif len(places) > 1:
                row.label += ', any of ' + ', '.join(fmt(p) for p in places)
            rows.append(row)
        if check.loaded is not None:
            # the spans that reach the extreme where the program found it
            if at is None:
                expected = check.loaded[0][1]
            else:
                expected = min(check.loaded, key=lambda alternative: abs(alternative[0] - at))[1]
            rows.append(SpansRow(expected, envelope_entry(doc, check.key)['loaded_spans']))
    return rows


# --------------------------------------------------------------------------------------
# Output: table and manual
# --------------------------------------------------------------------------------------


def fmt(value):
    if isinstance(value, list):
        return ', '.join(str(s) for s in value) or 'none'
    if value == 0:
        return '0'
    text = '%.7g' % value
    if 'e' in text:
        mantissa, exponent = text.split('e')
        text = '%se%d' % (mantissa, int(exponent))
    return text


def fmt_input(value):
    """An input value as it is entered: plain digits, no exponent."""
    return '%.15g' % value


def fmt_difference(row):
    if isinstance(row, SpansRow):
        return ''
    if abs(row.difference) < 1e-4 * row.tolerance:
        return '< 1e-4 tol'
    text = '%.2e' % row.difference
    mantissa, exponent = text.split('e')
    return '%se%d' % (mantissa, int(exponent))


def fmt_tolerance(row):
    if isinstance(row, SpansRow):
        return row.tolerance_text
    return '%s (%s)' % (fmt(float('%.3g' % row.tolerance)), row.tolerance_text)


def print_table(case, rows, out):
    out.write('\n== %s: %s (system %s)\n' % (case.name, case.title, case.beam.units.tag))
    widths = (58, 15, 15, 11, 12)
    header = ('quantity', 'exact', 'Spanlyx', 'difference', 'tolerance')
    out.write('  '.join(h.ljust(w) for h, w in zip(header, widths)) + '  result\n')
    for r in rows:
        cells = (r.label + ' [' + r.unit + ']', fmt(r.exact), fmt(r.got), fmt_difference(r),
                 fmt_tolerance(r) if isinstance(r, SpansRow) else fmt(float('%.3g' % r.tolerance)))
        out.write('  '.join(c.ljust(w) for c, w in zip(cells, widths)) + '  '
                  + ('pass' if r.passed else 'FAIL') + '\n')


def describe_beam(beam):
    u = beam.units
    lines = []
    for s, span in enumerate(beam.spans, start=1):
        parts = ['L = %s %s' % (fmt_input(span.length), u.length),
                 'E = %s %s' % (fmt_input(span.e), u.e_unit),
                 'I = %s %s' % (fmt_input(span.i), u.i_unit)]
        if span.release:
            parts.append(RELEASE_TEXT[span.release])
        loads = []
        for x1, w1, x2, w2 in span.uniform:
            if w1 == w2:
                loads.append('%s %s from %s to %s' % (fmt_input(w1), u.w_unit,
                                                      fmt_input(x1), fmt_input(x2)))
            else:
                loads.append('%s to %s %s from %s to %s' % (fmt_input(w1), fmt_input(w2),
                                                            u.w_unit, fmt_input(x1),
                                                            fmt_input(x2)))
        for x, p in span.points:
            loads.append('%s %s at %s' % (fmt_input(p), u.force, fmt_input(x)))
        for x, m in span.moments:
            loads.append('moment %s %s at %s' % (fmt_input(m), u.moment, fmt_input(x)))
        for x1, w1, x2, w2 in span.live_uniform:
            loads.append('live %s to %s %s from %s to %s' % (fmt_input(w1), fmt_input(w2),
                                                             u.w_unit, fmt_input(x1),
                                                             fmt_input(x2)))
        for x, p in span.live_points:
            loads.append('live %s %s at %s' % (fmt_input(p), u.force, fmt_input(x)))
        for x, m in span.live_moments:
            loads.append('live moment %s %s at %s' % (fmt_input(m), u.moment, fmt_input(x)))
        lines.append('span %d: %s; loads: %s' % (s, ', '.join(parts), '; '.join(loads) or 'none'))
    support = []
    for j, (y, z) in enumerate(beam.joints, start=1):
        kind = {(1, 1): 'fixed', (1, 0): 'pinned', (0, 0): 'free', (0, 1): 'guided'}[(y, z)]
        given = beam.supports.get(j, {})
        if 'ky' in given or 'kz' in given:
            kind = {(0, 0): 'on springs', (1, 0): 'pinned', (0, 1): 'guided'}[(y, z)]
        extras = []
        if 'ky' in given:
            extras.append('ky = %s %s/%s' % (fmt_input(given['ky']), u.force, u.disp_unit))
        if 'kz' in given:
            extras.append('kz = %s %s/rad' % (fmt_input(given['kz']), u.moment))
        if given.get('settlement'):
            extras.append('settles %s %s' % (fmt_input(given['settlement']), u.disp_unit))
        if given.get('rotation'):
            extras.append('turned %s rad' % fmt_input(given['rotation']))
        support.append('%d %s' % (j, kind) + (' (%s)' % ', '.join(extras) if extras else ''))
    lines.append('joints: ' + ', '.join(support))
    if beam.combinations:
        lines.append('combinations: ' + '; '.join('%s (dead %s, live %s)'
                                                  % (n, fmt_input(d), fmt_input(l))
                                                  for n, d, l in beam.combinations))
    return lines


MANUAL_INTRO = """\
# Spanlyx verification manual

This manual compares the results of `spanlyx-report` with beam theory for {count} beams:
single spans under every support condition the program offers, continuous beams of two to
five spans with unequal spans, sections and moduli, trapezoidal and partial loads, applied
moments, a hinged beam, and supports that settle or stand on springs, entered in all six
unit systems. Every table below is written by `tests/verification/verify.py`, which is run
by `ctest` as the test `verification`: it writes each beam as a `.cb` file, analyses it with
`spanlyx-report --json --samples`, and fails when a value lies outside its tolerance. The
same run writes this manual anew into the build folder and fails when the committed copy
differs, so the figures below are always those of the current program.

The exact values are worked out in the script from closed-form beam theory, with the
Python standard library only: textbook formulas for the single spans, the three-moment
equation for the continuous beams, statics and exact integration for the rest. Every
exact value is also recomputed by an independent route, a general solution that takes the
moment, shear, slope and deflection at the left end of every span as unknowns and fixes
them by the support, continuity and equilibrium conditions, with the loads integrated in
closed form (Macaulay's method); the script stops if the two derivations differ by more
than one part in 10^9. No expected value is taken from the program.

The last four beams carry live loads and load combinations. For them the script checks the
envelopes of `--json` (the beam is given to the tool as a JSON beam): the largest and
smallest moment and deflection of every span with its location, and the largest and
smallest reactions, each with the spans whose live load acts for it. The closed forms come
from the three-moment equation and statics for the arrangement that governs; the
independent route is brute force: every one of the 2^n arrangements of the live loads is
solved on its own by the general solution above, and the extreme is the largest or smallest
over all of them, with the spans of the arrangement that reaches it (where several do, the
one without spans that do not change it; where it is reached at several places, any of
them with its own spans). The program computes the same envelopes from n + 1 analyses by
superposition, so the two routes share nothing but the beam.

Regenerate with:

    python3 tests/verification/verify.py build/src/app/spanlyx-report \\
        --write-manual docs/verification.md

## Conventions

Reactions are positive upward, reaction moments and rotations positive counterclockwise,
deflections positive upward, sagging moments positive. Loads are entered positive
downward; an applied moment entered positive acts counterclockwise. Locations are measured
from the left end of the span. A support moment is the moment at the end of the member to
the left of the support (sagging positive), read from the member end forces. Deflections
are in the unit the program reports them in: inches in systems E and E2, metres in M and
M2, centimetres in M3, millimetres in M4 (joint deflections of system M3 are in metres).

## Tolerances and why

Spanlyx computes its results in two stages, checked against different tolerances.

**The stiffness solution** gives the reactions, the member end moments (support moments) and
the joint deflections and rotations. It uses exact member stiffness matrices and exact
fixed-end actions for every load type, so it is exact up to floating-point rounding, and
these values must agree with theory to **1e-6 relative**: relative to the exact value, or
to a thousandth of the largest value of the same kind in the beam when the exact value is
smaller than that. A wrong stiffness term, fixed-end action, release, unit factor or sign
misses this by orders of magnitude.

**The sweep** walks along every span in steps of h = 0.01 length unit. The shear follows from
the loads (trapezoid strips of the load intensity), the moment from the shear by the
trapezoid rule, and the slope and deflection from M/EI by strips of width h, starting from
the deflection and rotation of the joint at the left end of the span. The largest and
smallest values met are the span's extremes, reported at the sampled point where they occur.
Its errors are those of the trapezoid rule and of the sampling, and they scale with (h/L)^2
for a span of length L:

- *Moment*: the trapezoid rule is exact for a shear that is linear between samples (uniform
  loads, concentrated loads at sampled points). Under a linearly varying load the shear is
  quadratic and each strip is off by h^3/12 |dw/dx|, so the moment drifts by at most
  h^2 x |dw/dx|/12 after a distance x, about 1.3 (h/L)^2 of the largest moment of a
  simply supported triangular load. A smooth maximum sampled h/2 from its peak is low by at most w h^2/8,
  again of order (h/L)^2. The tolerance, **0.1 % of the largest moment in the beam**, is that
  bound for a span of about 30 steps (0.3 length units): no practical span reaches it
  through the integration alone, while a wrong load, reaction or jump exceeds it.
- *Deflection*: the slope and the deflection are a second and a third integral, each by
  strips of width h, started at the left end of each span and not forced to close at its
  right end. A uniform load gives a quadratic M, each strip of M/EI is off by
  w h^3/12EI, and the deflection drifts by up to about w h^2 L^2/24EI, some 3 (h/L)^2 of the
  mid-span deflection; sampling the peak h/2 away costs about (h/L)^2 more. The tolerance,
  **0.5 % of the largest deflection in the beam**, is that bound for a span of about
  25 steps.
- *Location*: a smooth extreme lies within h/2 = 0.005 of a sample. Where the curve is flat
  at its extreme (deflections above all) an error of order h^2 can make the next sample the
  largest, and two samples placed symmetrically about the peak are equal but for rounding.
  The tolerance is **0.02 length units**, two steps.

The values checked from the sweep are the per-span extremes with their locations and, where
a closed form gives the value at a point, the sampled moment or deflection there (from the
`--samples` file), and for the envelopes the spans loaded, which must be the same spans.
Envelope values have the tolerances of the values they bound. Differences below a
ten-thousandth of their tolerance are floating-point rounding and are shown as "< 1e-4 tol".
"""


# A section kept by hand: the accuracy of the stiffness solution on ill-conditioned beams,
# measured against exact rational solutions by the analysis tests, which fail when the
# figures it states understate what they measure.
SOLUTION_ACCURACY_SECTION = os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                         'solution_accuracy.md')


def manual_text(results, version):
    out = [MANUAL_INTRO.format(count=len(results))]
    out.append('Program: spanlyx-report %s.\n' % version)
    out.append('## Summary\n')
    out.append('| # | beam | system | values checked | largest difference / tolerance | result |')
    out.append('|---|---|---|---|---|---|')
    for n, (case, rows) in enumerate(results, start=1):
        worst = max(abs(r.difference) / r.tolerance for r in rows)
        out.append('| %d | [%s](#%d-%s) | %s | %d | %.2f | %s |'
                   % (n, case.title, n, anchor(case.title), case.beam.units.tag, len(rows),
                      worst, 'pass' if all(r.passed for r in rows) else '**FAIL**'))
    out.append('')
    for n, (case, rows) in enumerate(results, start=1):
        out.append('## %d. %s\n' % (n, case.title))
        out.append(case.description + '\n')
        for line in describe_beam(case.beam):
            out.append('- ' + line)
        out.append('')
        out.append('Derivation:\n')
        for line in case.derivation:
            out.append('- ' + line)
        out.append('')
        out.append('| quantity | unit | exact | Spanlyx | difference | tolerance | pass |')
        out.append('|---|---|---|---|---|---|---|')
        for r in rows:
            out.append('| %s | %s | %s | %s | %s | %s | %s |'
                       % (r.label.strip(), r.unit, fmt(r.exact), fmt(r.got), fmt_difference(r),
                          fmt_tolerance(r), 'yes' if r.passed else '**no**'))
        out.append('')
    with open(SOLUTION_ACCURACY_SECTION, encoding='utf-8') as f:
        out.append(f.read())
    return '\n'.join(out)


def anchor(title):
    text = ''.join(ch.lower() if ch.isalnum() else ('-' if ch in ' -' else '') for ch in title)
    return text


def tool_version(tool):
    done = subprocess.run([tool, '--version'], capture_output=True)
    text = done.stdout.decode().strip()
    return text.split()[-1] if text else '?'


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.split('\n')[0])
    parser.add_argument('tool', help='path of spanlyx-report')
    parser.add_argument('--write-manual', metavar='FILE')
    parser.add_argument('--check-manual', metavar='FILE')
    parser.add_argument('--keep', metavar='DIR', help='write the beam files into DIR and keep them')
    parser.add_argument('--only', metavar='NAME', action='append')
    parser.add_argument('--quiet', action='store_true')
    parser.add_argument('--findings', action='store_true',
                        help='run the beams on which the program disagrees with theory instead')
    args = parser.parse_args(argv)

    if (args.findings or args.only) and (args.write_manual or args.check_manual):
        parser.error('the manual covers every beam of the verification; '
                     'do not combine it with --only or --findings')
    cases = [make() for make in (FINDINGS if args.findings else CASES)]
    if args.only:
        cases = [c for c in cases if c.name in args.only]
    out = sys.stdout
    problems = []
    scales = {}
    for c in cases:
        found, mscale, dscale = theory_check(c)
        problems += found
        scales[c.name] = (mscale, dscale)
    if problems:
        out.write('The theory disagrees with itself:\n' + '\n'.join(problems) + '\n')
        return 2

    results = []
    try:
        with tempfile.TemporaryDirectory(prefix='spanlyx-verify-') as temporary:
            folder = args.keep or temporary
            os.makedirs(folder, exist_ok=True)
            for c in cases:
                doc, samples = run_tool(args.tool, c, folder)
                rows = compare(c, doc, samples, *scales[c.name])
                results.append((c, rows))
                if not args.quiet or not all(r.passed for r in rows):
                    print_table(c, rows, out)
            version = tool_version(args.tool)
    except ToolError as error:
        out.write('cannot run the tool: %s\n' % error)
        return 3

    failed = [(c.name, r.label) for c, rows in results for r in rows if not r.passed]
    total = sum(len(rows) for _, rows in results)
    out.write('\n%d beams, %d values checked, %d outside tolerance\n'
              % (len(results), total, len(failed)))
    for name, label in failed:
        out.write('  FAIL %s: %s\n' % (name, label))

    status = 1 if failed else 0
    text = manual_text(results, version)
    if args.write_manual:
        with open(args.write_manual, 'w', encoding='utf-8', newline='\n') as f:
            f.write(text)
    if args.check_manual:
        with open(args.check_manual, encoding='utf-8') as f:
            committed = f.read()
        if committed != text:
            out.write('\n%s is not up to date; regenerate it with --write-manual. Differences:\n'
                      % args.check_manual)
            out.writelines(difflib.unified_diff(committed.splitlines(True), text.splitlines(True),
                                                args.check_manual, 'regenerated'))
            status = status or 1
        else:
            out.write('%s is up to date\n' % args.check_manual)
    return status


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
