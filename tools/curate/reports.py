"""The lists the substance script leaves in tools/curate/ beside the database: what the choice by
agreement changed, the evidence of every fit, the handbook points not believed and how the shipped
records of each source agree with the evidence. data/README.md is written from them."""

import math
import statistics

import choice as ch
import evidence as ev

CHANGES_HEADER = ['CAS', 'name', 'priority source', 'chosen source', 'priority range K', 'chosen range K',
                  'priority score', 'chosen score', 'why']
FIT_HEADER = ['CAS', 'name', 'fit', 'evidence', 'source', 'T K', 'p bar', 'tolerance %', 'deviation %']
SUSPECT_HEADER = ['CAS', 'name', 'T K', 'p Pa', 'reason', 'done']
DEVIATION_HEADER = ['source', 'records', 'points', 'median %', '95th percentile %']
# The evidence of the source table: boiling points, critical points and handbook points.
DEVIATION_KINDS = ('Tb', 'critical', 'handbook')
SUSPECT_DONE = 'left out of the evidence and of data/tenso7.tsv'


FIT_TEXTS = {'evidence': 'fit to the evidence', 'repair': 'fit through the critical point'}


def choice_text(o):
    """The rule that decided the record, in words."""
    p, s = o.priority, o.substance
    if o.fit and o.fit.kind == 'refit':
        return ("McGarry's Wagner set re-expressed through the table's critical point %s K, %s bar: the record "
                "carries the table's Tc and Pc, never the set's own (%s K, %s bar)" % (
                    o.fit.tc_text, o.fit.pc_text, o.chosen.own_tc_text, o.chosen.own_pc_text))
    if o.fit:
        what = FIT_TEXTS[o.fit.kind]
        if o.fit_cause == 'range':
            return 'the candidates together cover more than the choice: %s over the range they support' % what
        if o.fit_cause == 'critical':
            return '%s, valid to Tc, misses the table\'s Pc by %+.1f %%: %s' % (
                o.chosen.label, 100 * ch.pc_miss(o.chosen), what)
        if s.misses(o.assessed[o.chosen]):
            return 'no published correlation agrees: %s (%s)' % (what, ch.miss_text(s, o.assessed[o.chosen]))
        return 'the priority choice disagrees with the evidence: %s (%s)' % (what, ch.miss_text(s, o.assessed[p]))
    if o.chosen is p:
        if o.narrowed_at_tc:
            return 'the priority choice, its range ended at the record\'s Tc'
        if (o.tmin_text, o.tmax_text) != (p.tmin_text, p.tmax_text):
            return 'the priority choice, narrowed: %s' % ch.miss_text(s, o.assessed[o.chosen])
        return 'the priority choice'
    if o.rule == ch.BY_EARLIER:
        return ('it holds range an earlier record held, which the evidence there does not disprove (the priority '
                'choice would give up %.0f K of it)' % ch.held_kelvin(s, p))
    if o.rule == ch.BY_COVERAGE:
        gaps = len(ch.absent(s, p, o.assessed))
        if gaps:
            return ('chosen by coverage: the priority choice does not reach %d evidence points another candidate '
                    'agrees with' % gaps)
        union = ch.agreeing_union(s, s.candidates, o.assessed)
        if union and not ch.lost_parts(s, o.chosen, union):
            return 'chosen by coverage: it holds the range of the candidates that agree with the evidence'
        return ('chosen by coverage: of the candidates that agree with the evidence, it leaves the least of their '
                'range uncovered')
    if o.rule == ch.BY_CRITICAL:
        return 'reaches the table\'s Pc, which the priority choice misses by %+.1f %%' % (100 * ch.pc_miss(p))
    if o.assessment.rank() < o.assessed[p].rank():
        return 'agrees better with the evidence'
    return 'chosen by its score on the evidence in its range'


def overruled_text(o):
    """The critical table values every correlation valid to Tc misses, and what the record carries."""
    rule = o.overruled
    first = rule.tables[0]

    def value(e):
        return "%s's %s K, %s bar" % (e.table, e.tc_text, ev.pa_to_bar(e.pc_pa_text))
    text = 'critical point: every correlation valid to Tc misses %s (%s)%s' % (
        value(first), '; '.join('%s %.4g bar, %+.1f %%' % (label, first.pc * (1 + d), 100 * d)
                                for label, d in sorted(rule.misses.items())),
        ', and %s too' % ' and '.join(value(e) for e in rule.tables[1:]) if rule.tables[1:] else '')
    if rule.carried:
        return text + ': the correlations win, and the record carries %s, which %s meets' % (
            value(rule.carried), o.chosen.label)
    return text + (', and no table agrees with them: the correlations win over %s\'s Pc, which the record carries '
                   'as published and is not held to; the record ships %.4g bar at Tc, as %s gives' % (
                       first.table, first.pc * (1 + rule.misses[o.chosen.label]), o.chosen.label))


def away_text(o, away):
    """Why the shipped curve may lie more than 5 % from two correlations that agree with each other."""
    t, own, (a, va), (b, vb) = away
    text = ('the shipped curve lies more than 5 %% from %s and %s, which agree within 3 %%, at %.6g K (%.4g bar '
            'against %.4g and %.4g): ' % (a, b, t, own, va, vb))
    tc = float(o.tc) if o.tc else 0.0
    if own < LOW_PRESSURE_BAR:
        return text + 'below 1 kPa, where the correlations are mostly extrapolated and agree to 3-10 % only'
    if tc > 0 and t > NEAR_CRITICAL * tc:
        return text + 'above 0.9 Tc, where a correlation\'s value depends on the Tc it was fitted to'
    s = o.substance
    misses = s.misses(o.assessment)
    if not misses:
        return text + ('the median of the correlations and the other evidence in its range lie within 5 %% of it '
                       '(score %s): two correlations do not outvote them' % score_text(o.assessment))
    text += ch.misses_text(misses)
    shipped = ch.Span(float(o.tmin_text), float(o.tmax_text))
    holding = sorted((c for c in s.candidates if c is not o.chosen and not ch.lost_parts(s, c, shipped)
                      and o.assessed[c].rank() < o.assessment.rank()), key=lambda c: o.assessed[c].rank())
    if holding:
        return text + (', and %s, which holds its range, scores %.2f against %.2f: within their accuracy, the %s '
                       'stays' % (holding[0].label, o.assessed[holding[0]].rank(), o.assessment.rank(),
                                  'priority choice' if o.chosen is o.priority else 'choice'))
    return text + ', and no candidate with a better score holds its range' + (
        '' if o.fit else '; no fit ships (%s)' % o.fit_failure if o.fit_failure else '')


# Below this (1 kPa) and above this share of Tc, correlations agree less than elsewhere.
LOW_PRESSURE_BAR = 0.01
NEAR_CRITICAL = 0.9


def change_row(o, note=''):
    p = o.priority
    why = '%s; scores %s (priority) and %s (shipped), rule: %s' % (
        choice_text(o), score_text(o.assessed[p]), score_text(o.assessment), o.rule if not o.fit else 'fit')
    if note:
        why += '; ' + note
    return (o.cas, o.english, p.source, o.source, '%s-%s' % (p.tmin_text, p.tmax_text),
            '%s-%s' % (o.tmin_text, o.tmax_text), score_text(o.assessed[p]), score_text(o.assessment), why)


def score_text(assessment):
    return '-' if assessment.score is None else '%.2f' % assessment.score


def fit_rows(o):
    """One row per evidence temperature of a fit; the critical point it goes through first."""
    f = o.fit
    rows = [(o.cas, o.english, f.kind, 'critical point of the fit', f.crit.source, f.tc_text,
             '%.9g' % f.crit.p, '0', '+0.000')]
    for point, tolerance, dev in f.points:
        for t in point.temperatures:
            rows.append((o.cas, o.english, f.kind, point.kind, point.source, '%.10g' % t, '%.9g' % point.p,
                         '%.4g' % (100 * tolerance), '%+.3f' % (100 * dev)))
    return rows


def suspect_row(cas, point, reason):
    return (cas, point.name, point.text[0], point.text[1], reason, SUSPECT_DONE)


def percentile(values, share):
    """Nearest-rank percentile."""
    ordered = sorted(values)
    return ordered[max(0, math.ceil(share * len(ordered)) - 1)]


def deviation_rows(outcomes, sources):
    """Per source: records, evidence points covered, median and 95th-percentile |deviation| in %."""
    rows = []
    for source in sources:
        chosen = [o for o in outcomes if o.source == source]
        devs = [abs(d) for o in chosen for p, d in o.assessment.covered() if p.kind in DEVIATION_KINDS]
        if not devs:
            rows.append((source, str(len(chosen)), '0', '-', '-'))
            continue
        rows.append((source, str(len(chosen)), str(len(devs)), '%.2f' % (100 * statistics.median(devs)),
                     '%.2f' % (100 * percentile(devs, 0.95))))
    return rows
