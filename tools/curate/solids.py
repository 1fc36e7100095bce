#!/usr/bin/env python3
"""Builds data/tenso4.tsv, the solids dissolved in a solvent, from tools/curate/solids.tsv.

Usage: solids.py REFERENCE_DIR

The molar mass of each solid follows from its formula and the IUPAC standard atomic weights and is
checked against PubChem's where that lists the CAS number. The upper limit is the published melting
point of a solid that decomposes on melting, from the table solids.tsv names (CRC, ONS or ChemSep);
empty where none is listed. Lines are in the program's German order. Then data/README.md is
rewritten. The output depends only on the inputs."""

import os
import sys

from formulas import molar_mass, parse_formula
from german_order import sort_by_name
import readme

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, '..', '..'))
LABEL = 'Tensimo 2026'
MASS_AGREEMENT = 0.001  # relative, against PubChem's molar mass

HEADER = [
    'Feststoffe\t%s\tFelder: id, Name, weiterer Name, Name (englisch), weiterer Name (englisch), Formel, CAS, '
    'Quelle der Grenze, M (kg/kmol), obere Grenze (K)' % LABEL,
    'Einheiten\tkg/kmol, K\tleere Grenze = keine bekannt',
    'Quellen\tsiehe data/README.md',
    'Molmassen\taus den Standard-Atomgewichten der IUPAC',
    'Grenzen\tZersetzungstemperatur (Schmelzpunkt unter Zersetzung): CRC, ONS oder ChemSep',
]


def read_table(path, header=True):
    with open(path, encoding='utf-8') as f:
        rows = [line.rstrip('\n').split('\t') for line in f if line.strip() and not line.startswith('#')]
    return rows[1:] if header else rows


class References:
    def __init__(self, folder):
        def path(name):
            return os.path.join(folder, name)
        self.melting = {'CRC': {}, 'ONS': {}, 'ChemSep': {}}
        for name in ('Physical Constants of Organic Compounds.csv', 'Physical Constants of Inorganic Compounds.csv'):
            for row in read_table(path(name)):
                if len(row) > 2 and row[2]:
                    self.melting['CRC'][row[0]] = row[2]
        self.known = set()
        for name in ('Physical Constants of Organic Compounds.csv', 'Physical Constants of Inorganic Compounds.csv'):
            self.known.update(row[0] for row in read_table(path(name)))
        for row in read_table(path('OpenNotebook Melting Points.tsv')):
            self.melting['ONS'][row[0]] = row[1]
            self.known.add(row[0])
        for row in read_table(path('ChemSep8.32_extract.tsv')):
            if row[6]:
                self.melting['ChemSep'][row[2]] = row[6]
            self.known.add(row[2])
        self.known.update(row[0] for row in read_table(path('Yaws Collection.tsv')))
        self.pubchem_mass = {row[1]: row[3] for row in read_table(path('chemical identifiers pubchem small.tsv'), False)}
        self.known.update(self.pubchem_mass)


def solid_line(row, refs):
    sid, german, german2, english, english2, formula, cas, limit_source = (row + [''] * 8)[:8]
    counts = parse_formula(formula)
    if counts is None:
        raise ValueError('%s: unreadable formula %s' % (german, formula))
    if cas not in refs.known:
        raise ValueError('%s: CAS %s is in none of the reference tables' % (german, cas))
    mass = molar_mass(counts)
    listed = refs.pubchem_mass.get(cas)
    if listed and abs(mass / float(listed) - 1.0) > MASS_AGREEMENT:
        raise ValueError('%s: M %.3f from %s disagrees with PubChem %s' % (german, mass, formula, listed))
    limit = ''
    if limit_source:
        limit = refs.melting.get(limit_source, {}).get(cas, '')
        if not limit or not float(limit) > 273.15:
            raise ValueError('%s: no melting point above 273.15 K in %s' % (german, limit_source))
    return [sid, german, german2, english, english2, formula, cas, limit_source, '%.3f' % mass, limit]


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    refs = References(sys.argv[1])
    try:
        solids = [solid_line(row, refs) for row in read_table(os.path.join(HERE, 'solids.tsv'))]
        for column in (1, 3):
            names = [s[column] for s in solids]
            if len(set(names)) != len(names):
                raise ValueError('a name occurs twice in column %d of solids.tsv' % (column + 1))
        solids = sort_by_name(solids, lambda s: s[1])
    except ValueError as err:
        sys.exit('solids: %s' % err)
    with open(os.path.join(ROOT, 'data', 'tenso4.tsv'), 'w', encoding='utf-8', newline='\n') as f:
        f.write('\n'.join(HEADER + ['\t'.join(s) for s in solids]) + '\n')
    print('solids:', len(solids), 'with a limit:', sum(1 for s in solids if s[9]))
    readme.write_readme()


if __name__ == '__main__':
    main()
