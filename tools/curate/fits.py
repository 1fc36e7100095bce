"""Wagner 3-6 fits where no published correlation agrees with the evidence: to the evidence itself, or,
for a record valid to Tc that misses Pc, through the critical point to the chosen correlation below its
boiling point. A fit ships only when it meets every point it was fitted to within its tolerance."""

import math

import evidence as ev
import sources as s
import vapour_equations as ve
import wagner_fit
from choice import LOST_RANGE_K, contradicted, grid
from sources import num


# A fit needs this many independent points over this share of the liquid range.
FIT_MIN_POINTS = 6
FIT_MIN_SPAN = 0.3
# Values taken from each evidence-only correlation, evenly over its range; a correlation of four
# constants counts as four points at most.
CURVE_SAMPLES = 8
POINTS_PER_CURVE = 4
# A repair fits four constants to the boiling point and the candidate's own values: it needs as many.
REPAIR_MIN_POINTS = 4
# Near Tc a correlation's value depends on the Tc it was fitted to (0.5 % in Tc moves p there by some
# 3.5 %): a fit takes values below 0.9 Tc and the critical point above.
CURVE_REDUCED_TEMPERATURE_LIMIT = 0.9
# A fit boils within this of 1 atm at the record's Tb, as the records without an exception do.
FIT_TB_LIMIT = 0.02


def curve_samples(substance, curve, tmax, tc, kind, tolerance=0.0):
    """Values of a curve at evenly spaced temperatures of its range up to tmax and below 0.9 Tc, those
    that other correlations contradict left out; `tolerance` widens that of a correlation's value."""
    points = []
    top = min(curve.tmax, tmax, CURVE_REDUCED_TEMPERATURE_LIMIT * tc)
    if top <= curve.tmin:
        return points
    for t in grid(curve.tmin, top, CURVE_SAMPLES):
        value = curve.pressure_bar(t)
        if value is None or contradicted(substance, t, value, curve):
            continue
        point = ev.Point(kind, curve.label, t, value, tolerance + ev.curve_tolerance(value))
        point.curve = curve
        points.append(point)
    return points


def independent_points(substance, crit, extra_curves=()):
    """(points, count of independent points) for a fit to the evidence through `crit`: the boiling
    points, the other critical points, handbook points and values of the evidence-only correlations."""
    points = []
    independent = len(substance.critical)
    if substance.tb:
        points.append(substance.tb)
        independent += len(substance.tb.temperatures)
    points += [p for p in substance.critical if p is not crit]
    for p in substance.handbook:
        if p.t < wagner_fit.CRITICAL_LIMIT * crit.t and not contradicted(substance, p.t, p.p):
            points.append(p)
            independent += 1
    for curve in list(substance.evidence_curves) + list(extra_curves):
        samples = curve_samples(substance, curve, crit.t, crit.t, 'curve')
        points += samples
        independent += min(len(samples), POINTS_PER_CURVE)
    return points, independent


def curve_spread(curves, t):
    """The spread of the correlations a fit takes values from at t: where they disagree, the fit may lie
    anywhere between them."""
    values = [c.pressure_bar(t) for c in curves if c.covers(t)]
    values = [v for v in values if v is not None]
    if len(values) < 2:
        return 0.0
    return max(values) / min(values) - 1


class Fit:
    def __init__(self, kind, coefficients, crit, tmin, points, worst, tmax=None):
        self.kind = kind  # 'evidence', 'repair' or 'refit'
        self.coefficients = coefficients
        self.tc_text, self.pc_text = crit.record_text
        self.tmin = tmin
        # A fit whose slope near Tc no published Wagner set shows ends at its highest evidence.
        self.tmax = crit.t if tmax is None else tmax
        self.tmax_text = self.tc_text if tmax is None else repr(float('%.12g' % tmax))
        self.crit = crit
        self.points = points  # (Point, tolerance, deviation)
        self.worst = worst
        self.slope = critical_slope(coefficients)


# d ln p / d ln T is taken this close below Tc (the program returns Pc above it).
SLOPE_REDUCED_TEMPERATURE = 0.999
# The published Wagner sets whose slopes bound a fit's: this share of them lies below the band and as
# many above it.
SLOPE_BAND_TAIL = 0.01


def critical_slope(coefficients, tr=SLOPE_REDUCED_TEMPERATURE):
    """d ln p / d ln T of a Wagner 3-6 set at Tr (it does not depend on Tc and Pc)."""
    a, b, c, d = (float(x) for x in coefficients[:4])
    tau = 1.0 - tr
    f = a * tau + b * tau ** 1.5 + c * tau ** 3 + d * tau ** 6
    df = a + 1.5 * b * tau ** 0.5 + 3 * c * tau ** 2 + 6 * d * tau ** 5
    return -(df + f / tr)


def critical_slope_band(tables):
    """(low, high, count): the slopes at 0.999 Tc of the published Wagner sets (McGarry's 3-6 sets,
    Poling's and the VDI PPDS 2.5-5 sets), their 1st and 99th percentiles; None without such sets."""
    slopes = [critical_slope(r[2:6]) for r in tables[s.MCGARRY].rows]
    for name, first in ((s.POLING_WAGNER, 2), (s.VDI_PPDS, 5)):
        for r in tables[name].rows:
            a, b, c, d = (float(x) for x in r[first:first + 4])
            tau = 1.0 - SLOPE_REDUCED_TEMPERATURE
            f = a * tau + b * tau ** 1.5 + c * tau ** 2.5 + d * tau ** 5
            df = a + 1.5 * b * tau ** 0.5 + 2.5 * c * tau ** 1.5 + 5 * d * tau ** 4
            slopes.append(-(df + f / SLOPE_REDUCED_TEMPERATURE))
    if not slopes:
        return None
    slopes.sort()
    tail = int(SLOPE_BAND_TAIL * len(slopes))
    return slopes[tail], slopes[-1 - tail], len(slopes)


def slope_plausible(coefficients, band):
    return band is None or band[0] <= critical_slope(coefficients) <= band[1]


def liquid_span(substance, tm, temps, tc):
    """The share of the liquid range (melting point, else the lowest candidate Tmin, to Tc) that the
    evidence below Tc spans."""
    liquid_low = tm if tm else min(c.tmin for c in substance.candidates)
    below = [t for t in temps if t < tc]
    return (max(below) - min(below)) / (tc - liquid_low) if below and tc > liquid_low else 0.0


def solve(kind, substance, points, crit, tb):
    """Fits A..D to the points through `crit` and checks the result: every point within its tolerance
    (a correlation's value within the spread of the correlations at its temperature too, in the fit's
    weights as in the check), and the record's checks over the range from the lowest point that the
    program's inverse reaches, up to Tc."""
    used = {p.curve for p in points if p.kind in ('curve', 'candidate')}
    tolerances = [max(p.tolerance, curve_spread(used, p.t)) if p.kind in ('curve', 'candidate') else p.tolerance
                  for p in points]
    try:
        a, b, c, d = wagner_fit.fit([(t, p.p, tol) for p, tol in zip(points, tolerances) for t in p.temperatures],
                                    crit.t, crit.p)
    except ValueError as err:
        return None, str(err)
    coefficients = [wagner_fit.coefficient_text(x) for x in (a, b, c, d)] + ['0']
    tc_text, pc_text = crit.record_text
    k = ve.Correlation('1', coefficients, tb=tb, tc=tc_text, pc=pc_text)
    curve = ev.Curve('FIT', 'fit', 0.0, crit.t, lambda t: ve.pressure_bar(k, t))
    checked, worst, worst_point = [], 0.0, None
    for point, tolerance in zip(points, tolerances):
        # A second table's Tc may lie above the fit's: there the fit gives its Pc.
        dev = point.deviation(curve, 0.0, max(crit.t, max(point.temperatures)))
        checked.append((point, tolerance, dev))
        if abs(dev) / tolerance > worst:
            worst, worst_point = abs(dev) / tolerance, (point, dev)
    if worst > 1.0:
        return None, 'misses %s by %+.1f %%, %.1f times its tolerance' % (
            worst_point[0].describe(), 100 * worst_point[1], worst)
    reason = 'no evidence temperature below Tc'
    below = sorted({t for p in points for t in p.temperatures if t < crit.t})
    top = None if slope_plausible(coefficients, substance.slope_band) else below[-1] if below else None
    for lowest in below:
        reason = range_problem(k, lowest, top or crit.t, tb)
        if reason is None:
            return Fit(kind, coefficients, crit, lowest, checked, worst, top), None
        if 'inverse' not in reason and 'not finite' not in reason:
            break
    return None, reason


def range_problem(k, tmin, tmax, tb, tb_limit=FIT_TB_LIMIT):
    """What keeps a fitted record from passing the record checks over [tmin, tmax], or None."""
    reason = ve.shape_screen(k, tmin, tmax)
    if reason:
        return reason
    reason, dev = ve.boiling_screen(k, tmin, tmax, tb)
    if reason is None and dev is not None and abs(dev) > tb_limit:
        reason = 'p(Tb) off 1 atm by %.1f %%' % (100 * dev)
    if reason is None and not rising(k, tmin, tmax):
        reason = 'pressure does not rise everywhere in the range'
    return reason


def evidence_fit(substance, tm, tb, extra_curves=(), anchor=None):
    """A Wagner 3-6 fit to the evidence through the first evaluated critical point (else through
    `anchor`, where given) that meets every point of it within its tolerance, or (None, reason)."""
    crit = substance.critical[0] if substance.critical else anchor
    if crit is None:
        return None, 'no evaluated critical point'

    points, independent = independent_points(substance, crit, extra_curves)
    temps = [t for p in points for t in p.temperatures]
    span = liquid_span(substance, tm, temps, crit.t)
    if independent < FIT_MIN_POINTS or span < FIT_MIN_SPAN:
        return None, '%d independent points over %.0f %% of the liquid range' % (independent, 100 * span)
    return solve('evidence', substance, points, crit, tb)


def record_point(cand):
    """The critical point the candidate's record carries, as a fit's anchor, or None."""
    if not cand.table_critical:
        return None
    tc, pc = cand.table_critical
    crit = ev.Point('critical', 'record', float(tc), float(pc), ev.CRITICAL_TOLERANCE)
    crit.record_text = cand.table_critical
    return crit


def repair_fit(substance, cand, tm, tb):
    """For a candidate valid to Tc that misses the table's Pc: a Wagner 3-6 fit through the table's
    critical point (the first evaluated one, else the record's) to the record's boiling point and the
    candidate's own values up to it, held as closely as the candidate meets that boiling point."""
    crit = substance.critical[0] if substance.critical else record_point(cand)
    if crit is None:
        return None, 'no critical point'
    top = tb if tb else own_boiling_temperature(cand)
    if top is None:
        return None, 'no boiling point'
    points = [ev.Point('Tb', 'record', tb, ve.ATM_BAR, ev.TB_TOLERANCE)] if tb else []
    points += curve_samples(substance, substance.curves[cand], top, crit.t, 'candidate', abs(cand.dev or 0.0))
    temps = [t for p in points for t in p.temperatures]
    span = liquid_span(substance, tm, temps, crit.t)
    if len(temps) < REPAIR_MIN_POINTS or span < FIT_MIN_SPAN:
        return None, '%d points over %.0f %% of the liquid range' % (len(temps), 100 * span)
    return solve('repair', substance, points, crit, top)


# A Wagner set re-expressed through another critical point is sampled at this many temperatures.
REFIT_SAMPLES = 16
# Through another critical point the set's values below 0.9 Tc are held within this: about the spread
# of published correlations there.
REFIT_TOLERANCE = 0.02


def refit(cand, critical_text, slope_band=None):
    """A Wagner set of its own critical point (McGarry's) re-expressed through the record's critical
    point, so that the record carries the table's Tc and Pc: a fit to the set's own values below
    0.9 Tc that meets each within a correlation's tolerance, valid to the table's Tc; or (None, why)."""
    tc, pc = float(critical_text[0]), float(critical_text[1])
    crit = ev.Point('critical', 'record', tc, pc, ev.CRITICAL_TOLERANCE)
    crit.record_text = critical_text
    own = cand.curve()
    top = min(cand.tmax, CURVE_REDUCED_TEMPERATURE_LIMIT * tc)
    if top <= cand.tmin:
        return None, 'no range below 0.9 Tc'
    points = []
    for t in grid(cand.tmin, top, REFIT_SAMPLES):
        value = own.pressure_bar(t)
        if value is None:
            return None, 'no value at %g K' % t
        point = ev.Point('candidate', cand.label, t, value, max(REFIT_TOLERANCE, ev.curve_tolerance(value)))
        point.curve = own
        points.append(point)
    try:
        a, b, c, d = wagner_fit.fit([(p.t, p.p, p.tolerance) for p in points], tc, pc)
    except ValueError as err:
        return None, str(err)
    coefficients = [wagner_fit.coefficient_text(x) for x in (a, b, c, d)] + ['0']
    tb = num(cand.record_tb)
    k = ve.Correlation('1', coefficients, tb=tb, tc=critical_text[0], pc=critical_text[1])
    checked, worst = [], 0.0
    for point in points:
        dev = ev.relative_deviation(ve.pressure_bar(k, point.t), point.p)
        checked.append((point, point.tolerance, dev))
        worst = max(worst, abs(dev) / point.tolerance)
    if worst > 1.0:
        return None, 'no fit through %s K, %s bar holds its values (%.1f times the tolerance)' % (
            critical_text[0], critical_text[1], worst)
    end = None if slope_plausible(coefficients, slope_band) else top
    # The set re-expressed may miss Tb as the set itself does (a published value disagreeing with it).
    reason = range_problem(k, cand.tmin, end or tc, tb, max(FIT_TB_LIMIT, abs(cand.dev or 0.0) + REFIT_TOLERANCE))
    if reason:
        return None, reason
    return Fit('refit', coefficients, crit, cand.tmin, checked, worst, end), None


def keeping_range(fit, why, lo):
    """(fit, why) when the fit reaches down to the Tmin the candidate would keep (above, every fit
    reaches Tc), else (None, the reason)."""
    if fit is not None and fit.tmin > lo + LOST_RANGE_K:
        return None, 'the fit reaches down to %g K only' % fit.tmin
    return fit, why


def own_boiling_temperature(cand):
    try:
        t = ve.boiling_temperature_k(cand.k, ve.ATM_BAR)
    except (OverflowError, ValueError, ZeroDivisionError):
        return None
    return t if math.isfinite(t) and cand.tmin < t < cand.tmax else None


def rising(k, tmin, tmax, n=200):
    last = 0.0
    for i in range(n):
        p = ve.pressure_bar(k, tmin + (tmax - tmin) * i / (n - 1))
        if not (math.isfinite(p) and p > last):
            return False
        last = p
    return True
