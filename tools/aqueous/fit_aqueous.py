#!/usr/bin/env python3
"""Fits the solute coefficients of the aqueous-solution files to published water activities.

Usage: fit_aqueous.py PITZER_DAT

The program computes the vapour pressure of a solution as p = p_water exp(2.3026 sum m k), with
k = c1 + c2 t + c3 m + c4 t^2 + c5 t m + c6 t^2 m (t in degC, m in mol per kg of water). For each
solute of tools/aqueous/solutes.tsv this script computes water activities over the declared mass-%
and temperature ranges, electrolytes from the Pitzer parameters of PITZER_DAT (single-salt osmotic
coefficient, A-phi after Moller 1988), non-electrolytes from the Norrish equation, and fits c1..c6 by
least squares in k itself. That weighs every concentration by the relative error of ln a_w, so dilute
solutions keep their vapour-pressure lowering 1 - a_w (the boiling-point elevation users read) right
in relative terms; a fit in ln a_w would let them carry errors of up to 30 % of the lowering.

One set is kept where it misses the lowering by at most 1 % (relative) and a_w by at most 0.5 %.
Otherwise the range is split into three mass-% bands (type "B") or two temperature bands (type "C"):
the selection with the smallest relative error of the lowering among those within 0.5 % in a_w.

Writes data/tenso5.tsv, data/tenso6.tsv, tests/data/aqueous/aw_check.tsv and
tools/aqueous/fit_errors.tsv, then data/README.md. The output depends only on the inputs: a rerun
gives the same bytes."""

import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, '..', '..'))
sys.path.insert(0, os.path.join(ROOT, 'tools', 'curate'))

from formulas import molar_mass, parse_formula  # noqa: E402
from german_order import sort_by_name  # noqa: E402
import readme  # noqa: E402

LABEL = 'Tensimo 2026'
LN_FACTOR = 2.3026  # the program's factor, not ln 10
WATER_KG_PER_MOL = 0.018015
REFERENCE_K = 298.15
DEBYE_HUECKEL_B = 1.2  # kg^1/2 mol^-1/2
AW_TOLERANCE = 0.005  # largest relative a_w error any fitted set may have
LOWERING_TARGET = 0.01  # largest relative error of 1 - a_w at which one set is kept unsplit
MASS_STEP = 0.5  # grid of the fit, mass %
TEMPERATURE_STEP = 2.5  # degC


class FitError(Exception):
    pass


# ---- published water activities ---------------------------------------------------------------

def a_phi(kelvin):
    """Debye-Hueckel slope of the osmotic coefficient: N. Moller, Geochim. Cosmochim. Acta 52 (1988)
    821, valid 0-250 degC (0.3915 at 25 degC)."""
    t = kelvin
    return (0.336901532 - 6.32100430e-4 * t + 9.14252359 / t - 1.35143986e-2 * math.log(t)
            + 2.26089488e-3 / (t - 263.0) + 1.92118597e-6 * t * t + 45.2586464 / (680.0 - t))


def read_pitzer(path):
    """{(section, frozenset of the two species): [A0..A5]} of the -B0, -B1, -B2 and -C0 sections."""
    wanted = ('-B0', '-B1', '-B2', '-C0')
    params = {}
    section = None
    in_pitzer = False
    with open(path, encoding='latin-1') as f:
        for number, line in enumerate(f, 1):
            text = line.split('#')[0].strip()
            if not in_pitzer:
                in_pitzer = line.startswith('PITZER')
                continue
            if line[:1].isalpha():
                break  # the next keyword block
            if not text:
                continue
            if text.startswith('-'):
                section = text.split()[0]
                continue
            if section not in wanted:
                continue
            fields = text.split()
            try:
                values = [float(x) for x in fields[2:]]
            except ValueError:
                raise FitError('%s line %d: unreadable number in "%s"' % (path, number, text))
            if not 1 <= len(values) <= 6 or not all(math.isfinite(v) for v in values):
                raise FitError('%s line %d: expected 1 to 6 numbers in "%s"' % (path, number, text))
            params[(section, frozenset(fields[:2]))] = values + [0.0] * (6 - len(values))
    if not params:
        raise FitError('%s: no PITZER block with -B0/-B1/-B2/-C0 parameters' % path)
    return params


def pitzer_value(values, kelvin):
    """P(T) = A0 + A1 (1/T - 1/Tr) + A2 ln(T/Tr) + A3 (T - Tr) + A4 (T^2 - Tr^2) + A5 (1/T^2 - 1/Tr^2)."""
    a0, a1, a2, a3, a4, a5 = values
    tr = REFERENCE_K
    return (a0 + a1 * (1 / kelvin - 1 / tr) + a2 * math.log(kelvin / tr) + a3 * (kelvin - tr)
            + a4 * (kelvin * kelvin - tr * tr) + a5 * (1 / kelvin ** 2 - 1 / tr ** 2))


def charge(species):
    sign = species.rfind('+') if '+' in species else species.rfind('-')
    return int(species[sign + 1:] or 1)


class Electrolyte:
    def __init__(self, text, params):
        fields = text.split()
        if len(fields) != 4:
            raise FitError('ions must read "cation count anion count": "%s"' % text)
        self.cation, self.anion = fields[0], fields[2]
        self.nu_c, self.nu_a = int(fields[1]), int(fields[3])
        self.z_c, self.z_a = charge(self.cation), charge(self.anion)
        if self.nu_c * self.z_c != self.nu_a * self.z_a:
            raise FitError('ions of "%s" are not neutral' % text)
        pair = frozenset((self.cation, self.anion))
        self.params = {s: params.get((s, pair)) for s in ('-B0', '-B1', '-B2', '-C0')}
        if self.params['-B0'] is None or self.params['-B1'] is None:
            raise FitError('no -B0/-B1 parameters for %s and %s' % (self.cation, self.anion))
        # The alpha values of the Pitzer equations: 2 and 12 with a univalent ion, 1.4 and 12 for
        # 2-2 electrolytes, 2 and 50 for higher ones.
        if 1 in (self.z_c, self.z_a):
            self.alpha1, self.alpha2 = 2.0, 12.0
        elif self.z_c == 2 and self.z_a == 2:
            self.alpha1, self.alpha2 = 1.4, 12.0
        else:
            self.alpha1, self.alpha2 = 2.0, 50.0

    def has_temperature_terms(self):
        return any(v is not None and any(v[1:]) for v in self.params.values())

    def parameter(self, section, kelvin):
        values = self.params[section]
        return pitzer_value(values, kelvin) if values else 0.0

    def osmotic_coefficient(self, m, kelvin):
        nu = self.nu_c + self.nu_a
        ionic_strength = 0.5 * m * (self.nu_c * self.z_c ** 2 + self.nu_a * self.z_a ** 2)
        root = math.sqrt(ionic_strength)
        b_phi = (self.parameter('-B0', kelvin) + self.parameter('-B1', kelvin) * math.exp(-self.alpha1 * root)
                 + self.parameter('-B2', kelvin) * math.exp(-self.alpha2 * root))
        c_phi = self.parameter('-C0', kelvin)
        return (1.0 - self.z_c * self.z_a * a_phi(kelvin) * root / (1.0 + DEBYE_HUECKEL_B * root)
                + m * 2.0 * self.nu_c * self.nu_a / nu * b_phi
                + m * m * 2.0 * (self.nu_c * self.nu_a) ** 1.5 / nu * c_phi)

    def ln_water_activity(self, m, celsius):
        return -(self.nu_c + self.nu_a) * m * WATER_KG_PER_MOL * self.osmotic_coefficient(m, celsius + 273.15)


class Norrish:
    """a_w = x_w exp(K x_s^2): R. S. Norrish, J. Food Technol. 1 (1966) 25; K of J. Chirife et al.,
    J. Food Technol. 15 (1980) 59."""

    def __init__(self, text):
        self.k = float(text)

    def has_temperature_terms(self):
        return False

    def ln_water_activity(self, m, celsius):
        x_solute = m / (m + 1.0 / WATER_KG_PER_MOL)
        return math.log(1.0 - x_solute) + self.k * x_solute * x_solute


# ---- solutes --------------------------------------------------------------------------------

def grid(low, high, step):
    n = int(round((high - low) / step))
    return [low + (high - low) * i / n for i in range(n + 1)] if n > 0 else [low]


class Solute:
    def __init__(self, row, params):
        (self.id, self.key, self.german, self.english, self.formula, model, source,
         w_low, w_high, t_low, t_high) = row
        counts = parse_formula(self.formula)
        if counts is None:
            raise FitError('%s: unreadable formula %s' % (self.key, self.formula))
        self.molar_mass = '%.3f' % molar_mass(counts)
        self.model_name = model
        if model == 'pitzer':
            self.model = Electrolyte(source, params)
        elif model == 'norrish':
            self.model = Norrish(source)
        else:
            raise FitError('%s: unknown model %s' % (self.key, model))
        self.w_low, self.w_high = int(w_low), int(w_high)
        self.single = t_low == '*'
        self.t_low = int(t_high) if self.single else int(t_low)
        self.t_high = int(t_high)
        if not 0 <= self.w_low < self.w_high < 80 or self.t_low > self.t_high or \
                (not self.single and self.t_low == self.t_high):
            raise FitError('%s: declared ranges out of order' % self.key)
        if not self.single and not self.model.has_temperature_terms():
            raise FitError('%s: parameters without temperature terms hold at 25 degC only' % self.key)

    def molality(self, w):
        return w * 1000.0 / float(self.molar_mass) / (100.0 - w)

    def masses(self):
        return [w for w in grid(self.w_low, self.w_high, MASS_STEP) if w > 0]

    def temperatures(self):
        return [float(self.t_low)] if self.single else grid(self.t_low, self.t_high, TEMPERATURE_STEP)

    def points(self):
        """(w, t, m, ln a_w) over the declared ranges."""
        out = []
        for t in self.temperatures():
            for w in self.masses():
                m = self.molality(w)
                out.append((w, t, m, self.model.ln_water_activity(m, t)))
        return out


# ---- least squares ---------------------------------------------------------------------------

def terms(t, m, single):
    return (1.0, 0.0, m, 0.0, 0.0, 0.0) if single else (1.0, t, m, t * t, t * m, t * t * m)


def solve(matrix, rhs):
    n = len(rhs)
    a = [row[:] + [rhs[i]] for i, row in enumerate(matrix)]
    for col in range(n):
        pivot = max(range(col, n), key=lambda r: abs(a[r][col]))
        if a[pivot][col] == 0.0:
            raise FitError('singular least-squares system')
        a[col], a[pivot] = a[pivot], a[col]
        for r in range(col + 1, n):
            f = a[r][col] / a[col][col]
            for c in range(col, n + 1):
                a[r][c] -= f * a[col][c]
    x = [0.0] * n
    for r in range(n - 1, -1, -1):
        x[r] = (a[r][n] - sum(a[r][c] * x[c] for c in range(r + 1, n))) / a[r][r]
    return x


def fit(points, single):
    """c1..c6 minimising the squared error in k = ln a_w / (2.3026 m), rounded to 9 significant digits
    as written."""
    used = [0, 2] if single else list(range(6))
    # Columns scaled to about 1 keep the normal equations well conditioned.
    scale = [1.0, 0.01, 0.1, 1e-4, 1e-3, 1e-5]
    n = len(used)
    matrix = [[0.0] * n for _ in range(n)]
    rhs = [0.0] * n
    for w, t, m, ln_aw in points:
        row = [terms(t, m, single)[j] * scale[j] for j in used]
        k = ln_aw / (LN_FACTOR * m)
        for i in range(n):
            rhs[i] += row[i] * k
            for j in range(n):
                matrix[i][j] += row[i] * row[j]
    solution = solve(matrix, rhs)
    coefficients = [0.0] * 6
    for i, j in enumerate(used):
        coefficients[j] = float('%.8e' % (solution[i] * scale[j]))
    return coefficients


def coefficient(c, t, m):
    return c[0] + c[1] * t + c[2] * m + c[3] * t * t + c[4] * t * m + c[5] * t * t * m


def relative_errors(c, point):
    """(relative error of a_w, relative error of the lowering 1 - a_w) of the set c at the point."""
    w, t, m, ln_aw = point
    fitted, published = math.exp(LN_FACTOR * m * coefficient(c, t, m)), math.exp(ln_aw)
    return abs(fitted / published - 1.0), abs(fitted - published) / (1.0 - published)


class Errors:
    """Largest relative errors of a set or a selection over the points it serves."""

    def __init__(self, aw, lowering):
        self.aw = aw
        self.lowering = lowering

    @staticmethod
    def largest(errors):
        return Errors(max((e.aw for e in errors), default=0.0), max((e.lowering for e in errors), default=0.0))


def band_fit(points, single, low, high, first, axis):
    """Fit over the closed band [low, high] of the axis (0 mass %, 1 temperature); the errors count
    the points the band serves: above low (from low on for the first band) up to high."""
    inside = [p for p in points if low <= p[axis] <= high]
    served = [p for p in inside if first or p[axis] > low]
    c = fit(inside, single)
    return c, Errors.largest([Errors(*relative_errors(c, p)) for p in served])


class Result:
    def __init__(self, kind, lines, thresholds, errors):
        self.kind = kind  # 'A' one set, 'B' by mass %, 'C' by temperature
        self.lines = lines
        self.thresholds = thresholds
        self.errors = errors  # Errors of each line

    def largest(self):
        return Errors.largest(self.errors)


def fit_solute(solute):
    points = solute.points()
    single = solute.single
    c, errors = band_fit(points, single, solute.w_low, solute.w_high, True, 0)
    if errors.aw <= AW_TOLERANCE and errors.lowering <= LOWERING_TARGET:
        return Result('A', [c], [], [errors])
    candidates = [('A', [c], [], [errors])]
    cache = {}

    def band(low, high, first, axis):
        key = (low, high, first, axis)
        if key not in cache:
            cache[key] = band_fit(points, single, low, high, first, axis)
        return cache[key]

    # Three mass-% bands, thresholds on whole per cent.
    for t1 in range(solute.w_low + 1, solute.w_high - 1):
        for t2 in range(t1 + 1, solute.w_high):
            bands = [band(solute.w_low, t1, True, 0), band(t1, t2, False, 0), band(t2, solute.w_high, False, 0)]
            candidates.append(('B', [c for c, _ in bands], [t1, t2], [e for _, e in bands]))
    # Two temperature bands, threshold on whole degrees.
    if not single:
        for t1 in range(solute.t_low + 5, solute.t_high - 4):
            bands = [band(solute.t_low, t1, True, 1), band(t1, solute.t_high, False, 1)]
            candidates.append(('C', [c for c, _ in bands], [t1], [e for _, e in bands]))
    results = [Result(*candidate) for candidate in candidates]
    within = [r for r in results if r.largest().aw <= AW_TOLERANCE]
    if not within:
        best = min(r.largest().aw for r in results)
        raise FitError('%s: no band split reaches %.1f %% in a_w (best %.3f %%)'
                       % (solute.key, 100 * AW_TOLERANCE, 100 * best))
    return min(within, key=lambda r: (r.largest().lowering, r.kind, r.thresholds))


# ---- output ----------------------------------------------------------------------------------

def number(value):
    text = '%.8e' % value
    return '0' if float(text) == 0.0 else text


def solute_line(solute, result):
    kind = result.kind
    t_low = '*' if solute.single else str(solute.t_low)
    t_high = '' if solute.single else str(solute.t_high)
    single = str(solute.t_low) if solute.single else ''
    source = 'PITZER' if solute.model_name == 'pitzer' else 'NORRISH'
    return '\t'.join([solute.id, source, solute.german, solute.english, solute.key, solute.molar_mass, kind,
                      str(solute.w_low), str(solute.w_high), t_low, t_high, single])


def coefficient_lines(solute, result):
    """One line per band; field 5 carries the key on the first line only."""
    lines = []
    count = {'A': 1, 'B': 3, 'C': 2}[result.kind]
    for i in range(count):
        mass_limit = result.thresholds[i] if result.kind == 'B' and i < 2 else solute.w_high
        t_limit = result.thresholds[i] if result.kind == 'C' and i < 1 else solute.t_high
        fields = [solute.key, str(i + 1), '%.3f' % (100 * result.errors[i].aw),
                  'PITZER' if solute.model_name == 'pitzer' else 'NORRISH',
                  solute.key if i == 0 else '', '', str(mass_limit), '', str(t_limit), '']
        fields += [number(c) for c in result.lines[i]]
        lines.append('\t'.join(fields))
    return lines


def error_lines(solute, result):
    """The fit errors of each set, in per cent, for data/README.md."""
    return ['%s\t%d\t%.3f\t%.3f' % (solute.key, i + 1, 100 * e.aw, 100 * e.lowering)
            for i, e in enumerate(result.errors)]


def check_points(solute):
    """Rows of the check table: a spread of mass % and temperatures inside the declared ranges, with
    a dilute 1 % where the range holds it."""
    span = solute.w_high - solute.w_low
    masses = {round(solute.w_low + span * f) for f in (0.1, 0.35, 0.6, 0.85, 1.0)}
    if solute.w_low < 1 < solute.w_high:
        masses.add(1)
    masses = sorted(masses - {0})
    if solute.single:
        temperatures = [solute.t_low]
    else:
        temperatures = sorted({solute.t_low, round((solute.t_low + solute.t_high) / 2), solute.t_high})
    rows = []
    for t in temperatures:
        for w in masses:
            aw = math.exp(solute.model.ln_water_activity(solute.molality(w), t))
            rows.append('%s\t%d\t%d\t%.6f' % (solute.key, w, t, aw))
    return rows


SOLUTE_HEADER = [
    'Wässrige Lösungen\t%s\tGelöste Stoffe' % LABEL,
    'Felder\tid, Quelle, Name, Name (englisch), Kürzel, M (g/mol), Typ, Ma.% von, Ma.% bis, °C von, °C bis, einzige Temperatur',
    'Typ\tA: ein Koeffizientensatz; B: drei Sätze nach Massenanteil; C: zwei Sätze nach Temperatur',
    'Temperatur\t* in Feld 10: nur bei der Temperatur in Feld 12 gültig',
    'Modell\tp = p_Wasser exp(2.3026 Summe m k), k aus TENSO6',
    'Quellen\tsiehe data/README.md',
    'PITZER\tPitzer-Parameter (USGS PHREEQC pitzer.dat), A-phi nach Møller (1988)',
    'NORRISH\tNorrish-Gleichung, Konstanten nach Chirife et al. (1980)',
    'Bereiche\tunterhalb der Sättigung und innerhalb der Gültigkeit der Quelle',
    'Erzeugt\ttools/aqueous/fit_aqueous.py',
    '-',
]

COEFFICIENT_HEADER = [
    'Wässrige Lösungen\t%s\tKoeffizienten' % LABEL,
    'Felder\tKürzel, Satz, größter Fehler a_w in %, Quelle, Kürzel (nur erste Zeile), -, Ma.%-Grenze, -, °C-Grenze, -, c1..c6',
    'Formel\tk = c1 + c2 t + c3 m + c4 t² + c5 t m + c6 t² m (t in °C, m in mol/kg Wasser)',
    'Auswahl B\tZeile j gilt bis zur Ma.%-Grenze (Feld 7) einschließlich, darüber die nächste',
    'Auswahl C\tZeile j gilt bis zur °C-Grenze (Feld 9) einschließlich, darüber die nächste',
    'Quellen\tsiehe data/README.md',
    'Erzeugt\ttools/aqueous/fit_aqueous.py',
]


def write_lines(path, lines):
    with open(path, 'w', encoding='utf-8', newline='\n') as f:
        f.write('\n'.join(lines) + '\n')


def read_solutes(params):
    with open(os.path.join(HERE, 'solutes.tsv'), encoding='utf-8') as f:
        rows = [line.rstrip('\n').split('\t') for line in f if line.strip() and not line.startswith('#')]
    solutes = [Solute(row, params) for row in rows[1:]]
    keys = [s.key for s in solutes]
    if len(set(keys)) != len(keys):
        raise FitError('a key occurs twice in solutes.tsv')
    return sort_by_name(solutes, lambda s: s.german)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    try:
        solutes = read_solutes(read_pitzer(sys.argv[1]))
        results = [(s, fit_solute(s)) for s in solutes]
    except (FitError, OSError) as err:
        sys.exit('fit_aqueous: %s' % err)
    solute_lines = SOLUTE_HEADER + [solute_line(s, r) for s, r in results]
    coefficient_rows = COEFFICIENT_HEADER + [line for s, r in results for line in coefficient_lines(s, r)]
    checks = ['solute\tmass %\t°C\ta_w'] + [row for s, _ in results for row in check_points(s)]
    errors = ['key\tset\tlargest a_w error %\tlargest error of 1 - a_w %'] + \
        [line for s, r in results for line in error_lines(s, r)]
    write_lines(os.path.join(ROOT, 'data', 'tenso5.tsv'), solute_lines)
    write_lines(os.path.join(ROOT, 'data', 'tenso6.tsv'), coefficient_rows)
    os.makedirs(os.path.join(ROOT, 'tests', 'data', 'aqueous'), exist_ok=True)
    write_lines(os.path.join(ROOT, 'tests', 'data', 'aqueous', 'aw_check.tsv'), checks)
    write_lines(os.path.join(HERE, 'fit_errors.tsv'), errors)
    for s, r in results:
        largest = r.largest()
        print('%-10s type %s  largest error: a_w %.3f %%, 1 - a_w %.2f %%'
              % (s.key, r.kind, 100 * largest.aw, 100 * largest.lowering))
    readme.write_readme()


if __name__ == '__main__':
    main()
