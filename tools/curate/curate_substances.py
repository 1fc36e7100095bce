#!/usr/bin/env python3
"""Builds data/tenso20.tsv from the folder of published tables given as the first argument.

Usage: curate_substances.py REFERENCE_DIR [OUTPUT_TSV]

Every correlation of a substance that passes the screen in vapour_equations.screen (Perry, McGarry,
Poling, ChemSep, Landolt, Alcock; water is IF97), including its plausibility rules beyond the range,
is a candidate; the one that agrees best with the published evidence ships (decision.py), and where
none agrees, a Wagner fit to that evidence. Rows that fail are listed in tools/curate/rejected_rows.tsv,
boiling points taken from a second source in tools/curate/tb_second_source.tsv; what the choice
changed, the fits' evidence and the handbook points not believed in the other lists of
tools/curate/ that data/README.md names. The output is deterministic. A missing table or one with an
unexpected header stops the script with a message naming it."""

import copy
import os
import re
import sys

import candidates as cd
import decision
import earlier
import figures
import fits
import evidence as ev
import readme
import reports
import sources
import vapour_equations as ve
from formulas import hill, molar_mass, parse_formula
from german_names import german_name, load_table
from name_formula import formula_from_name
from sources import num

HERE = os.path.dirname(os.path.abspath(__file__))
NOT_KNOWN = 'k.A.'
LABEL = 'Tensimo 2026'
STATUS = 'geprüft'
WATER_CAS = '7732-18-5'


class Sources:
    """The tables by role, read once; rows that cannot be used are in `rejected`."""

    def __init__(self, folder):
        self.rejected = []
        self.tables = t = sources.load_tables(folder, self.rejected)
        self.pubchem = t[sources.PUBCHEM].by_cas
        self.chemsep_by_cas = t[sources.CHEMSEP].by_cas
        self.crc_org = t[sources.CRC_ORGANIC].by_cas
        self.crc_inorg = t[sources.CRC_INORGANIC].by_cas
        self.yaws_tb = {cas: r.field(1) for cas, r in t[sources.YAWS_TB].by_cas.items()}
        self.onb_tm = {cas: r.field(1) for cas, r in t[sources.OPEN_NOTEBOOK_TM].by_cas.items()}
        self.mw_tables = [{cas: r.field(2) for cas, r in t[name].by_cas.items()}
                          for name in (sources.IUPAC_CRITICAL, sources.MATHEWS_CRITICAL)]
        self.names = {}
        for name in (sources.PERRY, sources.POLING, sources.MCGARRY, sources.LANDOLT, sources.ALCOCK):
            for r in t[name].rows:
                self.names.setdefault(r.cas, []).append(r[1])


# A registry or depositor code ("ac1l1dfd", "SCHEMBL12345"): one token mixing letters and digits.
REGISTRY_CODE = re.compile(r'(?=[^\d]*\d)(?=\d*[A-Za-z])[A-Za-z0-9]+')


def is_registry_code(name):
    return REGISTRY_CODE.fullmatch(name.strip()) is not None


def english_names(src, cas):
    """Candidate English names in order: CRC, ChemSep, PubChem's common name, the correlations' own
    names, PubChem's IUPAC name."""
    names = [table[cas][1] for table in (src.crc_org, src.crc_inorg, src.chemsep_by_cas) if cas in table]
    pub = src.pubchem.get(cas)
    names.append(pub.field(8) if pub else '')
    names += src.names.get(cas, [])
    names.append(pub.field(7) if pub else '')
    return [name for name in names if name and not is_registry_code(name)]


def english_name(src, cas):
    return (english_names(src, cas) or [''])[0]


def capitalise(name):
    return name[:1].upper() + name[1:] if name[:1].islower() and not re.match(r'^[a-z]-', name) else name


def identity(src, cas, english):
    """(Hill formula, counts, molar mass text) or None."""
    listed_mw = None
    for table in src.mw_tables:
        if cas in table and num(table[cas]):
            listed_mw = num(table[cas])
            break
    if cas in src.pubchem:
        counts = parse_formula(src.pubchem[cas][2])
        if counts:
            return hill(counts), counts, src.pubchem[cas][3]
    if cas in src.chemsep_by_cas:
        row = src.chemsep_by_cas[cas]
        counts = parse_formula(row[3])
        mw = num(row[5])
        if counts and mw and abs(molar_mass(counts) / mw - 1) < 0.005:
            return hill(counts), counts, row[5]
    derived = None
    for name in [english] + src.names.get(cas, []):
        counts = formula_from_name(name)
        if counts is None:
            continue
        if derived is not None and hill(derived) != hill(counts):
            return None  # two names of one CAS disagree: leave it out
        derived = counts
    if derived is None:
        return None
    mass = molar_mass(derived)
    if listed_mw and abs(mass / listed_mw - 1) > 0.005:
        return None
    return hill(derived), derived, listed_mw and str(listed_mw) or '%.3f' % mass


def phase_point(src, cas, col, fallback):
    for table in (src.crc_org, src.crc_inorg):
        if cas in table and len(table[cas]) > col and num(table[cas][col]):
            return table[cas][col]
    if cas in fallback and num(fallback[cas]):
        return fallback[cas]
    return None


def tb_reason(src, cas, k, tb_text):
    crc = phase_point(src, cas, 3, {})
    yaws = src.yaws_tb.get(cas)
    try:
        own = ve.boiling_temperature_k(k, ve.ATM_BAR)
    except (ValueError, OverflowError, ZeroDivisionError):
        own = float('nan')
    if yaws and num(yaws) and abs(num(yaws) - own) < 0.5 and crc and abs(num(crc) - own) >= 0.5:
        return ('compilations disagree on Tb: the correlation boils at %.2f K, as Yaws lists (%s K); '
                'CRC lists %s K' % (own, yaws, crc))
    return ('the published fit boils at %.2f K, %.2f K from the listed Tb %s K; no other source '
            'fits within 2 %%' % (own, own - num(tb_text), tb_text))


def own_critical_differs(cand, crit):
    return (num(cand.own_tc), num(cand.own_pc)) != (num(crit[0]), num(crit[1]))


def refit_through_table(cand, crit, slope_band):
    """The record carries the table's critical point, never a Wagner set's own: the set is re-expressed
    through it (fits.refit), or it does not ship."""
    fit, why = fits.refit(cand, crit, slope_band)
    if fit is None:
        cand.reason = 'own critical point %s K, %s bar differs from the table\'s: %s' % (cand.own_tc, cand.own_pc, why)
        return
    cand.refit = fit
    cand.own_tc_text, cand.own_pc_text = cand.own_tc, cand.own_pc
    cand.own_coefficients = cand.coefficients
    cand.coefficients = fit.coefficients
    cand.tc, cand.pc = crit
    cand.tmax_text, cand.tmax = fit.tmax_text, fit.tmax
    if fit.tmax < fit.crit.t:
        cand.range_note = ('McGarry\'s set re-expressed through the table\'s critical point ends at 0.9 Tc: its '
                           'slope d ln p / d ln T near Tc, %.2f, lies outside that of the published Wagner sets' % fit.slope)
    cand.k = ve.Correlation('1', fit.coefficients, tb=num(cand.record_tb), tc=num(crit[0]), pc=num(crit[1]))


def settle(cands, src, cas, english, tb, tm, entries, handbook, curves, earlier_records, slope_band, held=True):
    """(outcome or None, the candidates screened, rejected rows, handbook suspects) of one substance with
    its critical data as `entries` mark them; the candidates are screened as copies. Where `held` is
    false, the correlations overrule the table's Pc: no candidate is held to it."""
    crit = ev.record_critical(entries)
    screened, rejected, suspects = [], [], []
    for original in cands:
        cand = copy.copy(original)
        cand.coefficients = list(original.coefficients)
        cd.screen(src.tables, cas, english, cand, tb, crit)
        if cand.reason is None and crit and cand.own_tc and own_critical_differs(cand, crit):
            refit_through_table(cand, crit, slope_band)
        if cand.reason:
            rejected.append((cas, english, cand.label, cand.reason))
        if not held:
            cand.table_critical = None
        screened.append(cand)
    outcome = decision.decide(src, cas, english, screened, tb, tm, handbook, curves, suspects, entries,
                              earlier_records, slope_band)
    return outcome, screened, rejected, suspects


def cas_key(cas):
    return [int(x) for x in cas.split('-')] if re.match(r'^\d+-\d+-\d$', cas) else [0]


def build(folder):
    src = Sources(folder)
    names_de = load_table(os.path.join(HERE, 'german_names.tsv'))
    rejected = src.rejected
    cands = cd.build_candidates(src.tables, rejected)
    handbook = ev.read_handbook(folder, rejected)
    curves = ev.evidence_curves(src.tables, rejected)
    earlier_records = earlier.load()
    slope_band = fits.critical_slope_band(src.tables)
    records, exceptions, tb_decisions, outcomes, suspects = [], [], [], [], []
    for cas in sorted(cands, key=cas_key):
        if cas == WATER_CAS:
            continue  # water is the IF97 record below
        english = capitalise(english_name(src, cas))
        ident = identity(src, cas, english)
        if ident is None:
            rejected.append((cas, english, '-', 'no formula from the identifier files or the name'))
            continue
        formula, counts, mw = ident
        tm = phase_point(src, cas, 2, src.onb_tm)
        tb = phase_point(src, cas, 3, src.yaws_tb)
        if tb is None and cas in src.chemsep_by_cas and num(src.chemsep_by_cas[cas][7]):
            tb = src.chemsep_by_cas[cas][7]
        entries = ev.critical_entries(src.tables, cas)
        known = (src, cas, english, tb, tm, entries, handbook.get(cas, []), curves.get(cas, []),
                 earlier_records.get(cas, []), slope_band)
        outcome, screened, dropped, doubted = settle(cands[cas], *known)
        # Where every correlation valid to Tc misses the table's Pc, the correlations win: at once where
        # the table is a single voice and another agrees with them (the record carries that one), and
        # where the choice ships a correlation that misses it, no fit through it agreeing as well with
        # the evidence (the record carries a table that correlation meets, or the table's value, to
        # which no correlation is then held).
        overrule = ev.overruled_critical(entries, screened, handbook.get(cas, []))
        miss = outcome.critical_miss() if outcome and not outcome.fit else None
        if overrule is None and miss is not None and abs(miss) > ev.CRITICAL_MEET:
            overrule = ev.overruled_by_choice(entries, screened, outcome.chosen, handbook.get(cas, []))
        if overrule:
            overrule.apply()
            outcome, screened, dropped, doubted = settle(cands[cas], *known, held=overrule.carried is not None)
            outcome.overruled = overrule
        rejected += dropped
        suspects += doubted
        if outcome is None:
            continue
        outcomes.append(outcome)
        chosen = outcome.chosen
        if chosen.tb_decision and not outcome.fit:
            tb_decisions.append(chosen.tb_decision)
        # A set re-expressed may miss Tb as the set does: its own miss is listed.
        dev = ve.boiling_screen(chosen.k, chosen.tmin, chosen.tmax, num(tb))[1] if chosen.refit else chosen.dev
        if dev is not None and abs(dev) > cd.PRIORITY_TB_LIMIT and (not outcome.fit or chosen.refit):
            exceptions.append((cas, english, chosen.source, 100 * dev, tb_reason(src, cas, chosen.k, tb)))
        german, german2 = names_de.get(cas, ('', ''))
        if not german:
            german = german_name(english)
        english2 = ''
        pub = src.pubchem.get(cas)
        if pub and pub.field(8) and pub.field(8).lower() != english.lower() and not is_registry_code(pub.field(8)):
            english2 = pub.field(8)
        records.append([cas, outcome.source, german, german2, english, english2, formula, counts['C'], counts['H'],
                        mw, tm or NOT_KNOWN, outcome.record_tb or NOT_KNOWN, outcome.code, outcome.coefficients,
                        outcome.tmin_text, outcome.tmax_text, outcome.tc, outcome.pc])

    # German names must be unique: the later of two equal names is left out and reported.
    seen = {'Wasser'}
    kept = []
    for rec in records:
        key = rec[2].lower()
        if key in seen:
            rejected.append((rec[0], rec[4], rec[1], 'German name "%s" already taken' % rec[2]))
            continue
        seen.add(key)
        kept.append(rec)
    water = [WATER_CAS, 'IF97', 'Wasser', '', 'Water', 'Dihydrogen oxide', 'H2O', 0, 2, '18.015',
             '273.15', '373.124', '999', ['0'] * 5, '273.16', '647.096', '647.096', '220.64']
    kept.append(water)
    kept.sort(key=lambda r: [int(x) for x in r[0].split('-')])
    return kept, rejected, exceptions, tb_decisions, outcomes, suspects


def record_line(number, rec):
    cas, source, german, german2, english, english2, formula, c, h, mw, tm, tb, code, coeffs, tmin, tmax, tc, pc = rec
    fields = ['S%05d' % number, source, cas, STATUS, german, german2, english, english2, formula, str(c), str(h),
              mw, tm, tb, code] + list(coeffs) + [tmin, tmax, tc, pc]
    fields = [str(f).replace('\t', ' ') for f in fields]
    assert len(fields) == 24
    return '\t'.join(fields)


ID_REGISTRY = os.path.join(HERE, 'record_ids.tsv')


def stable_record_numbers(records):
    """Record numbers that never change: a substance keeps its number by CAS, a new one gets the next
    free number, and a number whose substance left the database is never given again."""
    known = {}
    if os.path.exists(ID_REGISTRY):
        with open(ID_REGISTRY, encoding='utf-8') as f:
            for line in f.read().splitlines()[1:]:
                if line:
                    number, cas = line.split('\t')[:2]
                    known[cas] = int(number)
    next_number = max(known.values(), default=0) + 1
    numbers = []
    for rec in records:
        cas = rec[0]
        if cas not in known:
            known[cas] = next_number
            next_number += 1
        numbers.append(known[cas])
    with open(ID_REGISTRY, 'w', encoding='utf-8', newline='\n') as f:
        f.write('number\tCAS\n')
        for cas, number in sorted(known.items(), key=lambda item: item[1]):
            f.write('%d\t%s\n' % (number, cas))
    return numbers


def write_tsv(name, header, rows):
    with open(os.path.join(HERE, name), 'w', encoding='utf-8', newline='\n') as f:
        for row in [header] + list(rows):
            f.write('\t'.join(row) + '\n')


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    folder = sys.argv[1]
    out = sys.argv[2] if len(sys.argv) > 2 else os.path.join(HERE, '..', '..', 'data', 'tenso20.tsv')
    try:
        records, rejected, exceptions, tb_decisions, outcomes, suspects = build(folder)
        band = fits.critical_slope_band(sources.load_tables(folder, []))
    except sources.InputError as err:
        sys.exit('curate_substances: %s; nothing written' % err)
    lines = ['Datenbank\t%s\tRecords: S-number, source, CAS, status, names, formula, C, H, M, Tm, Tb, code, A-E, Tmin, Tmax, Tc, Pc' % LABEL,
             'Einheiten\tK, bar, kg/kmol\tk.A. = nicht bekannt',
             'Quellen\tsiehe data/README.md']
    lines += [record_line(number, rec) for number, rec in zip(stable_record_numbers(records), records)]
    with open(out, 'w', encoding='utf-8', newline='\n') as f:
        f.write('\n'.join(lines) + '\n')
    write_tsv('rejected_rows.tsv', ['CAS', 'name', 'source row', 'reason'], rejected)
    write_tsv('tb_exceptions.tsv', ['CAS', 'name', 'source', 'deviation %', 'reason'],
              [(cas, name, source, '%+.2f' % dev, reason) for cas, name, source, dev, reason in exceptions])
    write_tsv('tb_second_source.tsv', ['CAS', 'name', 'source', 'listed Tb K', 'shipped Tb K', 'Tb source',
                                       'reason with the listed Tb'], tb_decisions)
    shipped = {rec[0] for rec in records}
    outcomes = [o for o in outcomes if o.cas in shipped]
    published = figures.published_curves(Sources(folder).tables)
    shipped_lines = {line.split('\t')[2]: line.split('\t') for line in lines[3:]}
    changes = []
    for o in outcomes:
        away = figures.agreeing_pair_misses(figures.record_curve(shipped_lines[o.cas]), published.get(o.cas, []))
        note = '; '.join(filter(None, [reports.overruled_text(o) if o.overruled else '', earlier.range_note(o),
                                       reports.away_text(o, away) if away else '']))
        if o.changed() or note:
            changes.append(reports.change_row(o, note))
    write_tsv('choice_changes.tsv', reports.CHANGES_HEADER, changes)
    write_tsv('fit_evidence.tsv', reports.FIT_HEADER, [row for o in outcomes if o.fit for row in reports.fit_rows(o)])
    write_tsv('critical_slope_band.tsv', ['lowest', 'highest', 'Wagner sets'],
              [('%.4f' % band[0], '%.4f' % band[1], str(band[2]))] if band else [])
    write_tsv('handbook_suspects.tsv', reports.SUSPECT_HEADER, [reports.suspect_row(*s) for s in suspects])
    write_tsv('source_deviations.tsv', reports.DEVIATION_HEADER,
              reports.deviation_rows(outcomes, [code for code, _, _ in readme.SOURCE_ROWS if code != 'IF97']))
    counts = {}
    for rec in records:
        counts[rec[1]] = counts.get(rec[1], 0) + 1
    readme.write_readme(os.path.dirname(out))
    print('records:', len(records), counts, 'rejected rows:', len(rejected), 'Tb exceptions:', len(exceptions),
          'second Tb:', len(tb_decisions), 'by rule:', readme.rule_counts(rejected))


if __name__ == '__main__':
    main()
