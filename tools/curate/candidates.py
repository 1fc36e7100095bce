"""The correlations that can be shipped for a substance, converted exactly to the record's equation
codes, the screen each must pass, and the choice by source priority."""

import math
from decimal import Decimal

import sources as s
import vapour_equations as ve
from evidence import Curve, fmt_decimal, pa_to_bar
from sources import num

# Landolt rows are the last resort and their ranges are narrow: only clean fits at Tb ship.
LANDOLT_TB_LIMIT = 0.02
# A row this far off 1 atm at Tb gives way to a later source that boils within it.
PRIORITY_TB_LIMIT = 0.02
LN_1E5 = math.log(1e5)


def fmt_float(value):
    return repr(float('%.15g' % value))


class Candidate:
    """One published correlation in record form: code, A..E as text, range, the correlation's own
    Tc and Pc where it has them (McGarry's Wagner sets), and the outcome of the screen."""

    def __init__(self, priority, source, code, coefficients, tmin, tmax, label, own_tc=None, own_pc=None):
        self.priority = priority
        self.source = source
        self.code = code
        self.coefficients = list(coefficients)
        self.tmin_text = tmin
        self.tmax_text = tmax
        self.tmin = float(tmin)
        self.tmax = float(tmax)
        self.label = label
        self.own_tc = own_tc
        self.own_pc = own_pc
        self.tc = self.pc = '0'
        self.table_critical = None
        self.reason = None
        self.dev = None
        self.record_tb = None
        self.tb_decision = None
        self.k = None
        self.refit = None  # a Wagner set re-expressed through the table's critical point (fits.refit)
        self.own_coefficients = []  # the set's own, where it is re-expressed
        self.range_note = ''  # why a re-expressed set ends below Tc

    def curve(self, tmin=None, tmax=None):
        k = self.k
        return Curve(self.source, self.label, self.tmin if tmin is None else tmin,
                     self.tmax if tmax is None else tmax, lambda t: ve.pressure_bar(k, t))

    def tb_in_range(self, tb):
        return tb is not None and self.tmin <= tb <= self.tmax


def build_candidates(tables, rejected):
    """CAS -> candidates in priority order (Perry, McGarry, Poling, ChemSep, Landolt, Alcock)."""
    out = {}

    def add(cas, cand):
        out.setdefault(cas, []).append(cand)
    for r in tables[s.PERRY].rows:
        add(r.cas, Candidate(1, 'PER', '101', r[2:7], r[7], r[8], 'Perry ' + r[1]))
    for r in tables[s.MCGARRY].rows:
        add(r.cas, Candidate(2, 'MCG', '1', r[2:6] + ['0'], r[8], r[7], 'McGarry ' + r[1], r[7], pa_to_bar(r[6])))
    for r in tables[s.POLING].rows:
        a = fmt_decimal(Decimal(r[2]) - 3)
        add(r.cas, Candidate(3, 'POL', '1.8', [a, r[3], r[4], '0', '0'], r[5], r[6], 'Poling ' + r[1]))
    for r in tables[s.CHEMSEP].rows:
        label = 'ChemSep ' + r[1]
        if r.field(14) not in ('101', '10'):
            continue
        used = range(15, 22) if r[14] == '101' else (15, 16, 17, 20, 21)
        if any(num(r.field(i)) is None for i in used):
            rejected.append((r.cas, r[1], label, 'a coefficient or range end is not a finite number'))
            continue
        if r[14] == '101':
            add(r.cas, Candidate(4, 'CHS', '101', r[15:20], r[20], r[21], label))
        else:
            a = fmt_float(float(r[15]) - LN_1E5)
            add(r.cas, Candidate(4, 'CHS', '3', [a, r[16], r[17], '0', '0'], r[20], r[21], label))
    for r in tables[s.LANDOLT].rows:
        a = fmt_float(float(r[2]) - LN_1E5)
        add(r.cas, Candidate(5, 'LAN', '3', [a, r[3], r[4], '0', '0'], r[5], r[6], 'Landolt ' + r[1]))
    for r in tables[s.ALCOCK].rows:
        add(r.cas, Candidate(6, 'ALC', '101', r[2:7], r[7], r[8], 'Alcock ' + r[1]))
    for cands in out.values():
        cands.sort(key=lambda c: c.priority)
    return out


def second_boiling_point(tables, cas, listed, k, tmin, tmax):
    """(Tb text, source) of the next boiling-point source that the correlation meets cleanly, or None.

    Used before a row is rejected over its boiling point: when a second compilation agrees with the fit
    within 2 %, the listed value is the doubtful one."""
    chemsep = tables[s.CHEMSEP].get(cas)
    yaws = tables[s.YAWS_TB].get(cas)
    for text, name in ((yaws.field(1) if yaws else None, 'Yaws'), (chemsep.field(7) if chemsep else None, 'ChemSep')):
        value = num(text)
        if value is None or value == num(listed):
            continue
        reason, dev = ve.boiling_screen(k, tmin, tmax, value)
        if reason is None and (dev is None or abs(dev) <= 0.02):
            return text, name
    return None


def screen(tables, cas, english, cand, tb, critical):
    """Sets cand.reason (None when it may ship), its deviation at Tb, and the Tb its record carries."""
    tc, pc = (cand.own_tc, cand.own_pc) if cand.own_tc else (critical or ('0', '0'))
    cand.tc, cand.pc = tc, pc
    cand.table_critical = critical
    if cand.code in ('1', '101') and (tb is None or not num(tc) or not num(pc) or num(tc) <= 0):
        cand.reason = 'needs numeric Tb, Tc and Pc'
        return
    cand.k = ve.Correlation(cand.code, cand.coefficients, tb=num(tb), tc=num(tc), pc=num(pc))
    reason, dev = ve.screen(cand.k, cand.tmin, cand.tmax, num(tb))
    cand.record_tb = tb
    # Only for the checks beyond the range; in range the listed Tb stays and the row fails.
    beyond = tb is not None and not cand.tmin <= num(tb) <= cand.tmax
    if reason and beyond and cand.source != 'LAN' and not ve.shape_screen(cand.k, cand.tmin, cand.tmax):
        second = second_boiling_point(tables, cas, tb, cand.k, cand.tmin, cand.tmax)
        if second:
            cand.record_tb, tb_source = second
            cand.tb_decision = (cas, english, cand.source, tb, cand.record_tb, tb_source, reason)
            reason, dev = None, None
    cand.dev = dev
    if reason is None and cand.source == 'LAN' and dev is not None and abs(dev) > LANDOLT_TB_LIMIT:
        where = 'p at the range end nearest Tb' if beyond else 'p(Tb)'
        reason = '%s off 1 atm by %.1f %%' % (where, 100 * dev)
    cand.reason = reason


def priority_choice(cands, tb):
    """The first passing candidate in priority order; one 2-5 % off at Tb gives way to a later one that
    boils within 2 % with Tb in its range."""
    passing = [c for c in cands if c.reason is None]
    for i, cand in enumerate(passing):
        if cand.dev is not None and abs(cand.dev) > PRIORITY_TB_LIMIT:
            later = [o for o in passing[i + 1:] if o.priority > cand.priority]
            if any(o.tb_in_range(num(tb)) and o.dev is not None and abs(o.dev) <= PRIORITY_TB_LIMIT for o in later):
                continue
        return cand
    return None
