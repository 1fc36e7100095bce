#!/usr/bin/env python3
"""Builds data/tenso20.tsv from the folder of published tables given as the first argument.

Usage: curate_substances.py REFERENCE_DIR [OUTPUT_TSV]

Each substance gets the correlation of the highest-priority source that passes the screen in
vapour_equations.screen (Perry, McGarry, Poling, ChemSep, Landolt, Alcock; water is IF97), including
its plausibility rules beyond the range. Rows that fail are listed in tools/curate/rejected_rows.tsv;
boiling points taken from a second source in tools/curate/tb_second_source.tsv. The output is deterministic."""

import math
import os
import re
import sys
from decimal import Decimal

import readme
import vapour_equations as ve
from formulas import hill, molar_mass, parse_formula
from german_names import german_name, load_table
from name_formula import formula_from_name

HERE = os.path.dirname(os.path.abspath(__file__))
NOT_KNOWN = 'k.A.'
LABEL = 'Tensimo 2026'
STATUS = 'geprüft'

# McGarry's rows with these names carry the CAS numbers of the cyclohexanes; Tc shows they are the benzenes.
MCGARRY_CAS_BY_NAME = {'chlorobenzene': '108-90-7', 'ethylbenzene': '100-41-4', 'butylbenzene': '104-51-8'}


def read(folder, name, header=True):
    with open(os.path.join(folder, name), encoding='utf-8') as f:
        rows = [line.rstrip('\n').split('\t') for line in f]
    rows = [[field.strip() for field in row] for row in rows]
    return rows[1:] if header else rows


def num(text):
    try:
        value = float(text)
    except (TypeError, ValueError):
        return None
    return value if math.isfinite(value) else None


def pa_to_bar(text):
    """Exact decimal shift of a pascal value written as text."""
    return fmt_decimal(Decimal(text) / Decimal(100000))


def fmt_decimal(value):
    text = format(value.normalize(), 'f')
    return text if text not in ('-0', '') else '0'


def fmt_float(value):
    return repr(float('%.15g' % value))


class Sources:
    def __init__(self, folder):
        self.perry = read(folder, 'Table 2-8 Vapor Pressure of Inorganic and Organic Liquids.tsv')
        self.mcgarry = read(folder, 'Wagner Original McGarry.tsv')
        self.poling = read(folder, 'Antoine Collection Poling.tsv')
        self.chemsep = read(folder, 'ChemSep8.32_extract.tsv')
        self.landolt = read(folder, 'Landolt_antoine_V20.tsv')
        self.alcock = read(folder, 'Alcock_Itkin_Horrigan_metalic_elements.tsv')
        self.pubchem = {r[1]: r for r in read(folder, 'chemical identifiers pubchem small.tsv', False)}
        self.chemsep_by_cas = {r[2]: r for r in self.chemsep}
        self.crc_org = {r[0]: r for r in read(folder, 'Physical Constants of Organic Compounds.csv')}
        self.crc_inorg = {r[0]: r for r in read(folder, 'Physical Constants of Inorganic Compounds.csv')}
        self.yaws_tb = {r[0]: r[1] for r in read(folder, 'Yaws Boiling Points.tsv')}
        self.onb_tm = {r[0]: r[1] for r in read(folder, 'OpenNotebook Melting Points.tsv')}
        # Critical data in order of trust: (Tc K text, Pc Pa text).
        self.critical = []
        for name, tc, pc in (('IUPACOrganicCriticalProps.tsv', 3, 4), ('CRCCriticalOrganics.tsv', 2, 4),
                             ('Appendix to PSRK Revision 4.tsv', 2, 3), ('Yaws Collection.tsv', 2, 3),
                             ('Mathews1972InorganicCriticalProps.tsv', 3, 4)):
            self.critical.append({r[0]: (r[tc], r[pc]) for r in read(folder, name)
                                  if len(r) > pc and num(r[tc]) and num(r[pc])})
        self.mw_tables = [{r[0]: r[2] for r in read(folder, 'IUPACOrganicCriticalProps.tsv')},
                          {r[0]: r[2] for r in read(folder, 'Mathews1972InorganicCriticalProps.tsv')}]
        self.names = {}
        for rows, cas_col, name_col in ((self.perry, 0, 1), (self.poling, 0, 1), (self.mcgarry, 0, 1),
                                        (self.landolt, 0, 1), (self.alcock, 0, 1)):
            for r in rows:
                self.names.setdefault(r[cas_col], []).append(r[name_col])


def candidates(src):
    """CAS -> list of (priority, source code, code, [A..E], Tmin, Tmax, own Tc, own Pc, label)."""
    out = {}

    def add(cas, item):
        out.setdefault(cas, []).append(item)
    for r in src.perry:
        add(r[0], (1, 'PER', '101', r[2:7], r[7], r[8], None, None, 'Perry ' + r[1]))
    for r in src.mcgarry:
        cas = MCGARRY_CAS_BY_NAME.get(r[1].lower(), r[0])
        add(cas, (2, 'MCG', '1', r[2:6] + ['0'], r[8], r[7], r[7], pa_to_bar(r[6]), 'McGarry ' + r[1]))
    for r in src.poling:
        a = fmt_decimal(Decimal(r[2]) - 3)
        add(r[0], (3, 'POL', '1.8', [a, r[3], r[4], '0', '0'], r[5], r[6], None, None, 'Poling ' + r[1]))
    ln_1e5 = math.log(1e5)
    for r in src.chemsep:
        if r[14] == '101':
            add(r[2], (4, 'CHS', '101', r[15:20], r[20], r[21], None, None, 'ChemSep ' + r[1]))
        elif r[14] == '10':
            a = fmt_float(float(r[15]) - ln_1e5)
            add(r[2], (4, 'CHS', '3', [a, r[16], r[17], '0', '0'], r[20], r[21], None, None, 'ChemSep ' + r[1]))
    for r in src.landolt:
        a = fmt_float(float(r[2]) - ln_1e5)
        add(r[0], (5, 'LAN', '3', [a, r[3], r[4], '0', '0'], r[5], r[6], None, None, 'Landolt ' + r[1]))
    for r in src.alcock:
        add(r[0], (6, 'ALC', '101', r[2:7], r[7], r[8], None, None, 'Alcock ' + r[1]))
    return out


def english_name(src, cas):
    for table, col in ((src.crc_org, 1), (src.crc_inorg, 1), (src.chemsep_by_cas, 1)):
        if cas in table and table[cas][col]:
            return table[cas][col]
    if cas in src.pubchem and len(src.pubchem[cas]) > 8 and src.pubchem[cas][8]:
        return src.pubchem[cas][8]
    return src.names.get(cas, [''])[0]


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


def critical(src, cas):
    for table in src.critical:
        if cas in table:
            return table[cas][0], pa_to_bar(table[cas][1])
    row = src.chemsep_by_cas.get(cas)
    if row and num(row[10]) and num(row[11]):
        return row[10], pa_to_bar(row[11])
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


def second_boiling_point(src, cas, listed, k, tmin, tmax):
    """(Tb text, source) of the next boiling-point source that the correlation meets cleanly, or None.

    Used before a higher-priority row is rejected over its boiling point: when a second compilation
    agrees with the fit within 2 %, the listed value is the doubtful one."""
    chemsep = src.chemsep_by_cas.get(cas)
    for text, name in ((src.yaws_tb.get(cas), 'Yaws'), (chemsep[7] if chemsep else None, 'ChemSep')):
        value = num(text)
        if value is None or value == num(listed):
            continue
        reason, dev = ve.boiling_screen(k, tmin, tmax, value)
        if reason is None and (dev is None or abs(dev) <= 0.02):
            return text, name
    return None


def build(folder):
    src = Sources(folder)
    names_de = load_table(os.path.join(HERE, 'german_names.tsv'))
    cands = candidates(src)
    records, rejected, exceptions, tb_decisions = [], [], [], []
    for cas in sorted(cands, key=lambda c: [int(x) for x in c.split('-')] if re.match(r'^\d+-\d+-\d$', c) else [0]):
        if cas == '7732-18-5':
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
        crit = critical(src, cas)
        chosen = None
        for cand in sorted(cands[cas], key=lambda c: c[0]):
            prio, source, code, coeffs, tmin, tmax, own_tc, own_pc, label = cand
            tc, pc = (own_tc, own_pc) if own_tc else (crit if crit else ('0', '0'))
            if code in ('1', '101') and (tb is None or not num(tc) or not num(pc) or num(tc) <= 0):
                rejected.append((cas, english, label, 'needs numeric Tb, Tc and Pc'))
                continue
            k = ve.Correlation(code, coeffs, tb=num(tb), tc=num(tc), pc=num(pc))
            reason, dev = ve.screen(k, num(tmin), num(tmax), num(tb))
            record_tb = tb
            # Only for the checks beyond the range; in range the listed Tb stays and the row fails.
            beyond = tb is not None and not num(tmin) <= num(tb) <= num(tmax)
            if reason and beyond and source != 'LAN' and not ve.shape_screen(k, num(tmin), num(tmax)):
                second = second_boiling_point(src, cas, tb, k, num(tmin), num(tmax))
                if second:
                    record_tb, tb_source = second
                    tb_decisions.append((cas, english, source, tb, record_tb, tb_source, reason))
                    reason, dev = None, None
            if reason:
                rejected.append((cas, english, label, reason))
                continue
            if dev is not None and abs(dev) > 0.02:
                later_ok = False
                for other in sorted(cands[cas], key=lambda c: c[0]):
                    if other[0] <= prio:
                        continue
                    otc, opc = (other[6], other[7]) if other[6] else (crit if crit else ('0', '0'))
                    if other[2] in ('1', '101') and (tb is None or not num(otc) or num(otc) <= 0):
                        continue
                    ok = ve.Correlation(other[2], other[3], tb=num(tb), tc=num(otc), pc=num(opc))
                    r2, d2 = ve.screen(ok, num(other[4]), num(other[5]), num(tb))
                    in_range = num(other[4]) <= num(tb) <= num(other[5])
                    if r2 is None and in_range and abs(d2) <= 0.02:
                        later_ok = True
                        break
                if source == 'LAN' and not later_ok:
                    # Landolt rows are the last resort and their ranges are narrow: only clean fits ship.
                    where = 'p at the range end nearest Tb' if beyond else 'p(Tb)'
                    rejected.append((cas, english, label, '%s off 1 atm by %.1f %%' % (where, 100 * dev)))
                    continue
                if later_ok:
                    rejected.append((cas, english, label, 'p(Tb) off 1 atm by %.1f %%; a later source fits' % (100 * dev)))
                    continue
                exceptions.append((cas, english, source, 100 * dev, tb_reason(src, cas, k, tb)))
            chosen = (source, code, coeffs, tmin, tmax, tc, pc, record_tb)
            break
        if chosen is None:
            continue
        german, german2 = names_de.get(cas, ('', ''))
        if not german:
            german = german_name(english)
        english2 = ''
        pub = src.pubchem.get(cas)
        if pub and len(pub) > 8 and pub[8] and pub[8].lower() != english.lower():
            english2 = pub[8]
        source, code, coeffs, tmin, tmax, tc, pc, record_tb = chosen
        records.append([cas, source, german, german2, english, english2, formula, counts['C'], counts['H'], mw,
                        tm or NOT_KNOWN, record_tb or NOT_KNOWN, code, coeffs, tmin, tmax, tc, pc])

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
    water = ['7732-18-5', 'IF97', 'Wasser', '', 'Water', 'Dihydrogen oxide', 'H2O', 0, 2, '18.015',
             '273.15', '373.124', '999', ['0'] * 5, '273.16', '647.096', '647.096', '220.64']
    kept.append(water)
    kept.sort(key=lambda r: [int(x) for x in r[0].split('-')])
    return kept, rejected, exceptions, tb_decisions


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


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    folder = sys.argv[1]
    out = sys.argv[2] if len(sys.argv) > 2 else os.path.join(HERE, '..', '..', 'data', 'tenso20.tsv')
    records, rejected, exceptions, tb_decisions = build(folder)
    lines = ['Datenbank\t%s\tRecords: S-number, source, CAS, status, names, formula, C, H, M, Tm, Tb, code, A-E, Tmin, Tmax, Tc, Pc' % LABEL,
             'Einheiten\tK, bar, kg/kmol\tk.A. = nicht bekannt',
             'Quellen\tsiehe data/README.md']
    lines += [record_line(number, rec) for number, rec in zip(stable_record_numbers(records), records)]
    with open(out, 'w', encoding='utf-8', newline='\n') as f:
        f.write('\n'.join(lines) + '\n')
    with open(os.path.join(HERE, 'rejected_rows.tsv'), 'w', encoding='utf-8', newline='\n') as f:
        f.write('CAS\tname\tsource row\treason\n')
        for row in rejected:
            f.write('\t'.join(row) + '\n')
    with open(os.path.join(HERE, 'tb_exceptions.tsv'), 'w', encoding='utf-8', newline='\n') as f:
        f.write('CAS\tname\tsource\tdeviation %\treason\n')
        for cas, name, source, dev, reason in exceptions:
            f.write('%s\t%s\t%s\t%+.2f\t%s\n' % (cas, name, source, dev, reason))
    with open(os.path.join(HERE, 'tb_second_source.tsv'), 'w', encoding='utf-8', newline='\n') as f:
        f.write('CAS\tname\tsource\tlisted Tb K\tshipped Tb K\tTb source\treason with the listed Tb\n')
        for row in tb_decisions:
            f.write('\t'.join(row) + '\n')
    counts = {}
    for rec in records:
        counts[rec[1]] = counts.get(rec[1], 0) + 1
    readme.write_readme(os.path.dirname(out))
    print('records:', len(records), counts, 'rejected rows:', len(rejected), 'Tb exceptions:', len(exceptions),
          'second Tb:', len(tb_decisions), 'by rule:', readme.rule_counts(rejected))


if __name__ == '__main__':
    main()
