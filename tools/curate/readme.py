"""Writes data/README.md from README_template.md and the data files as they stand.

Every generator calls write_readme() after writing its files: the substance database
(curate_substances.py), the solids (solids.py), the aqueous solutions (tools/aqueous/fit_aqueous.py)
and the measured values (measured_values.py). Everything the README reports is read back from the
data sources, the lists curate_substances.py leaves in tools/curate/ and the fit errors
fit_aqueous.py leaves in tools/aqueous/, so whichever script runs last, the README is the same."""

import os
import re

import choice
import fits as fitting

HERE = os.path.dirname(os.path.abspath(__file__))
DATA = os.path.normpath(os.path.join(HERE, '..', '..', 'data'))

SOURCE_ROWS = (('PER', 'Perry Table 2-8', '101'), ('MCG', 'McGarry 1983 Wagner', '1'),
               ('POL', 'Poling 2000 Antoine', '1.8'), ('CHS', 'ChemSep 8.3', '101 / 3'),
               ('LAN', 'Landolt-Börnstein IV/20 Antoine', '3'), ('ALC', 'Alcock et al. 1984', '101'),
               ('FIT', 'Wagner fit to published values (listed below)', '1'), ('IF97', 'IAPWS-IF97', '999'))

# Rejection reasons of the plausibility rules, as screen words them, and how the README names them.
RULES = (('above the ceiling', 'pressure above the ceiling'),
         ('range end nearest Tb', 'wrong side of 1 atm beyond the range'),
         ('extrapolated p(Tb)', 'extrapolation to Tb out of bounds'))

SOLID_HEADER_LINES = 5
SOLUTE_HEADER_LINES = 11
COEFFICIENT_HEADER_LINES = 7
MEASURED_HEADER_LINES = 10
# Per coefficient set: key, set, largest a_w error (%), largest relative error of 1 - a_w (%).
AQUEOUS_FIT_ERRORS = os.path.normpath(os.path.join(HERE, '..', 'aqueous', 'fit_errors.tsv'))


def rule_counts(rejected):
    counts = {}
    for cas, name, label, reason in rejected:
        for words, rule in RULES:
            if words in reason:
                key = (rule, label.split(' ')[0])
                counts[key] = counts.get(key, 0) + 1
    return counts


def _rows(path, skip):
    with open(path, encoding='utf-8') as f:
        return [line.split('\t') for line in f.read().splitlines()[skip:] if line.strip()]


def substance_fields(data_dir):
    database = _rows(os.path.join(data_dir, 'tenso20.tsv'), 0)
    label = database[0][1]
    records = database[3:]
    counts = {}
    for rec in records:
        counts[rec[1]] = counts.get(rec[1], 0) + 1
    organic = sum(1 for rec in records if int(rec[9]) > 0)
    exceptions = _rows(os.path.join(HERE, 'tb_exceptions.tsv'), 1)
    second = _rows(os.path.join(HERE, 'tb_second_source.tsv'), 1)
    rejected = _rows(os.path.join(HERE, 'rejected_rows.tsv'), 1)
    by_rule = rule_counts(rejected)
    return {
        'label': label,
        'total': '%d (%d organic, %d inorganic)' % (len(records), organic, len(records) - organic),
        'count_rows': '\n'.join('| %s | %d | %s | "%s" |' % (code, counts.get(code, 0), what, rec_code)
                                for code, what, rec_code in SOURCE_ROWS),
        'exception_rows': '\n'.join('| %s | %s | %s | %+.2f %% | %s |' % (e[0], e[1], e[2], float(e[3]), e[4])
                                    for e in exceptions),
        'second_tb_rows': '\n'.join('| %s |' % ' | '.join(d) for d in second),
        'rule_rows': '\n'.join('| %s | %s | %d |' % (rule, source, n) for (rule, source), n in sorted(by_rule.items())),
    }


def choice_fields(data_dir):
    database = _rows(os.path.join(data_dir, 'tenso20.tsv'), 3)
    ranges = {rec[2]: (rec[20], rec[21]) for rec in database}
    changes = _rows(os.path.join(HERE, 'choice_changes.tsv'), 1)
    pairs = {}
    for row in changes:
        pairs[(row[2], row[3])] = pairs.get((row[2], row[3]), 0) + 1
    order = [code for code, _, _ in SOURCE_ROWS]
    change_rows = ['| %s | %s | %d |' % (a, b, n) for (a, b), n in
                   sorted(pairs.items(), key=lambda item: (order.index(item[0][0]), order.index(item[0][1])))]
    change_rows.append('| all | | %d |' % len(changes))
    deviations = _rows(os.path.join(HERE, 'source_deviations.tsv'), 1)
    deviation_rows = ['| %s | %s | %s | %s | %s |' % tuple(row[:2] + [row[2]] + [
        v + ' %' if v != '-' else v for v in row[3:5]]) for row in deviations]
    fits, kinds = {}, {}
    for row in _rows(os.path.join(HERE, 'fit_evidence.tsv'), 1):
        fit = fits.setdefault(row[0], {'name': row[1], 'kind': row[2], 'evidence': {}, 'worst': 0.0})
        if row[3] == 'critical point of the fit':
            fit['critical'] = '%s %s K' % (row[4], row[5])
            continue
        key = row[4] if row[3] in ('curve', 'candidate') else '%s %s' % (row[3], row[4])
        fit['evidence'][key] = fit['evidence'].get(key, 0) + 1
        fit['worst'] = max(fit['worst'], abs(float(row[8])) / float(row[7]))
    fit_rows = []
    for cas, fit in fits.items():
        kinds[fit['kind']] = kinds.get(fit['kind'], 0) + 1
        evidence = '; '.join('%s (%d)' % (key, n) for key, n in fit['evidence'].items())
        fit_rows.append('| %s | %s | %s | %s-%s | %s | %s | %.2f |' % (
            cas, fit['name'], fit['kind'], ranges[cas][0], ranges[cas][1], fit['critical'], evidence, fit['worst']))
    suspects = _rows(os.path.join(HERE, 'handbook_suspects.tsv'), 1)
    slope_low, slope_high, slope_count = _rows(os.path.join(HERE, 'critical_slope_band.tsv'), 1)[0]
    return {
        'slope_low': '%.1f' % float(slope_low), 'slope_high': '%.1f' % float(slope_high), 'slope_count': slope_count,
        'grid_points': str(choice.GRID_POINTS), 'within_accuracy': str(choice.WITHIN_ACCURACY),
        'disproving_points': str(choice.MIN_DISPROVING_POINTS), 'disproving_sources': str(choice.MIN_DISPROVING_SOURCES),
        'few_kelvin': '%g' % choice.FEW_KELVIN,
        'refit_samples': str(fitting.REFIT_SAMPLES), 'refit_tolerance': '%g' % (100 * fitting.REFIT_TOLERANCE),
        'curve_samples': str(fitting.CURVE_SAMPLES), 'fit_min_points': str(fitting.FIT_MIN_POINTS),
        'points_per_curve': str(fitting.POINTS_PER_CURVE), 'fit_min_span': '%g' % (100 * fitting.FIT_MIN_SPAN),
        'change_rows': '\n'.join(change_rows), 'deviation_rows': '\n'.join(deviation_rows),
        'fit_count': str(len(fits)), 'fit_evidence_count': str(kinds.get('evidence', 0)),
        'fit_repair_count': str(kinds.get('repair', 0)), 'fit_refit_count': str(kinds.get('refit', 0)),
        'fit_rows': '\n'.join(fit_rows),
        'suspect_rows': '\n'.join('| %s | %s | %s | %s | %s |' % tuple(row[:5]) for row in suspects),
    }


def solid_fields(data_dir):
    solids = _rows(os.path.join(data_dir, 'tenso4.tsv'), SOLID_HEADER_LINES)
    rows = ['| %s | %s | %s | %s | %s | %s | %s |' % (s[1], s[3], s[5], s[6], s[8], s[9] or '-', s[7] or '-')
            for s in solids]
    return {'solid_count': str(len(solids)), 'solid_limits': str(sum(1 for s in solids if s[9])),
            'solid_rows': '\n'.join(rows)}


def solute_fields(data_dir):
    solutes = _rows(os.path.join(data_dir, 'tenso5.tsv'), SOLUTE_HEADER_LINES)
    coefficients = _rows(os.path.join(data_dir, 'tenso6.tsv'), COEFFICIENT_HEADER_LINES)
    largest, sets, lowering = {}, {}, {}
    for line in coefficients:
        largest[line[0]] = max(largest.get(line[0], 0.0), float(line[2]))
        sets[line[0]] = sets.get(line[0], 0) + 1
    for line in _rows(AQUEOUS_FIT_ERRORS, 1):
        lowering[line[0]] = max(lowering.get(line[0], 0.0), float(line[3]))
    kinds = {'B': 'by mass %', 'C': 'by temperature'}
    rows = []
    for s in solutes:
        key, mass, w_high = s[4], float(s[5]), int(s[8])
        temperatures = '%s only' % s[11] if s[9] == '*' else '%s-%s' % (s[9], s[10])
        m_max = w_high * 1000.0 / mass / (100 - w_high)
        split = '%d %s' % (sets[key], kinds[s[6]]) if s[6] in kinds else '1'
        source = 'Pitzer' if s[1] == 'PITZER' else 'Norrish'
        rows.append('| %s | %s | %s | %s | %s-%s | %s | %.2f | %s | %s | %.2f %% | %.1f %% |'
                    % (key, s[2], s[3], s[5], s[7], s[8], temperatures, m_max, source, split, largest[key],
                       lowering[key]))
    return {'solute_count': str(len(solutes)), 'solute_rows': '\n'.join(rows)}


def measured_fields(data_dir):
    with open(os.path.join(data_dir, 'tenso7.tsv'), encoding='utf-8') as f:
        lines = f.read().splitlines()
    header, body = lines[:MEASURED_HEADER_LINES], [l.split('\t') for l in lines[MEASURED_HEADER_LINES:] if l.strip()]
    left_out = next(l.split('\t', 1)[1] for l in header if l.startswith('Ohne Datensatz\t'))
    vdi = [l for l in body if l[1] == 'VDI']
    water = [l for l in body if l[1] == 'IF97']
    rows = ['| %s | %s | %s | %s | %s to %s |' % (l[4], l[6], l[2], l[9], l[11], l[-2]) for l in body]
    return {
        'measured_vdi_lines': str(len(vdi)),
        'measured_vdi_points': str(sum(int(l[9]) for l in vdi)),
        'measured_water_points': str(sum(int(l[9]) for l in water)),
        'measured_rows': '\n'.join(rows),
        'measured_left_out': ('none' if left_out == 'keine' else
                              '\n'.join('- ' + item for item in left_out.split('; '))),
    }


def write_readme(data_dir=DATA):
    with open(os.path.join(HERE, 'README_template.md'), encoding='utf-8') as f:
        text = f.read()
    fields = {}
    for part in (substance_fields, choice_fields, solid_fields, solute_fields, measured_fields):
        fields.update(part(data_dir))
    unknown = set(re.findall(r'\{([a-z_]+)\}', text)) - set(fields)
    if unknown:
        raise KeyError('README_template.md names unknown fields: %s' % ', '.join(sorted(unknown)))
    for name, value in fields.items():
        text = text.replace('{%s}' % name, value)
    with open(os.path.join(data_dir, 'README.md'), 'w', encoding='utf-8', newline='\n') as f:
        f.write(text)
