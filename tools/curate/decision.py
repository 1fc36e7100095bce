"""What a substance ships: the choice by agreement with the evidence (choice.py), a fit where none
agrees (fits.py), or the chosen correlation narrowed; beside it the priority choice of the same run."""

import candidates as cd
import choice as ch
import evidence as ev
import fits
import vapour_equations as ve
from sources import num


class Outcome:
    """What one substance ships, beside the priority choice of the same run."""

    def __init__(self, cas, english, priority, chosen, assessed, substance):
        self.cas = cas
        self.english = english
        self.priority = priority
        self.chosen = chosen
        self.assessed = assessed
        self.substance = substance
        self.source = chosen.source
        self.code = chosen.code
        self.coefficients = chosen.coefficients
        self.tmin_text, self.tmax_text = chosen.tmin_text, chosen.tmax_text
        self.tc, self.pc = chosen.tc, chosen.pc
        self.record_tb = chosen.record_tb
        self.fit = None
        self.fit_cause = None  # 'disagrees' or 'range': why a fit was tried
        self.fit_failure = None
        self.rule = None
        self.assessment = assessed[chosen]
        self.overruled = None  # the evidence.Overrule where the correlations won over a critical table
        self.narrowed_at_tc = False
        self.rejected_fits = []  # why fits that were found did not ship

    def critical_miss(self):
        """The shipped curve's miss of the record's Pc where its range reaches Tc, else None."""
        tc, pc, hi = num(self.tc), num(self.pc), float(self.tmax_text)
        if not (tc and pc) or hi < tc - ev.CRITICAL_REACH_K:
            return None
        k = ve.Correlation(self.code, self.coefficients, tb=num(self.record_tb), tc=tc, pc=pc)
        return ev.relative_deviation(ve.pressure_bar(k, min(tc, hi)), pc)

    def range_cause(self):
        """Why the shipped range ends where it does, where it gives up earlier range."""
        if self.fit and self.fit.tmax < self.fit.crit.t:
            return 'the fit ends at its highest evidence: its slope d ln p / d ln T near Tc, %.2f, lies outside ' \
                   'that of the published Wagner sets' % self.fit.slope
        if self.rejected_fits:
            return self.rejected_fits[0]
        if self.fit_failure:
            return 'no fit does (%s)' % self.fit_failure
        return ''

    def narrow(self, lo, hi):
        self.tmin_text = fmt_temperature(lo) if lo != self.chosen.tmin else self.chosen.tmin_text
        self.tmax_text = fmt_temperature(hi) if hi != self.chosen.tmax else self.chosen.tmax_text
        self.assessment = self.substance.assess(self.substance.curves[self.chosen], lo, hi)

    def use_fit(self, fit):
        self.fit = fit
        self.source, self.code, self.coefficients = 'FIT', '1', fit.coefficients
        self.tmin_text, self.tmax_text = fmt_temperature(fit.tmin), fit.tmax_text
        self.tc, self.pc = fit.tc_text, fit.pc_text
        self.assessment = fit_assessment(self.substance, fit, self.chosen)

    def changed(self):
        p = self.priority
        return (self.source, self.tmin_text, self.tmax_text) != (p.source, p.tmin_text, p.tmax_text)


def fit_assessment(substance, fit, chosen):
    k = ve.Correlation('1', fit.coefficients, tb=num(chosen.record_tb), tc=fit.tc_text, pc=fit.pc_text)
    return substance.assess(ev.Curve('FIT', 'fit', fit.tmin, fit.tmax, lambda t: ve.pressure_bar(k, t)))


def fit_worse(substance, fit, chosen, assessment):
    """Why a fit may not replace the chosen correlation, or None: inside the chosen range it agrees worse
    with the evidence beyond their accuracy, or beyond it it misses points by more than 5 %."""
    own = fit_assessment(substance, fit, chosen)
    inside = substance.assess(own.curve, max(fit.tmin, chosen.tmin), min(fit.tmax, chosen.tmax))
    if ch.better(assessment, inside):
        return 'the %s fit agrees worse with the evidence in the range of %s (score %.2f against %.2f)' % (
            fit.kind, chosen.label, inside.rank(), assessment.rank())
    outside = [(p, d) for p, d in substance.misses(own) if not p.covered_by(chosen.tmin, chosen.tmax)]
    if outside:
        return 'the %s fit beyond the range of %s: %s' % (fit.kind, chosen.label, ch.misses_text(outside))
    # Nor may it give up range, of that correlation or of an earlier record, that the evidence does not
    # disprove (a fit ends at its evidence where its slope near Tc is implausible).
    span = ch.Span(fit.tmin, fit.tmax)
    lost = [(lo, hi) for lo, hi in ch.lost_parts(substance, span, chosen) if not ch.disproved(substance, assessment, lo, hi)]
    lost += [(lo, hi) for _, lo, hi in ch.held_back(substance, span)]
    kept = ch.held_kelvin(substance, chosen)
    if ch.span_kelvin(lost) > kept + ch.LOST_RANGE_K:
        return 'the %s fit, %g-%g K, gives up %.0f K that %s or an earlier record holds and the evidence does not ' \
               'disprove' % (fit.kind, fit.tmin, fit.tmax, ch.span_kelvin(lost) - kept, chosen.label)
    return None


def fmt_temperature(t):
    return repr(float('%.12g' % t))


def decide(src, cas, english, cands, tb, tm, handbook, curves, suspects, entries, earlier=(), slope_band=None):
    """The Outcome of one substance, or None when no candidate passes the screen; `entries` are its
    critical table entries, `earlier` the records the databases shipped before gave it."""
    priority = cd.priority_choice(cands, tb)
    if priority is None:
        return None
    ok = [c for c in cands if c.reason is None]
    points = []
    for point in handbook:
        reason = ev.suspect_reason(point, [c.curve() for c in ok])
        if reason:
            suspects.append((cas, point, reason))
        else:
            points.append(point)
    table = ev.record_critical(entries)
    substance = ch.SubstanceEvidence(ev.boiling_point_evidence(src.tables, cas), ev.critical_points(entries),
                                     points, curves, ok, num(tm), num(table[0]) if table else None, earlier)
    substance.slope_band = slope_band
    chosen, assessed, rule = ch.choose(substance, priority)
    outcome = Outcome(cas, english, priority, chosen, assessed, substance)
    outcome.rule = rule
    outcome.candidates = cands
    if chosen.refit:
        outcome.use_fit(chosen.refit)
    # The candidates together cover more than the choice: a fit may give the range they support.
    span = ch.Span(min(c.tmin for c in ok), max(c.tmax for c in ok))
    short = bool(ch.lost_parts(substance, chosen, span) or ch.held_back(substance, chosen))
    disagrees = substance.misses(assessed[chosen]) or substance.misses(assessed[priority]) or not ch.pc_passes(chosen)
    if disagrees or short:
        lo, hi = ch.narrowed_range(substance, chosen, assessed[chosen])
        agreeing = ch.agreeing_union(substance, ok, assessed)
        # Range an earlier record held may be kept by a fit through the record's critical point where
        # no evaluated table has one, as a repair does.
        fit, why = fits.evidence_fit(substance, num(tm), num(chosen.record_tb),
                                     [substance.curves[c] for c in agreeing.curves] if agreeing else [],
                                     fits.record_point(chosen) if ch.held_back(substance, chosen) else None)
        tries = [fits.keeping_range(fit, why, lo)]
        if not ch.pc_passes(chosen):
            tries.append(fits.keeping_range(*fits.repair_fit(substance, chosen, num(tm), num(chosen.record_tb)), lo))
        if short:
            # The wider candidates the choice falls short of, repaired where they miss Pc.
            tries += [fits.repair_fit(substance, wide, num(tm), num(wide.record_tb)) for wide in ok
                      if ch.lost_parts(substance, chosen, wide) and not ch.pc_passes(wide)]
        # Every fit, a repair too, ships only where it agrees with the evidence (the agreeing
        # correlations over their whole range among it) as well as the correlation it replaces.
        checked = []
        for f, w in tries:
            reason = f and fit_worse(substance, f, chosen, assessed[chosen])
            if reason:
                outcome.rejected_fits.append(reason)
                f, w = None, reason
            checked.append((f, w))
        tries = checked
        good = [f for f, _ in tries if f and (disagrees or f.tmin < lo - ch.LOST_RANGE_K or f.tmax > hi + ch.LOST_RANGE_K)]
        why = next((w for f, w in tries if w), 'the fit adds no range')
        # The fit that gives the widest range.
        fit = min(good, key=lambda f: f.tmin - f.tmax) if good else None
        if fit:
            outcome.use_fit(fit)
            outcome.fit_cause = ('disagrees' if substance.misses(assessed[chosen]) or substance.misses(assessed[priority])
                                 else 'critical' if not ch.pc_passes(chosen) else 'range')
            return outcome
        outcome.fit_failure = why
        if disagrees:
            if (lo, hi) != (chosen.tmin, chosen.tmax) and ve.screen(chosen.k, lo, hi, num(tb))[0] is None:
                outcome.narrow(lo, hi)
    keep_below_tc(outcome, tb)
    return outcome


def keep_below_tc(outcome, tb):
    """A newly chosen range never ends above the record's Tc: there is no liquid there."""
    tc = num(outcome.tc)
    lo, hi = float(outcome.tmin_text), float(outcome.tmax_text)
    if outcome.fit or not tc or hi <= tc:
        return
    if any((e.tmin, e.tmax) == (lo, hi) for e in outcome.substance.earlier):
        return
    if ve.screen(outcome.chosen.k, lo, tc, num(tb))[0] is None:
        outcome.narrow(lo, tc)
        outcome.tmax_text = outcome.tc
        outcome.narrowed_at_tc = True
