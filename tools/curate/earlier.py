"""The records of the databases shipped before (earlier_records.tsv: the database, id, CAS, Tb, code,
A-E, range, Tc, Pc; a database lists only the records that differ from those before it), so that
every range a record gives up against any of them is explained in choice_changes.tsv."""

import os

import choice as ch
import evidence as ev
import vapour_equations as ve
from sources import num

HERE = os.path.dirname(os.path.abspath(__file__))
EARLIER = os.path.join(HERE, 'earlier_records.tsv')


class EarlierRecord:
    def __init__(self, fields):
        self.database, self.id, self.cas, tb, self.code = fields[:5]
        self.coefficients = fields[5:10]
        self.tmin, self.tmax = float(fields[10]), float(fields[11])
        self.k = ve.Correlation(self.code, self.coefficients, tb=num(tb), tc=num(fields[12]) or 0.0,
                                pc=num(fields[13]) or 0.0)

    def curve(self):
        k = self.k
        return ev.Curve('earlier', 'earlier record', self.tmin, self.tmax, lambda t: ve.pressure_bar(k, t))

    def same_correlation(self, cand):
        """Whether the candidate is this record's correlation, a Wagner set re-expressed from it too."""
        own = (self.code, [num(x) for x in self.coefficients])
        return own in ((cand.code, [num(x) for x in cand.coefficients]),
                       (cand.code, [num(x) for x in cand.own_coefficients]))


def load(path=EARLIER):
    """CAS -> the EarlierRecords of that CAS, oldest database first."""
    with open(path, encoding='utf-8') as f:
        lines = f.read().splitlines()[1:]
    out = {}
    for line in lines:
        if line:
            record = EarlierRecord(line.split('\t'))
            out.setdefault(record.cas, []).append(record)
    return out


def given_up(substance, earlier, tmin, tmax):
    """The parts of the earlier range (below the record's Tc) that the range tmin-tmax no longer holds."""
    return ch.lost_parts(substance, ch.Span(tmin, tmax), earlier)


def earlier_misses(substance, earlier, lo, hi):
    """(points between lo and hi, those the earlier curve misses by more than 5 % and their tolerance):
    the boiling, critical and handbook points and the median of the correlations on the grid, judged
    as the choice judges a candidate (a boiling point of two compilations is met between them)."""
    assessment = substance.earlier_assessed[earlier]
    inside = [(p, d) for p, d in assessment.covered() if lo - 1e-9 <= p.t <= hi + 1e-9]
    misses = [(p, d) for p, d in inside if abs(d) > max(ch.MISS, p.tolerance) and substance.believed(p)]
    return [p for p, _ in inside], misses


def part_note(o, earlier, lo, hi):
    """How the earlier curve agrees with the evidence in a part given up, and, where the evidence does
    not disprove it, what kept the choice from holding it."""
    substance = o.substance
    assessment = substance.earlier_assessed[earlier]
    inside, misses = earlier_misses(substance, earlier, lo, hi)
    disproved = ch.disproved(substance, assessment, lo, hi)
    if misses:
        sources = set()
        for p, _ in misses:
            sources |= ch.disagreeing_sources(substance, earlier.curve(), p)
        worst = max(misses, key=lambda item: abs(item[1]))
        why = 'the earlier curve misses %d of %d points there (%s), the largest %+.1f %% at %s' % (
            len(misses), len(inside), ', '.join(sorted(sources)) if disproved else 'not two independent sources',
            100 * worst[1], worst[0].describe())
    elif inside:
        why = 'the earlier curve agrees with the %d points there' % len(inside)
    else:
        why = 'no evidence there'
    if not disproved:
        why += '; ' + holding_cause(o, earlier, lo, hi)
    return '%.6g-%.6g K given up (%s)' % (lo, hi, why)


def holding_cause(o, earlier, lo, hi):
    """Why no record holds a part of an earlier range that the evidence does not disprove."""
    substance, chosen = o.substance, o.chosen
    same = [c for c in o.candidates if earlier.same_correlation(c)]
    if same and same[0].reason:
        return 'the earlier correlation no longer ships: %s' % same[0].reason
    if same and same[0].range_note:
        return same[0].range_note
    holders = sorted((c for c in substance.candidates if c is not chosen
                      and not ch.lost_parts(substance, c, ch.Span(lo, hi))), key=lambda c: c.priority)
    if not holders:
        return 'no candidate that ships holds it%s' % (', and ' + o.range_cause() if o.range_cause() else '')
    h = holders[0]
    # In the order the choice weighs them: the boiling point, the earlier ranges, the score.
    if ch.tb_held(substance) and ch.holds_tb(chosen) and not ch.holds_tb(h):
        return '%s holds it but not the normal boiling point an earlier record met' % h.label
    if ch.held_kelvin(substance, h) > ch.held_kelvin(substance, chosen):
        return '%s holds it but gives up more of the earlier ranges (%.0f K against %.0f K), and %s' % (
            h.label, ch.held_kelvin(substance, h), ch.held_kelvin(substance, chosen),
            'no fit holds them all (%s)' % o.fit_failure if o.fit_failure else 'no fit is tried')
    if o.assessed[h].score is None:
        return '%s holds it but has no evidence in its range' % h.label
    if ch.better(o.assessed[chosen], o.assessed[h]):
        return ('%s holds it but agrees worse with the evidence (score %.2f against %.2f): a few kelvin of range '
                'never buy a curve that agrees worse' % (h.label, o.assessed[h].rank(), o.assessed[chosen].rank())
                if hi - lo <= ch.FEW_KELVIN else
                '%s holds it but agrees worse with the evidence (score %.2f against %.2f)' % (
                    h.label, o.assessed[h].rank(), o.assessed[chosen].rank()))
    return o.range_cause() or 'the rule %s decided' % o.rule


def range_note(o):
    """Why the record no longer holds parts of the ranges the earlier databases gave it, or '' where it
    holds all of them."""
    notes = []
    for earlier in o.substance.earlier:
        parts = given_up(o.substance, earlier, float(o.tmin_text), float(o.tmax_text))
        if parts:
            notes.append('range against %s: earlier %.6g-%.6g K; %s' % (
                earlier.database, earlier.tmin, earlier.tmax,
                '; '.join(part_note(o, earlier, lo, hi) for lo, hi in parts)))
    return '; '.join(notes)
