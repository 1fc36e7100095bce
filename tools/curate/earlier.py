"""The records of the database before the choice by agreement (earlier_records.tsv: id, CAS, Tb, code,
A-E, range, Tc, Pc), so that every range a record gives up against them is explained in
choice_changes.tsv."""

import os

import choice as ch
import evidence as ev
import vapour_equations as ve
from sources import num

HERE = os.path.dirname(os.path.abspath(__file__))
EARLIER = os.path.join(HERE, 'earlier_records.tsv')


class EarlierRecord:
    def __init__(self, fields):
        self.id, self.cas, tb, self.code = fields[:4]
        self.coefficients = fields[4:9]
        self.tmin, self.tmax = float(fields[9]), float(fields[10])
        self.k = ve.Correlation(self.code, self.coefficients, tb=num(tb), tc=num(fields[11]) or 0.0,
                                pc=num(fields[12]) or 0.0)

    def curve(self):
        k = self.k
        return ev.Curve('earlier', 'earlier record', self.tmin, self.tmax, lambda t: ve.pressure_bar(k, t))


def load(path=EARLIER):
    """CAS -> EarlierRecord."""
    with open(path, encoding='utf-8') as f:
        lines = f.read().splitlines()[1:]
    return {r.cas: r for r in (EarlierRecord(line.split('\t')) for line in lines if line)}


def given_up(substance, earlier, tmin, tmax):
    """The parts of the earlier range (below the record's Tc) that the range tmin-tmax no longer holds."""
    return ch.lost_parts(substance, ch.Span(tmin, tmax), ch.Span(earlier.tmin, earlier.tmax))


def earlier_misses(substance, earlier, lo, hi):
    """(points between lo and hi, those the earlier curve misses by more than 5 % and their tolerance):
    the boiling, critical and handbook points and the median of the correlations on the grid."""
    curve = earlier.curve()
    own = (earlier.code, [num(x) for x in earlier.coefficients])
    exclude = {substance.curves[c] for c in substance.candidates if (c.code, [num(x) for x in c.coefficients]) == own}
    points = [p for p in substance.fixed if substance.believed(p)]
    points += [ev.median_point(t, substance.all_curves, exclude) for t in ch.grid(substance.lo, substance.hi)]
    inside = [p for p in points if p is not None and lo - 1e-9 <= p.t <= hi + 1e-9]
    misses = []
    for p in inside:
        d = ev.relative_deviation(curve.pressure_bar(p.t), p.p)
        if abs(d) > max(ch.MISS, p.tolerance):
            misses.append((p, d))
    return inside, misses


def range_note(substance, earlier, tmin, tmax, candidates=()):
    """Why the record no longer holds parts of its earlier range, or '' where it holds all of it;
    `candidates` are all the substance's correlations, those that failed the screen among them."""
    own = (earlier.code, [num(x) for x in earlier.coefficients])
    dropped = [c for c in candidates if c.reason and (c.code, [num(x) for x in c.coefficients]) == own]
    notes = []
    for lo, hi in given_up(substance, earlier, tmin, tmax):
        inside, misses = earlier_misses(substance, earlier, lo, hi)
        if misses:
            worst = max(misses, key=lambda item: abs(item[1]))
            why = 'the earlier curve misses %d of %d points there, the largest %+.1f %% at %s' % (
                len(misses), len(inside), 100 * worst[1], worst[0].describe())
        elif inside:
            why = 'the earlier curve agrees with the %d points there, but no candidate that ships reaches them' % len(inside)
        else:
            why = 'no evidence there'
        notes.append('%.6g-%.6g K given up (%s)' % (lo, hi, why))
    if not notes:
        return ''
    if dropped:
        notes.append('the earlier correlation no longer ships: %s' % dropped[0].reason)
    return 'range: earlier %.6g-%.6g K; %s' % (earlier.tmin, earlier.tmax, '; '.join(notes))
