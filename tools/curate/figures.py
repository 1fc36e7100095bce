#!/usr/bin/env python3
"""The figures a change of the substance database is judged by, for any version of data/tenso20.tsv.

Usage: figures.py REFERENCE_DIR [TENSO20_TSV ...]   (default: data/tenso20.tsv)
       git show REV:data/tenso20.tsv > /tmp/old.tsv && figures.py REFERENCE_DIR /tmp/old.tsv

- handbook: the VDI Heat Atlas points inside a record's range, how many the record meets within 5 %,
  and the median |p/p_VDI - 1|;
- 25 °C: the records whose range holds 298.15 K;
- range: the summed Tmax - Tmin of all records;
- against agreeing correlations: the records whose curve lies more than 5 % from two published
  correlations of independent sources (Perry and ChemSep count as one) that agree with each other
  within 3 % at a temperature of the record's range and of both of theirs (listed with --list)."""

import os
import statistics
import sys

import candidates as cd
import evidence as ev
import sources as s
import vapour_equations as ve
from choice import FAMILY, grid
from sources import num

AWAY = 0.05
AGREE = 0.03
ROOM_K = 298.15
DATABASE = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'data', 'tenso20.tsv')
SAMPLES = 24


def read_records(path):
    with open(path, encoding='utf-8') as f:
        return [line.split('\t') for line in f.read().splitlines()[3:] if line]


def record_curve(rec):
    k = ve.Correlation(rec[14], rec[15:20], tb=num(rec[13]), tc=num(rec[22]) or 0.0, pc=num(rec[23]) or 0.0)
    return ev.Curve(rec[1], rec[0], float(rec[20]), float(rec[21]), lambda t: ve.pressure_bar(k, t))


def published_curves(tables):
    """CAS -> every published correlation over its own range, the evidence-only ones too; McGarry's
    sets with their own critical point."""
    out = {}
    for cas, cands in cd.build_candidates(tables, []).items():
        for c in cands:
            tc, pc = (c.own_tc, c.own_pc) if c.own_tc else ('0', '0')
            try:
                c.k = ve.Correlation(c.code, c.coefficients, tc=num(tc) or 0.0, pc=num(pc) or 0.0)
            except ValueError:
                continue
            out.setdefault(cas, []).append(c.curve())
    for cas, curves in ev.evidence_curves(tables, []).items():
        out.setdefault(cas, []).extend(curves)
    return out


def family(source):
    return 'DIPPR' if source in FAMILY else source


# Two correlations this close over all their common range are one set, copied (Landolt and the NIST
# WebBook hold many of Poling's Antoine constants).
COPY_AGREEMENT = 0.001


def copies(a, b):
    lo, hi = max(a.tmin, b.tmin), min(a.tmax, b.tmax)
    if lo >= hi:
        return False
    devs = [ev.relative_deviation(a.pressure_bar(t), b.pressure_bar(t)) for t in grid(lo, hi)]
    return all(abs(d) <= COPY_AGREEMENT for d in devs)


def agreeing_pair_misses(curve, others):
    """(T, value, (source, value), (source, value)) where the curve lies more than 5 % from two
    independent correlations (not copies of one set) that agree within 3 %, or None."""
    copied = {(a, b) for a in others for b in others if a is not b and copies(a, b)}
    for t in grid(curve.tmin, curve.tmax, SAMPLES):
        own = curve.pressure_bar(t)
        if own is None:
            continue
        values = [(c, c.pressure_bar(t)) for c in others if c.covers(t)]
        values = [(c, v) for c, v in values if v is not None and abs(ev.relative_deviation(own, v)) > AWAY]
        for i, (a, va) in enumerate(values):
            for b, vb in values[i + 1:]:
                if family(a.source) != family(b.source) and (a, b) not in copied \
                        and abs(ev.relative_deviation(va, vb)) <= AGREE and (own - va) * (own - vb) > 0:
                    return t, own, (a.source, va), (b.source, vb)
    return None


def figures(records, handbook, published):
    devs = []
    for rec in records:
        curve = record_curve(rec)
        for p in handbook.get(rec[2], []):
            if curve.covers(p.t):
                devs.append(abs(ev.relative_deviation(curve.pressure_bar(p.t), p.p)))
    within = sum(1 for d in devs if d <= AWAY)
    room = sum(1 for rec in records if float(rec[20]) <= ROOM_K <= float(rec[21]))
    total = sum(float(rec[21]) - float(rec[20]) for rec in records)
    away = []
    for rec in records:
        if rec[1] == 'IF97':
            continue
        miss = agreeing_pair_misses(record_curve(rec), published.get(rec[2], []))
        if miss:
            away.append((rec, miss))
    return {'handbook': (within, len(devs), statistics.median(devs) if devs else 0.0), 'room': room,
            'range': total, 'away': away, 'records': len(records)}


def load(reference):
    tables = s.load_tables(reference, [])
    return ev.read_handbook(reference, []), published_curves(tables)


def summary(f):
    within, n, median = f['handbook']
    return ('%d records; handbook points in range within 5 %%: %d/%d (%.1f %%), median %.2f %%; covering 25 °C: %d; '
            'total range %s K; away from two agreeing correlations: %d' % (
                f['records'], within, n, 100.0 * within / n if n else 0.0, 100 * median, f['room'],
                format(round(f['range']), ','), len(f['away'])))


def main():
    args = [a for a in sys.argv[1:] if a != '--list']
    if not args:
        sys.exit(__doc__)
    handbook, published = load(args[0])
    for path in args[1:] or [DATABASE]:
        f = figures(read_records(path), handbook, published)
        print('%s: %s' % (path, summary(f)))
        if '--list' in sys.argv:
            for rec, (t, own, (a, va), (b, vb)) in f['away']:
                print('  %s %s %s %s: %g K %.4g bar, %s %.4g, %s %.4g' % (rec[0], rec[2], rec[6], rec[1], t, own, a, va,
                                                                      b, vb))


if __name__ == '__main__':
    main()
