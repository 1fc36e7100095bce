"""The choice rules on the shipped files: the record's critical data are the tables', ranges are given
up only on evidence, no range of the earlier database is lost without a note, and the notes say which
rule decided with both scores. The reference tables are read from ../shared/reference beside the
repository (TENSIMO_REFERENCE_DIR elsewhere). Run with: python3 -m unittest discover -s tools/curate"""

import math
import os
import re
import unittest

import choice as ch
import curate_substances as cs
import earlier
import evidence as ev
import sources as s
import vapour_equations as ve
from sources import num

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(os.path.dirname(HERE))
REFERENCE = os.environ.get('TENSIMO_REFERENCE_DIR', os.path.join(REPO, '..', 'shared', 'reference'))
DATABASE = os.path.join(REPO, 'data', 'tenso20.tsv')
# The records the rework took 25 degrees C from; each holds it again or its note says why not.
ROOM_TEMPERATURE_RECORDS = ('S00033', 'S00098', 'S00447', 'S00522', 'S00735', 'S00786', 'S01201')


def shipped_records():
    with open(DATABASE, encoding='utf-8') as f:
        return [line.split('\t') for line in f.read().splitlines()[3:] if line]


def changes():
    with open(os.path.join(HERE, 'choice_changes.tsv'), encoding='utf-8') as f:
        return [line.split('\t') for line in f.read().splitlines()[1:] if line]


# Fields of a record line: 0 id, 1 source, 2 CAS, 14 code, 15-19 A-E, 20 Tmin, 21 Tmax, 22 Tc, 23 Pc.
def record_range(rec):
    return float(rec[20]), float(rec[21])


@unittest.skipUnless(os.path.isdir(REFERENCE), 'reference tables not found: ' + REFERENCE)
class ShippedChoice(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.records = shipped_records()
        cls.changes = {row[0]: row for row in changes()}
        cls.tables = s.load_tables(REFERENCE, [])
        cls.earlier = earlier.load()

    def test_records_carry_the_critical_tables_values_never_a_correlations_own(self):
        checked = 0
        for rec in self.records:
            entries = ev.critical_entries(self.tables, rec[2])
            tabled = {(num(e.tc_text), num(ev.pa_to_bar(e.pc_pa_text))) for e in entries
                      if e.table in ('IUPAC', 'CRC', 'PSRK', 'Yaws', 'Mathews') and not e.suspect}
            if not tabled or rec[1] == 'IF97':
                continue
            checked += 1
            with self.subTest(rec[0]):
                self.assertIn((num(rec[22]), num(rec[23])), tabled)
        self.assertGreater(checked, 900)

    def test_a_range_is_cut_only_where_two_sources_disagree_at_two_points(self):
        # The evidence as the script gathers it; the shipped ranges from the file.
        outcomes = {o.cas: o for o in cs.build(REFERENCE)[4]}
        cut = 0
        for rec in self.records:
            o = outcomes.get(rec[2])
            if o is None or o.fit:
                continue
            s, cand = o.substance, o.chosen
            curve = s.curves[cand]
            lo, hi = record_range(rec)
            for a, b in ((cand.tmin, lo), (hi, cand.tmax)):
                if b - a <= ch.LOST_RANGE_K:
                    continue
                cut += 1
                points = [p for p in s.fixed if a <= p.t <= b and s.believed(p)]
                others = [c for c in s.all_curves if c is not curve and s.twins.get(curve) is not c]
                points += [ev.median_point(t, others, set()) for t in ch.grid(s.lo, s.hi) if a <= t <= b]
                misses, sources = 0, set()
                for p in filter(None, points):
                    own = curve.pressure_bar(p.t)
                    if abs(ev.relative_deviation(own, p.p)) <= max(ch.MISS, p.tolerance):
                        continue
                    misses += 1
                    if p.kind != 'curves':
                        sources.add(p.kind + ' ' + p.source)
                    for c in others:
                        value = c.pressure_bar(p.t) if c.covers(p.t) else None
                        if value and abs(ev.relative_deviation(own, value)) > ch.MISS:
                            sources.add('DIPPR' if c.source in ('PER', 'CHS') else c.source)
                with self.subTest('%s %g-%g K' % (rec[0], a, b)):
                    self.assertGreaterEqual(misses, 2)
                    self.assertGreaterEqual(len(sources), 2)
        self.assertGreater(cut, 0)

    def test_no_earlier_range_is_lost_without_a_note(self):
        ids = {rec[2]: rec for rec in self.records}
        for cas, old in self.earlier.items():
            with self.subTest(old.id):
                self.assertIn(cas, ids, 'record gone')
                rec = ids[cas]
                self.assertEqual(rec[0], old.id)
                lo, hi = record_range(rec)
                # Below the melting point and above Tc there is no liquid to lose.
                tm, tc = num(rec[12]) or 0.0, num(rec[22]) or math.inf
                lost = (lo - max(old.tmin, tm) > ch.LOST_RANGE_K or min(old.tmax, tc) - hi > ch.LOST_RANGE_K)
                if lost:
                    self.assertIn(cas, self.changes)
                    self.assertIn('range: earlier %.6g-%.6g K' % (old.tmin, old.tmax), self.changes[cas][8])

    def test_the_records_that_lost_room_temperature_hold_it_or_say_why(self):
        by_id = {rec[0]: rec for rec in self.records}
        for record_id in ROOM_TEMPERATURE_RECORDS:
            rec = by_id[record_id]
            lo, hi = record_range(rec)
            with self.subTest(record_id):
                if not lo <= 298.15 <= hi:
                    self.assertRegex(self.changes[rec[2]][8], r'given up \((the earlier curve misses|no evidence)')

    def test_every_note_names_the_rule_and_both_scores_and_agrees_better_only_when_it_does(self):
        pattern = re.compile(r'scores (\S+) \(priority\) and (\S+) \(shipped\), rule: (priority|score|coverage|'
                             r'critical pressure|fit)')
        for cas, row in self.changes.items():
            with self.subTest(cas):
                match = pattern.search(row[8])
                self.assertIsNotNone(match, row[8])
                self.assertEqual(match.group(1, 2), (row[6], row[7]))
                if 'agrees better' in row[8]:
                    self.assertLess(float(row[7]), float(row[6]))


class Rules(unittest.TestCase):
    """The rules on curves of their own: a line in ln p against 1/T."""

    @staticmethod
    def curve(source, tmin, tmax, scale=1.0):
        return ev.Curve(source, source, tmin, tmax, lambda t: scale * math.exp(11.0 - 3900.0 / t))

    def substance(self, candidates, others=(), handbook=()):
        class Cand:
            def __init__(self, c, priority):
                self.tmin, self.tmax, self.priority, self.source = c.tmin, c.tmax, priority, c.source
                self.tc = self.pc = '0'
                self.table_critical = None
                self._curve = c

            def curve(self):
                return self._curve
        cands = [Cand(c, i) for i, c in enumerate(candidates)]
        return ch.SubstanceEvidence(None, [], list(handbook), list(others), cands), cands

    def test_one_point_or_one_source_never_disproves_a_range(self):
        good = self.curve('PER', 250.0, 450.0)
        off = [self.curve(name, 250.0, 450.0, 1.2) for name in ('PW', 'PPDS', 'WB')]
        # The handbook points at 300 and 320 K lie 20 % above the curve, as do the correlations.
        def points(*temps):
            return [ev.Point('handbook', 'VDI', t, 1.2 * good.pressure_bar(t), 0.01) for t in temps]
        for what, others, handbook, disproved in (
                ('one handbook point', [], points(300.0), False),
                ('two handbook points, one source', [], points(300.0, 320.0), False),
                ('correlations of three sources', off, [], True)):
            with self.subTest(what):
                substance, cands = self.substance([good], others, handbook)
                assessment = substance.assess(substance.curves[cands[0]])
                self.assertEqual(ch.disproved(substance, assessment, 250.0, 450.0), disproved)

    def test_a_narrow_candidate_never_wins_by_being_absent_where_a_wide_one_agrees(self):
        wide = self.curve('PER', 200.0, 450.0, 1.004)
        narrow = self.curve('LAN', 300.0, 400.0)
        others = [self.curve(name, 200.0, 450.0) for name in ('PW', 'PPDS', 'WB')]
        substance, cands = self.substance([wide, narrow], others)
        chosen, assessed, rule = ch.choose(substance, cands[1])
        self.assertIs(chosen, cands[0])
        self.assertEqual(rule, ch.BY_COVERAGE)
        self.assertIsNotNone(assessed[cands[1]].score)


if __name__ == '__main__':
    unittest.main()
