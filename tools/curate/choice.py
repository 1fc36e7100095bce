"""Which correlation a substance ships: the candidate that agrees best with the published evidence,
or the priority choice where two agree within their accuracy, and where its ends disagree, the range
narrowed (the fits are in fits.py). data/README.md states the rule and its numbers."""

import math

import evidence as ev
import vapour_equations as ve
from sources import num

# A larger miss counts as this much, so that one faulty point does not outweigh the rest of the evidence.
CAPPED_DEVIATION = 0.05
# Two scores closer than this (mean deviation in units of the tolerances) are within their accuracy
# of each other: the priority choice stays.
WITHIN_ACCURACY = 0.5
# Temperatures over the substance's range at which the other correlations are compared.
GRID_POINTS = 12
# Perry's and ChemSep's DIPPR sets agree within 0.5 % on most shared substances: there they count once.
FAMILY = ('PER', 'CHS')
FAMILY_AGREEMENT = 0.005
# Beyond this a correlation misses a point: it is narrowed, or a fit is tried.
MISS = 0.05
# Range is given up only where this many points from this many independent sources disagree.
MIN_DISPROVING_POINTS = 2
MIN_DISPROVING_SOURCES = 2
# Less than this between two range ends is no loss of range.
LOST_RANGE_K = 0.5
# Range up to this never buys a curve that agrees worse beyond their accuracy.
FEW_KELVIN = 10.0
def grid(lo, hi, n=GRID_POINTS):
    return [lo + (hi - lo) * i / (n - 1) for i in range(n)]


def twins(curves):
    """Pairs of Perry and ChemSep curves of one substance that agree within 0.5 % where both hold."""
    out = {}
    per = [c for c in curves if c.source == FAMILY[0]]
    chs = [c for c in curves if c.source == FAMILY[1]]
    for a in per:
        for b in chs:
            lo, hi = max(a.tmin, b.tmin), min(a.tmax, b.tmax)
            if lo >= hi:
                continue
            devs = [ev.relative_deviation(a.pressure_bar(t), b.pressure_bar(t)) for t in grid(lo, hi)]
            if all(abs(d) <= FAMILY_AGREEMENT for d in devs):
                out[a], out[b] = b, a
    return out


class Assessment:
    """A curve's deviations from the evidence points and its score: the mean amount by which it misses
    the points inside its range beyond their tolerance, in units of the tolerance (0 when it meets
    every one; None when no evidence lies inside its range)."""

    def __init__(self, curve, items):
        self.curve = curve
        self.items = items  # (point, deviation or None when the range does not reach it)
        zs = [max(0.0, min(abs(d), CAPPED_DEVIATION) / p.tolerance - 1.0) for p, d in self.covered()]
        self.score = sum(zs) / len(zs) if zs else None

    def misses(self):
        """Points missed by more than 5 % and by more than their own tolerance."""
        return [(p, d) for p, d in self.items if d is not None and abs(d) > max(MISS, p.tolerance)]

    def covered(self):
        return [(p, d) for p, d in self.items if d is not None]

    def rank(self):
        """The score for ordering: a curve without evidence in its range ranks last."""
        return math.inf if self.score is None else self.score


class SubstanceEvidence:
    """The evidence of one substance and the curves it is judged against."""

    def __init__(self, tb_point, critical_points, handbook, evidence_curves, candidates, tm=None, tc=None, earlier=()):
        self.tm = tm
        self.tc = tc  # the record's critical temperature: no liquid range above it
        self.tb = tb_point
        self.critical = critical_points
        self.handbook = handbook
        self.evidence_curves = evidence_curves
        self.candidates = candidates
        self.curves = {c: c.curve() for c in candidates}
        everything = list(self.curves.values()) + evidence_curves
        self.twins = twins(everything)
        self.all_curves = everything
        ranges = [(c.tmin, c.tmax) for c in candidates]
        self.lo = min(r[0] for r in ranges)
        self.hi = max(r[1] for r in ranges)
        self.fixed = [p for p in ([tb_point] if tb_point else []) + critical_points + handbook
                      if p.covered_by(self.lo, self.hi)]
        # The records of the databases shipped before, each judged on the evidence as it stands.
        self.earlier = list(earlier)
        self.earlier_assessed = {e: earlier_assessment(self, e) for e in self.earlier}

    def median_points(self, curve):
        """The median of the other independent curves on the grid, for judging `curve`, where at least
        three hold."""
        exclude = {curve}
        if curve in self.twins:
            exclude.add(self.twins[curve])
        # A twin pair counts once when neither of them is judged.
        exclude.update(b for a, b in self.twins.items() if a.source == FAMILY[0] and a not in exclude)
        points = [ev.median_point(t, self.all_curves, exclude) for t in grid(self.lo, self.hi)]
        return [p for p in points if p is not None]

    def believed(self, point):
        """Whether a point counts as a miss: a handbook point the other correlations contradict does not."""
        return not (point.kind == 'handbook' and contradicted(self, point.t, point.p))

    def misses(self, assessment):
        return [(p, d) for p, d in assessment.misses() if self.believed(p)]

    def assess(self, curve, tmin=None, tmax=None):
        lo = curve.tmin if tmin is None else tmin
        hi = curve.tmax if tmax is None else tmax
        items = [(p, p.deviation(curve, lo, hi)) for p in self.fixed + self.median_points(curve)]
        return Assessment(curve, items)


def miss_text(substance, assessment):
    return misses_text(substance.misses(assessment))


def misses_text(misses):
    if not misses:
        return 'no point missed by more than 5 %'
    worst = max(misses, key=lambda item: abs(item[1]))
    return '%d points missed by more than 5 %%, the largest %+.1f %% at %s' % (
        len(misses), 100 * worst[1], worst[0].describe())


def pc_miss(cand):
    """Relative miss of the record's critical pressure (the critical table's, never the correlation's
    own constants, which are fitted with it) by a candidate valid to that Tc, or None when there is no
    such table value or the candidate does not reach Tc."""
    if not cand.table_critical:
        return None
    tc, pc = (float(x) for x in cand.table_critical)
    if not (tc > 0 and pc > 0) or cand.tmax < tc - ev.CRITICAL_REACH_K:
        return None
    return ev.relative_deviation(ve.pressure_bar(cand.k, min(tc, cand.tmax)), pc)


def pc_passes(cand):
    miss = pc_miss(cand)
    return miss is None or abs(miss) <= MISS


def agreed(substance, assessment):
    """The believed evidence points a curve agrees with: those it does not miss (see `misses`)."""
    return [p for p, d in assessment.covered() if abs(d) <= max(MISS, p.tolerance) and substance.believed(p)]


def absent(substance, cand, assessed):
    """The evidence points of the liquid range that another candidate meets and `cand`'s range does not
    reach. A second table's Tc above the record's is no part of the liquid range."""
    top = substance.tc + ev.CRITICAL_REACH_K if substance.tc else math.inf

    def reaches(p):
        if p.kind == 'critical':
            # Within the agreement of two tables' Tc, a range ending at its own Tc reaches the table's.
            return p.t > top or cand.tmax >= p.t * (1 - ev.CRITICAL_AGREE_TC)
        return p.covered_by(cand.tmin, cand.tmax)
    return [p for other in substance.candidates if other is not cand
            for p in agreed(substance, assessed[other]) if not reaches(p)]


def better(a, b):
    """Whether assessment a agrees with the evidence better than b beyond their accuracy."""
    return a.rank() < b.rank() - WITHIN_ACCURACY


# The rules that decide a choice, as the list of changes names them.
BY_PRIORITY = 'priority'
BY_SCORE = 'score'
BY_COVERAGE = 'coverage'
BY_CRITICAL = 'critical pressure'
BY_EARLIER = 'earlier range'


def choose(substance, priority):
    """(chosen candidate, {candidate: Assessment}, the rule that decided). A candidate never wins by
    being absent where another agrees with the evidence: only those absent at the fewest such points
    compete. Among them the best-scoring one replaces the priority choice only when it is better beyond
    their accuracy. A choice valid to the table's Tc that misses its Pc gives way to the best competing
    candidate valid to Tc that reaches it, if that one is not worse beyond their accuracy."""
    assessed = {c: substance.assess(substance.curves[c]) for c in substance.candidates}
    gaps = {c: len(absent(substance, c, assessed)) for c in substance.candidates}
    pool = [c for c in substance.candidates if gaps[c] == min(gaps.values())]

    def key(c):
        return assessed[c].rank(), c.priority
    if priority in pool:
        chosen, rule = priority, BY_PRIORITY
    else:
        chosen, rule = min(pool, key=key), BY_COVERAGE
    for c in sorted(pool, key=key):
        if c is not chosen and better(assessed[c], assessed[chosen]) and may_replace(substance, c, chosen, assessed):
            chosen, rule = c, BY_SCORE
            break
    if not pc_passes(chosen):
        reaching = [c for c in pool if pc_miss(c) is not None and pc_passes(c)
                    and not better(assessed[chosen], assessed[c]) and may_replace(substance, c, chosen, assessed)]
        if reaching:
            chosen, rule = min(reaching, key=key), BY_CRITICAL
    union = agreeing_union(substance, pool, assessed)
    if union and lost_parts(substance, chosen, union):
        # Range never buys a curve that agrees worse beyond their accuracy, nor one that gives up
        # range the evidence does not disprove.
        fair = [c for c in union.curves if c is chosen or (
            (not better(assessed[chosen], assessed[c]) or span_kelvin(lost_parts(substance, chosen, c)) > FEW_KELVIN)
            and may_replace(substance, c, chosen, assessed))]
        covering = [c for c in fair if not lost_parts(substance, c, union)]
        wider = min(covering, key=key) if covering else widest(substance, union, fair, key)
        if wider is not chosen:
            chosen, rule = wider, BY_COVERAGE
    # The normal boiling point an earlier record met, and range an earlier record held, are given up
    # only where the evidence disproves that record; never for a curve that agrees worse beyond their
    # accuracy (a fit may then give the range).
    fair = [c for c in substance.candidates if c is chosen or not better(assessed[chosen], assessed[c])
            or held_kelvin(substance, chosen) - held_kelvin(substance, c) > FEW_KELVIN]
    if tb_held(substance):
        holding_tb = [c for c in fair if holds_tb(c)]
        if holding_tb and chosen not in holding_tb:
            chosen, rule = min(holding_tb, key=lambda c: (held_kelvin(substance, c), key(c))), BY_EARLIER
        fair = holding_tb or fair
    if held_back(substance, chosen):
        holding = min(fair, key=lambda c: (held_kelvin(substance, c), key(c)))
        if held_kelvin(substance, holding) < held_kelvin(substance, chosen) - LOST_RANGE_K:
            chosen, rule = holding, BY_EARLIER
    return chosen, assessed, rule


def meets_tb(substance, assessment):
    """Whether the curve's range holds the normal boiling point and the curve meets it."""
    d = substance.tb.deviation(assessment.curve) if substance.tb else None
    return d is not None and abs(d) <= max(MISS, substance.tb.tolerance)


def holds_tb(cand):
    """Whether the candidate's range holds the boiling point its record carries."""
    return cand.tb_in_range(num(cand.record_tb))


def tb_held(substance):
    """Whether an earlier record met the normal boiling point in its range."""
    return any(meets_tb(substance, a) for a in substance.earlier_assessed.values())


def earlier_assessment(substance, earlier):
    """An earlier record's curve judged as the candidates are, leaving out of the medians the
    candidates that are the same correlation."""
    curve = earlier.curve()
    same = {substance.curves[c] for c in substance.candidates if earlier.same_correlation(c)}
    points = [p for p in substance.fixed if substance.believed(p)]
    points += [ev.median_point(t, substance.all_curves, same) for t in grid(substance.lo, substance.hi)]
    return Assessment(curve, [(p, p.deviation(curve)) for p in points if p is not None])


def held_back(substance, cand):
    """(earlier record, lo, hi) for each part of an earlier record's range that `cand` gives up and
    that the evidence there does not disprove (two points, two independent sources)."""
    out = []
    for earlier in substance.earlier:
        assessment = substance.earlier_assessed[earlier]
        for lo, hi in lost_parts(substance, cand, earlier):
            if not disproved(substance, assessment, lo, hi):
                out.append((earlier, lo, hi))
    return out


def held_kelvin(substance, cand):
    """The kelvin of earlier ranges, not disproved, that `cand` gives up (overlaps counted once)."""
    return span_kelvin([(lo, hi) for _, lo, hi in held_back(substance, cand)])


def span_kelvin(parts):
    """The kelvin that (lo, hi) parts cover, overlaps counted once."""
    parts = sorted(parts)
    total, reach = 0.0, -math.inf
    for lo, hi in parts:
        if hi > reach:
            total += hi - max(lo, reach)
            reach = hi
    return total


class Span:
    """A temperature range, and the candidates whose ranges make it up."""

    def __init__(self, tmin, tmax, curves=()):
        self.tmin, self.tmax, self.curves = tmin, tmax, list(curves)


def agreeing_union(substance, pool, assessed):
    """The union of the ranges of the candidates that miss no point, or None where none does."""
    agreeing = [c for c in pool if assessed[c].score is not None and not substance.misses(assessed[c])]
    if not agreeing:
        return None
    return Span(min(c.tmin for c in agreeing), max(c.tmax for c in agreeing), agreeing)


def widest(substance, span, curves, key):
    """The candidate that leaves the least of the span uncovered (then by key)."""
    def uncovered(c):
        return sum(hi - lo for lo, hi in lost_parts(substance, c, span))
    return min(curves, key=lambda c: (uncovered(c), key(c)))


def lost_parts(substance, narrow, wide):
    """The parts of the liquid range (from the melting point) that `wide` covers and `narrow` does not,
    longer than half a kelvin."""
    low = max(wide.tmin, substance.tm or 0.0)
    high = min(wide.tmax, substance.tc) if substance.tc else wide.tmax
    parts = [(low, min(narrow.tmin, high)), (max(narrow.tmax, low), high)]
    return [(lo, hi) for lo, hi in parts if hi - lo > LOST_RANGE_K]


def may_replace(substance, cand, chosen, assessed):
    """Whether `cand` may take the place of `chosen`: where it does not reach, the evidence disproves
    `chosen` (range is given up on evidence only)."""
    return all(disproved(substance, assessed[chosen], lo, hi) for lo, hi in lost_parts(substance, cand, chosen))


def independent_source(source):
    return 'DIPPR' if source in FAMILY else source


def disagreeing_sources(substance, curve, point):
    """The independent sources behind a miss of `point` by `curve`: the correlations of a median that
    themselves disagree with the curve beyond the point's tolerance (Perry and ChemSep as one), or the
    compilation or table of any other point."""
    if point.kind != 'curves':
        return {'%s %s' % (point.kind, name) for name in point.source.split(' and ')}
    own = curve.pressure_bar(point.t)
    limit = max(MISS, point.tolerance)
    out = set()
    for other in substance.all_curves:
        if other is curve or substance.twins.get(curve) is other or not other.covers(point.t):
            continue
        value = other.pressure_bar(point.t)
        if own is not None and value is not None and abs(ev.relative_deviation(own, value)) > limit:
            out.add(independent_source(other.source))
    return out


def disproved(substance, assessment, lo, hi):
    """Whether the evidence between lo and hi disproves the assessed curve: at least two points it
    misses there, from at least two independent sources. One point never decides."""
    bad = [p for p, d in substance.misses(assessment) if lo - 1e-9 <= p.t <= hi + 1e-9]
    sources = set()
    for p in bad:
        sources |= disagreeing_sources(substance, assessment.curve, p)
    return len(bad) >= MIN_DISPROVING_POINTS and len(sources) >= MIN_DISPROVING_SOURCES


def published_temperatures(substance, chosen):
    """Temperatures a narrowed range may end at: the other candidates' range ends and handbook points."""
    temps = set()
    for c in substance.candidates:
        if c is not chosen:
            temps.update((c.tmin, c.tmax))
    temps.update(p.t for p in substance.handbook)
    return temps


def narrowed_range(substance, chosen, assessment):
    """(Tmin, Tmax) inside the chosen range, moved in past points it misses by more than 5 % at its
    ends, each to a published temperature at or before the first point it meets again; the range
    stays where no such temperature exists or where the record would fail its checks."""
    items = sorted([(p, d) for p, d in assessment.covered() if p.kind != 'critical' and substance.believed(p)],
                   key=lambda item: item[0].t)
    temps = sorted(published_temperatures(substance, chosen))
    lo, hi = chosen.tmin, chosen.tmax
    bad = [abs(d) > max(MISS, p.tolerance) for p, d in items]
    if bad and bad[0] and not all(bad):
        first_good = bad.index(False)
        last_bad = items[first_good - 1][0].t
        good = items[first_good][0].t
        ends = [t for t in temps if last_bad < t <= good]
        if ends and disproved(substance, assessment, lo, last_bad):
            lo = ends[0]
    if bad and bad[-1] and not all(bad) and pc_miss(chosen) is None:
        last_good = len(bad) - 1 - bad[::-1].index(False)
        first_bad = items[last_good + 1][0].t
        good = items[last_good][0].t
        ends = [t for t in temps if good <= t < first_bad]
        if ends and disproved(substance, assessment, first_bad, hi):
            hi = ends[-1]
    return lo, hi


def contradicted(substance, t, p, own=None):
    """Whether a value misses the median of at least three other correlations valid at t by more than
    5 %: such a value does not go into a fit, which follows the evidence as a whole."""
    point = ev.median_point(t, substance.all_curves, {own} if own else set())
    return point is not None and abs(ev.relative_deviation(p, point.p)) > MISS
