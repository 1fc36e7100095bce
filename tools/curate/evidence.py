"""Published evidence a correlation is judged by: boiling points, critical points, handbook saturation
points and correlations that are never shipped, each with its tolerance (see data/README.md)."""

import math
import re
import statistics
from decimal import Decimal

import vapour_equations as ve
import sources as s
from sources import num

# p(Tb) against 1 atm: different compilations agree at Tb to about this much.
TB_TOLERANCE = 0.005
# p at the table's Tc against its Pc where the table states no uncertainty, and the least tolerance.
CRITICAL_TOLERANCE = 0.02
# Near Tc, d ln p / d ln T is about 7: an uncertainty of Tc becomes 7 times as much in p.
LN_P_PER_LN_T_AT_TC = 7.0
# Handbook table values; two significant digits (points near the triple point) read as +-3 %, a single
# digit as half a unit of it.
HANDBOOK_TOLERANCE = 0.01
HANDBOOK_TWO_DIGIT_TOLERANCE = 0.03
# A correlation's value: 1 %; below 1 kPa published correlations rarely agree better than 3 %, below
# 10 Pa (mostly extrapolations towards the triple point) than 10 %.
CURVE_TOLERANCES = ((0.01, 0.01), (1e-4, 0.03), (0.0, 0.10))  # (from p in bar, tolerance)
# A range ending this close below Tc counts as reaching it; p is compared at its end.
CRITICAL_REACH_K = 0.5
# Two critical points agree when Tc is within 0.5 % and Pc within 5 %.
CRITICAL_AGREE_TC = 0.005
CRITICAL_AGREE_PC = 0.05
# A handbook point no correlation comes within 50 % of is a suspect.
SUSPECT_FACTOR = 0.5


def fmt_decimal(value):
    text = format(value.normalize(), 'f')
    return text if text not in ('-0', '') else '0'


def pa_to_bar(text):
    """Exact decimal shift of a pascal value written as text."""
    return fmt_decimal(Decimal(text) / Decimal(100000))


def curve_tolerance(pressure_bar):
    return next(tolerance for lowest, tolerance in CURVE_TOLERANCES if pressure_bar >= lowest)


def relative_deviation(value, reference):
    if value is None or not math.isfinite(value) or not reference > 0:
        return math.inf
    return value / reference - 1.0


class Curve:
    """A vapour-pressure correlation over its published range, p in bar."""

    def __init__(self, source, label, tmin, tmax, pressure):
        self.source = source
        self.label = label
        self.tmin = tmin
        self.tmax = tmax
        self._pressure = pressure

    def covers(self, t):
        return self.tmin - 1e-9 <= t <= self.tmax + 1e-9

    def pressure_bar(self, t):
        try:
            p = self._pressure(t)
        except (OverflowError, ValueError, ZeroDivisionError):
            return None
        return p if isinstance(p, float) and math.isfinite(p) and p > 0 else None


def wagner_25_5(a, b, c, d, tc, pc_bar):
    """ln(p/Pc) = (A tau + B tau^1.5 + C tau^2.5 + D tau^5) / Tr, the Poling and VDI PPDS form."""
    def pressure(t):
        tau = 1.0 - t / tc
        if tau <= 0:
            return pc_bar
        return pc_bar * math.exp((a * tau + b * tau ** 1.5 + c * tau ** 2.5 + d * tau ** 5) * tc / t)
    return pressure


def extended_antoine(a, b, c, tc, to_celsius, n, e, f):
    """log10(p/Pa) = A - B/(T + C) + 0.43429 x^n + E x^8 + F x^12, x = max((T - to - 273.15)/Tc, 0)."""
    def pressure(t):
        x = max((t - to_celsius - 273.15) / tc, 0.0)
        return 10.0 ** (a - b / (t + c) + 0.43429 * x ** n + e * x ** 8 + f * x ** 12) / 1e5
    return pressure


def ln_antoine_pa(a, b, c):
    def pressure(t):
        return math.exp(a - b / (t + c)) / 1e5
    return pressure


def webbook_cas(text):
    digits = text.strip()
    return '%s-%s-%s' % (digits[:-3], digits[-3:-1], digits[-1]) if re.fullmatch(r'\d{5,}', digits) else ''


def evidence_curves(tables, rejected):
    """CAS -> the correlations used only as evidence: Poling's Wagner and extended Antoine sets, the VDI
    PPDS equations and the NIST WebBook Antoine constants."""
    out = {}

    def add(cas, curve):
        if curve.tmin < curve.tmax:
            out.setdefault(cas, []).append(curve)
        else:
            rejected.append((cas, curve.label, curve.label, 'evidence only: Tmin >= Tmax'))
    for r in tables[s.POLING_WAGNER].rows:
        a, b, c, d, tc, pc, tmin, tmax = (float(x) for x in r[2:10])
        add(r.cas, Curve('PW', 'Poling Wagner ' + r[1], tmin, tmax, wagner_25_5(a, b, c, d, tc, pc / 1e5)))
    for r in tables[s.VDI_PPDS].rows:
        tm, tc, pc, a, b, c, d = (float(x) for x in r[2:9])
        add(r.cas, Curve('PPDS', 'VDI PPDS ' + r[1], tm, tc, wagner_25_5(a, b, c, d, tc, pc / 1e5)))
    for r in tables[s.POLING_EXTENDED].rows:
        a, b, c, tc, to, n, e, f, tmin, tmax = (float(x) for x in r[2:12])
        add(r.cas, Curve('PEXT', 'Poling extended Antoine ' + r[1], tmin, tmax,
                         extended_antoine(a, b, c, tc, to, n, e, f)))
    for r in tables[s.WEBBOOK].rows:
        values = [num(r.field(i)) for i in (17, 18, 19, 20, 21)]
        if all(v is None for v in values):
            continue
        cas = webbook_cas(r[0])
        if None in values or not cas:
            rejected.append((cas or r[0], '', 'webbook_constants line %d' % r.line,
                             'evidence only: Antoine constants incomplete'))
            continue
        tmin, tmax, a, b, c = values
        add(cas, Curve('WB', 'NIST WebBook', tmin, tmax, ln_antoine_pa(a, b, c)))
    return out


class Point:
    """One piece of evidence: p (bar) at T (K) within a relative tolerance.

    A boiling point lists the temperatures of both compilations; a curve agrees with it where it
    reaches 1 atm between them, or within the tolerance of the nearer one."""

    def __init__(self, kind, source, t, p, tolerance, temperatures=None, reach=0.0):
        self.kind = kind
        self.source = source
        self.t = t
        self.p = p
        self.tolerance = tolerance
        self.temperatures = temperatures or [t]
        self.reach = reach

    def where(self, tmin, tmax):
        """The temperatures at which a curve valid over [tmin, tmax] meets this point."""
        inside = []
        for t in self.temperatures:
            if tmin - 1e-9 <= t <= tmax + 1e-9:
                inside.append(t)
            elif tmin <= t <= tmax + self.reach:
                inside.append(tmax)
        return inside

    def covered_by(self, tmin, tmax):
        return bool(self.where(tmin, tmax))

    def deviation(self, curve, tmin=None, tmax=None):
        """Relative deviation of the curve from this point inside [tmin, tmax] (the curve's range by
        default); None when the range does not reach the point."""
        lo = curve.tmin if tmin is None else tmin
        hi = curve.tmax if tmax is None else tmax
        inside = self.where(lo, hi)
        if not inside:
            return None
        devs = [relative_deviation(curve.pressure_bar(t), self.p) for t in inside]
        if len(devs) == 2 and devs[0] <= 0 <= devs[1]:
            return 0.0
        return min(devs, key=abs)

    def describe(self):
        temps = ' / '.join('%g' % t for t in self.temperatures)
        return '%s %s K %.6g bar' % (self.source, temps, self.p)


def significant_digits(text):
    mantissa = re.split('[eE]', text.strip().lstrip('+-'))[0].replace('.', '')
    return len(mantissa.strip('0')) or 1


def handbook_tolerance(text):
    digits = significant_digits(text)
    if digits == 1:
        mantissa = re.split('[eE]', text.strip().lstrip('+-'))[0].replace('.', '').strip('0')
        return 0.5 / int(mantissa)
    return HANDBOOK_TWO_DIGIT_TOLERANCE if digits == 2 else HANDBOOK_TOLERANCE


def boiling_point_evidence(tables, cas):
    values = []
    for table, name in ((tables[s.CRC_ORGANIC], 'CRC'), (tables[s.CRC_INORGANIC], 'CRC'), (tables[s.YAWS_TB], 'Yaws')):
        row = table.get(cas)
        value = num(row.field(3 if name == 'CRC' else 1)) if row else None
        if value and value > 0 and not any(v == value for v, _ in values):
            values.append((value, name))
    if not values:
        return None
    values.sort()
    return Point('Tb', ' and '.join(n for _, n in values), values[0][0], ve.ATM_BAR, TB_TOLERANCE,
                 [v for v, _ in values])


class CriticalEntry:
    def __init__(self, table, tc_text, pc_pa_text, tolerance, evidence):
        self.table = table
        self.tc_text = tc_text
        self.pc_pa_text = pc_pa_text
        self.tc = float(tc_text)
        self.pc = float(pc_pa_text) / 1e5
        self.tolerance = tolerance
        self.evidence = evidence
        self.suspect = False
        self.overruled = False  # every correlation valid to its Tc misses its Pc: no evidence
        self.carried = False  # the table the correlations meet, carried in place of an overruled one

    def agrees(self, other):
        return (abs(self.tc / other.tc - 1) <= CRITICAL_AGREE_TC and abs(self.pc / other.pc - 1) <= CRITICAL_AGREE_PC)


# Tables of critical data in the order the record takes them; IUPAC, CRC and Mathews are evidence.
CRITICAL_TABLES = ((s.IUPAC_CRITICAL, 'IUPAC', 3, 4, True), (s.CRC_CRITICAL, 'CRC', 2, 4, True),
                   (s.PSRK_CRITICAL, 'PSRK', 2, 3, False), (s.YAWS_CRITICAL, 'Yaws', 2, 3, False),
                   (s.MATHEWS_CRITICAL, 'Mathews', 3, 4, True), (s.CHEMSEP, 'ChemSep', 10, 11, False),
                   (s.HEOS, 'EOS', 3, 4, False), (s.VDI_PPDS, 'PPDS', 3, 4, False),
                   (s.POLING_WAGNER, 'Poling Wagner', 6, 7, False))
VOTERS = ('EOS', 'PPDS', 'Poling Wagner')
# An evaluated table stating a larger uncertainty does not outweigh the others.
FIRM_CRITICAL_TOLERANCE = 0.05


def support(entry, entries):
    """How many other tables agree with the entry, equal values (copies of one source) counted once."""
    values = {(o.tc, o.pc) for o in entries if o is not entry and entry.agrees(o)}
    values.discard((entry.tc, entry.pc))
    return len(values)


def critical_entries(tables, cas):
    """Critical data of every table, the suspects marked. An evaluated table (IUPAC, CRC, Mathews) that
    states an uncertainty within 5 % is a suspect only where another evaluated table disagrees with it
    and more tables agree with that one; any other entry is a suspect where it disagrees with one that
    more tables agree with. The reference-EOS constants and the Tc and Pc of the Poling Wagner and VDI
    PPDS equations only vote."""
    entries = []
    for name, label, tc_col, pc_col, evidence in CRITICAL_TABLES:
        row = tables[name].get(cas)
        if not row or not (num(row.field(tc_col)) or 0) > 0 or not (num(row.field(pc_col)) or 0) > 0:
            continue
        tolerance = CRITICAL_TOLERANCE
        if name == s.CRC_CRITICAL:
            stated = ((num(row.field(5)) or 0) / float(row[pc_col])
                      + LN_P_PER_LN_T_AT_TC * (num(row.field(3)) or 0) / float(row[tc_col]))
            tolerance = max(CRITICAL_TOLERANCE, stated)
        entries.append(CriticalEntry(label, row[tc_col], row[pc_col], tolerance, evidence))
    votes = [support(e, entries) for e in entries]
    for i, e in enumerate(entries):
        firm = e.evidence and e.tolerance <= FIRM_CRITICAL_TOLERANCE
        e.suspect = e.table not in VOTERS and any(
            (o.evidence or not firm) and not e.agrees(o) and votes[j] > votes[i] for j, o in enumerate(entries))
    return entries


def critical_points(entries):
    points = []
    for e in entries:
        if e.evidence and not e.suspect and not e.overruled and not any(p.t == e.tc and p.p == e.pc for p in points):
            point = Point('critical', e.table, e.tc, e.pc, e.tolerance, reach=CRITICAL_REACH_K)
            point.record_text = (e.tc_text, pa_to_bar(e.pc_pa_text))
            points.append(point)
    return points


def record_critical(entries):
    """(Tc K text, Pc bar text) the record carries: the table the correlations meet where they overrule
    another, else the first table that is not a suspect."""
    for e in sorted(entries, key=lambda e: not e.carried):
        if e.table not in VOTERS and (e.carried or not e.suspect):
            return e.tc_text, pa_to_bar(e.pc_pa_text)
    return None


def pressure_at_critical(cand, entry):
    """p at the table's Tc (at Tmax within half a kelvin below it) of a candidate valid there, or None."""
    if cand.tmax < entry.tc - CRITICAL_REACH_K:
        return None
    return cand.curve().pressure_bar(min(entry.tc, cand.tmax))


# A correlation meets a table's critical pressure within this (as a record valid to Tc must).
CRITICAL_MEET = 0.05


class Overrule:
    """The case of the correlations against a critical table: every published correlation valid to its
    Tc misses its Pc. `tables` are the entries overruled (the one the record would carry first), `carried`
    the table the record carries instead (None where none agrees: the record carries the first, and no
    correlation is held to it), `misses` {correlation label: miss of the first table's Pc}."""

    def __init__(self, tables, carried, misses):
        self.tables, self.carried, self.misses = tables, carried, misses

    def apply(self):
        for entry in self.tables:
            entry.overruled = True
        if self.carried:
            self.carried.carried = True


def plain_misses(cands, entry):
    """{label: miss of the entry's Pc} of the candidates that pass the screen and are valid to its Tc,
    those of their own critical point left out: they reach their own Pc by construction."""
    out = {}
    for c in cands:
        if c.reason is None and not c.own_tc:
            p = pressure_at_critical(c, entry)
            if p is not None:
                out[c.label] = relative_deviation(p, entry.pc)
    return out


def missed_by_all(misses):
    return bool(misses) and all(abs(d) > CRITICAL_MEET for d in misses.values())


def met_at_tc(entry, handbook):
    """Whether a handbook point at the entry's Tc agrees with its Pc."""
    return any(abs(p.t - entry.tc) <= CRITICAL_REACH_K and abs(relative_deviation(p.p, entry.pc)) <= CRITICAL_MEET
               for p in handbook)


def usable_tables(entries):
    """The entries a record may carry, in the order it takes them."""
    return [e for e in entries if e.table not in VOTERS and not e.suspect]


def overruled_critical(entries, cands, handbook=()):
    """Where the table value a record would carry disagrees with every published correlation valid to
    its Tc, and another table agrees with all of them, while no other table nor a handbook point at its
    Tc agrees with it, the correlations win at once: an Overrule carrying that table; else None."""
    usable = usable_tables(entries)
    if not usable:
        return None
    first = usable[0]
    # A table another table or a handbook point at its Tc agrees with is no single voice.
    if support(first, entries) or met_at_tc(first, handbook):
        return None
    against = plain_misses(cands, first)
    if not missed_by_all(against):
        return None
    for i, other in enumerate(usable[1:], 1):
        meets = plain_misses(cands, other)
        if set(meets) != set(against):
            return None
        if all(abs(d) <= CRITICAL_MEET for d in meets.values()):
            return Overrule(usable[:i], other, against)
        if any(abs(d) <= CRITICAL_MEET for d in meets.values()):
            return None
    return None


def overruled_by_choice(entries, cands, shipped, handbook=()):
    """Where the choice ships a correlation valid to Tc that misses the table's Pc (no fit through it
    agrees as well with the evidence) and every published correlation valid to that Tc misses it too,
    the correlations win: an Overrule of every table they all miss, carrying the first other table
    whose Pc the shipped correlation meets, or none; else None. `shipped` is that candidate."""
    usable = usable_tables(entries)
    if not usable or met_at_tc(usable[0], handbook):
        return None
    first = usable[0]
    against = plain_misses(cands, first)
    if not missed_by_all(against) or shipped.label not in against:
        return None
    others = [e for e in entries if e is not first and e.table not in VOTERS]
    missed = [first] + [e for e in others if missed_by_all(plain_misses(cands, e))]
    met = [e for e in others if e not in missed
           and abs(plain_misses([shipped], e).get(shipped.label, math.inf)) <= CRITICAL_MEET]
    return Overrule(missed, met[0] if met else None, against)


def read_handbook(folder, rejected):
    """CAS -> handbook points (T ascending) of the VDI saturation table."""
    out = {}
    for row in s.read_table(folder, s.HANDBOOK):
        t, p = num(row.field(2)), num(row.field(3))
        if t is None or p is None or t <= 0 or p <= 0:
            rejected.append((row.field(0), row.field(1), 'VDI_saturation_points line %d' % row.line,
                             'T or p not a number > 0'))
            continue
        point = Point('handbook', 'VDI', t, p / 1e5, handbook_tolerance(row[3]))
        point.name = row[1]
        point.text = (row[2], row[3])
        out.setdefault(row[0], []).append(point)
    for points in out.values():
        points.sort(key=lambda point: point.t)
    return out


def suspect_reason(point, curves):
    """Why a handbook point is not believed, or None: no correlation valid there comes within 50 %."""
    devs = [relative_deviation(c.pressure_bar(point.t), point.p) for c in curves if c.covers(point.t)]
    if not devs or min(abs(d) for d in devs) <= SUSPECT_FACTOR:
        return None
    nearest = min(devs, key=abs)
    return 'no correlation within 50 %%: the nearest of %d gives %.4g times the value' % (len(devs), 1 + nearest)


def median_point(t, curves, exclude):
    """The median of the independent curves valid at t, leaving out `exclude`; None with fewer than three."""
    values = [c.pressure_bar(t) for c in curves if c not in exclude and c.covers(t)]
    values = [v for v in values if v is not None]
    if len(values) < 3:
        return None
    median = statistics.median(values)
    spread = statistics.median(abs(v / median - 1) for v in values)
    return Point('curves', 'median of %d correlations' % len(values), t, median,
                 max(curve_tolerance(median), spread))
