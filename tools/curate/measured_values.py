#!/usr/bin/env python3
"""Builds data/tenso7.tsv, the measured-values file, from the VDI saturation table and the database.

Usage: measured_values.py VDI_SATURATION_POINTS_TSV

Every point of the table (columns CAS, Name, T_K, P_Pa) becomes t = T_K - 273.15 degC and
p = P_Pa / 1000 kPa, both exact, written as plain decimals with a decimal comma. Water gets one more
line of IAPWS-IF97 saturation pressures computed with the program's coefficients. Names, CAS and
formula come from the record of data/tenso20.tsv with the same CAS number; a fluid without a record is
left out and named in the header and in data/README.md, and so is every point that
tools/curate/handbook_suspects.tsv lists (curate_substances.py writes it: no correlation of the
substance comes within 50 % of it). A row that cannot be read stops the script before anything is
written. Rerun it whenever tenso20.tsv changes; the output depends only on the inputs."""

import os
import re
import sys
from decimal import Decimal, InvalidOperation, ROUND_HALF_EVEN

import vapour_equations as ve
from german_order import collation_key
import readme

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, '..', '..'))
LABEL = 'Tensimo 2026'
WATER_CAS = '7732-18-5'
KELVIN_OFFSET = Decimal('273.15')
VDI_SOURCE = 'VDI-Wärmeatlas, 2. Aufl. 2010, Tabellenwerte (geglättet, keine Rohmesswerte)'
IF97_SOURCE = 'IAPWS-IF97, berechnete Werte (keine Messwerte)'
# 0,01 degC (the triple point), every 10 degC from 10 to 370 degC, and the critical point.
WATER_CELSIUS = [Decimal('0.01')] + [Decimal(t) for t in range(10, 371, 10)] + [Decimal('373.946')]
NONE_LEFT_OUT = 'keine'
SUSPECTS = os.path.join(HERE, 'handbook_suspects.tsv')


class RowError(Exception):
    pass


def decimal_text(value):
    """Plain decimal, no exponent, no trailing zeros, decimal comma."""
    text = format(value.normalize(), 'f')
    return text.replace('.', ',')


def significant(value, digits):
    """value rounded to the given number of significant digits, trailing zeros kept."""
    d = Decimal(repr(value))
    q = d.quantize(Decimal(1).scaleb(d.adjusted() - digits + 1), rounding=ROUND_HALF_EVEN)
    if q.adjusted() != d.adjusted():  # rounded up to the next power of ten
        q = d.quantize(Decimal(1).scaleb(q.adjusted() - digits + 1), rounding=ROUND_HALF_EVEN)
    return format(q, 'f').replace('.', ',')


def positive(text):
    try:
        value = Decimal(text)
    except InvalidOperation:
        return None
    return value if value.is_finite() and value > 0 else None


def read_points(path):
    """{CAS: [(t degC, p kPa)]} in ascending temperature, CAS in file order; RowError for a bad row."""
    fluids = {}
    with open(path, encoding='utf-8') as f:
        lines = f.read().splitlines()
    if not lines or lines[0].split('\t')[:4] != ['CAS', 'Name', 'T_K', 'P_Pa']:
        raise RowError('%s line 1: expected the header CAS, Name, T_K, P_Pa' % path)
    for number, line in enumerate(lines[1:], 2):
        fields = line.split('\t')
        where = '%s line %d ("%s")' % (path, number, line)
        if len(fields) < 4 or not all(f.strip() for f in fields[:4]):
            raise RowError('%s: a field is missing' % where)
        cas, _, kelvin, pascal = (f.strip() for f in fields[:4])
        if not re.fullmatch(r'\d+-\d\d-\d', cas):
            raise RowError('%s: "%s" is no CAS number' % (where, cas))
        t, p = positive(kelvin), positive(pascal)
        if t is None:
            raise RowError('%s: the temperature is not a number > 0' % where)
        if p is None:
            raise RowError('%s: the pressure is not a number > 0' % where)
        points = fluids.setdefault(cas, [])
        if any(t == earlier for earlier, _ in points):
            raise RowError('%s: a second point at %s K' % (where, kelvin))
        points.append((t, p))
    return {cas: sorted((t - KELVIN_OFFSET, p / 1000) for t, p in points) for cas, points in fluids.items()}


def read_suspects(path=SUSPECTS):
    """{(CAS, T in K)} of the handbook points not shipped."""
    with open(path, encoding='utf-8') as f:
        rows = [line.split('\t') for line in f.read().splitlines()[1:] if line.strip()]
    return {(row[0], Decimal(row[2])) for row in rows}


def read_records(path):
    with open(path, encoding='utf-8') as f:
        lines = f.read().splitlines()[3:]
    return {line.split('\t')[2]: line.split('\t') for line in lines if line.strip()}


def water_points():
    return [(decimal_text(t), significant(ve.water_pressure_bar(float(t + KELVIN_OFFSET)) * 100.0, 6))
            for t in WATER_CELSIUS]


def measured_line(record, source_code, source, points):
    fields = [record[0], source_code, record[2], record[3], record[4], record[5], record[6], record[7],
              record[8], str(len(points)), source]
    for t, p in points:
        fields += [t, p]
    return '\t'.join(fields)


def build(reference_path, database_path, suspects=frozenset()):
    fluids = read_points(reference_path)
    fluids = {cas: [(t, p) for t, p in points if (cas, t + KELVIN_OFFSET) not in suspects]
              for cas, points in fluids.items()}
    records = read_records(database_path)
    lines, left_out = [], []
    names = {}
    with open(reference_path, encoding='utf-8') as f:
        for row in f.read().splitlines()[1:]:
            names.setdefault(row.split('\t')[0], row.split('\t')[1])
    for cas, points in fluids.items():
        if cas not in records:
            left_out.append('%s %s' % (cas, names[cas]))
            continue
        lines.append(measured_line(records[cas], 'VDI', VDI_SOURCE,
                                   [(decimal_text(t), decimal_text(p)) for t, p in points]))
    if WATER_CAS in records:
        lines.append(measured_line(records[WATER_CAS], 'IF97', IF97_SOURCE, water_points()))
    else:
        left_out.append('%s Water (IAPWS-IF97)' % WATER_CAS)
    # The program sorts the list itself; the file keeps the same order for the reader.
    lines.sort(key=lambda line: (collation_key(line.split('\t')[4]), line))
    return lines, left_out


def header(left_out):
    return [
        'Messwerte\t%s\tFelder: id des Datensatzes, Quelle, CAS, Status, Name, weiterer Name, Name (englisch), '
        'weiterer Name (englisch), Formel, Anzahl Punkte, Quelle, dann Paare t (°C), p (kPa)' % LABEL,
        'Einheiten\t°C, kPa',
        'Quellen\tsiehe data/README.md',
        'VDI\tVDI-Wärmeatlas, 2. Aufl., Springer 2010: Tabellenwerte der Sättigungsdrücke, '
        'übertragen in CalebBell/chemicals (MIT-Lizenz)',
        'IF97\tIAPWS R7-97(2012), Region 4, mit den Koeffizienten des Programms berechnet',
        'Hinweis\tgeglättete Handbuchwerte und berechnete Werte, keine Rohmesswerte; zweifelhafte Punkte '
        'ausgelassen (siehe data/README.md)',
        'Namen\taus dem Datensatz gleicher CAS-Nummer in tenso20.dad',
        'Umrechnung\tt = T - 273,15 K; p = Pa / 1000, beides exakt',
        'Ohne Datensatz\t%s' % ('; '.join(left_out) if left_out else NONE_LEFT_OUT),
        'Erzeugt\ttools/curate/measured_values.py',
    ]


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    try:
        lines, left_out = build(sys.argv[1], os.path.join(ROOT, 'data', 'tenso20.tsv'), read_suspects())
    except (RowError, OSError) as err:
        sys.exit('measured_values: %s; nothing written' % err)
    with open(os.path.join(ROOT, 'data', 'tenso7.tsv'), 'w', encoding='utf-8', newline='\n') as f:
        f.write('\n'.join(header(left_out) + lines) + '\n')
    print('measured values: %d lines, left out: %s' % (len(lines), '; '.join(left_out) or NONE_LEFT_OUT))
    readme.write_readme()


if __name__ == '__main__':
    main()
