"""Which correlation a substance ships: the candidate that agrees best with the published evidence,
or the priority choice where two agree within their accuracy, and where its ends disagree, the range
narrowed (the fits are in fits.py). data/README.md states the rule and its numbers."""

import evidence as ev
import vapour_equations as ve

# A point outside a candidate's range counts as a miss of this size: losing range costs. A larger miss
# counts the same, so that a faulty point never makes a narrow candidate look better than a wide one.
OUTSIDE_DEVIATION = 0.05
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
    them beyond their tolerance, in units of the tolerance (0 when it meets every point)."""

    def __init__(self, curve, items):
        self.curve = curve
        self.items = items  # (point, deviation or None when the range does not reach it)
        zs = [max(0.0, min(abs(d) if d is not None else OUTSIDE_DEVIATION, OUTSIDE_DEVIATION) / p.tolerance - 1.0)
              for p, d in items]
        self.score = sum(zs) / len(zs) if zs else 0.0

    def misses(self):
        """Points missed by more than 5 % and by more than their own tolerance."""
        return [(p, d) for p, d in self.items if d is not None and abs(d) > max(MISS, p.tolerance)]

    def covered(self):
        return [(p, d) for p, d in self.items if d is not None and p.kind != 'range']


class SubstanceEvidence:
    """The evidence of one substance and the curves it is judged against."""

    def __init__(self, tb_point, critical_points, handbook, evidence_curves, candidates, tm=None):
        self.tm = tm
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

    def median_points(self, curve):
        """The median of the other independent curves on the grid, for judging `curve`. Where fewer
        than three hold, a point that only asks whether the curve covers the temperature, inside the
        liquid range (from the melting point) and not at the ends of the grid, where ranges differ by
        little."""
        exclude = {curve}
        if curve in self.twins:
            exclude.add(self.twins[curve])
        # A twin pair counts once when neither of them is judged.
        exclude.update(b for a, b in self.twins.items() if a.source == FAMILY[0] and a not in exclude)
        points = []
        temps = grid(self.lo, self.hi)
        for t in temps:
            point = ev.median_point(t, self.all_curves, exclude)
            if point is None and t not in (temps[0], temps[-1]) and not (self.tm and t < self.tm):
                point = ev.Point('range', 'range', t, None, ev.CURVE_TOLERANCES[0][1])
            if point is not None:
                points.append(point)
        return points

    def believed(self, point):
        """Whether a point counts as a miss: a handbook point the other correlations contradict does not."""
        return not (point.kind == 'handbook' and contradicted(self, point.t, point.p))

    def misses(self, assessment):
        return [(p, d) for p, d in assessment.misses() if self.believed(p)]

    def assess(self, curve, tmin=None, tmax=None):
        lo = curve.tmin if tmin is None else tmin
        hi = curve.tmax if tmax is None else tmax
        items = [(p, (0.0 if p.covered_by(lo, hi) else None) if p.kind == 'range' else p.deviation(curve, lo, hi))
                 for p in self.fixed + self.median_points(curve)]
        return Assessment(curve, items)


def miss_text(substance, assessment):
    misses = substance.misses(assessment)
    if not misses:
        return 'no point missed by more than 5 %'
    worst = max(misses, key=lambda item: abs(item[1]))
    return '%d points missed by more than 5 %%, the largest %+.1f %% at %s' % (
        len(misses), 100 * worst[1], worst[0].describe())


def pc_miss(cand):
    """Relative miss of the record's Pc (the table's, a Wagner set's own) by a candidate valid to the
    record's Tc, or None when it is not valid to Tc."""
    tc, pc = float(cand.tc), float(cand.pc)
    if not (tc > 0 and pc > 0) or cand.tmax < tc - ev.CRITICAL_REACH_K:
        return None
    return ev.relative_deviation(ve.pressure_bar(cand.k, min(tc, cand.tmax)), pc)


def pc_passes(cand):
    miss = pc_miss(cand)
    return miss is None or abs(miss) <= MISS


def choose(substance, priority):
    """(chosen candidate, {candidate: Assessment}). The best-scoring candidate replaces the priority
    choice only when it is better beyond their accuracy. A choice valid to Tc that misses Pc gives way
    to the best candidate valid to Tc that reaches it, if that one is not worse beyond their accuracy."""
    assessed = {c: substance.assess(substance.curves[c]) for c in substance.candidates}

    def key(c):
        return assessed[c].score, c.priority
    best = min(substance.candidates, key=key)
    chosen = priority if assessed[best].score >= assessed[priority].score - WITHIN_ACCURACY else best
    if not pc_passes(chosen):
        reaching = [c for c in substance.candidates if pc_miss(c) is not None and pc_passes(c)
                    and assessed[c].score <= assessed[chosen].score + WITHIN_ACCURACY]
        if reaching:
            chosen = min(reaching, key=key)
    return chosen, assessed


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
        if ends:
            lo = ends[0]
    if bad and bad[-1] and not all(bad) and pc_miss(chosen) is None:
        last_good = len(bad) - 1 - bad[::-1].index(False)
        first_bad = items[last_good + 1][0].t
        good = items[last_good][0].t
        ends = [t for t in temps if good <= t < first_bad]
        if ends:
            hi = ends[-1]
    return lo, hi


def contradicted(substance, t, p, own=None):
    """Whether a value misses the median of at least three other correlations valid at t by more than
    5 %: such a value does not go into a fit, which follows the evidence as a whole."""
    point = ev.median_point(t, substance.all_curves, {own} if own else set())
    return point is not None and abs(ev.relative_deviation(p, point.p)) > MISS
