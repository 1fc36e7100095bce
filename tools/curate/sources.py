"""The published tables the substance database is built from, read and checked.

Every table must exist and start with the header it is expected to have; otherwise InputError names
the file (and line 1). A row whose needed numbers cannot be read, or are not finite, is left out and
reported as a rejected row, as is the second row of a CAS number that a table lists twice."""

import math
import os

# McGarry's rows with these names carry the CAS numbers of the cyclohexanes; Tc shows they are the benzenes.
MCGARRY_CAS_BY_NAME = {'chlorobenzene': '108-90-7', 'ethylbenzene': '100-41-4', 'butylbenzene': '104-51-8'}

PERRY = 'Table 2-8 Vapor Pressure of Inorganic and Organic Liquids.tsv'
MCGARRY = 'Wagner Original McGarry.tsv'
POLING = 'Antoine Collection Poling.tsv'
POLING_EXTENDED = 'Antoine Extended Collection Poling.tsv'
POLING_WAGNER = 'Wagner Collection Poling.tsv'
VDI_PPDS = 'VDI PPDS Boiling temperatures at different pressures.tsv'
CHEMSEP = 'ChemSep8.32_extract.tsv'
LANDOLT = 'Landolt_antoine_V20.tsv'
ALCOCK = 'Alcock_Itkin_Horrigan_metalic_elements.tsv'
WEBBOOK = 'webbook_constants.tsv'
PUBCHEM = 'chemical identifiers pubchem small.tsv'
CRC_ORGANIC = 'Physical Constants of Organic Compounds.csv'
CRC_INORGANIC = 'Physical Constants of Inorganic Compounds.csv'
YAWS_TB = 'Yaws Boiling Points.tsv'
OPEN_NOTEBOOK_TM = 'OpenNotebook Melting Points.tsv'
IUPAC_CRITICAL = 'IUPACOrganicCriticalProps.tsv'
CRC_CRITICAL = 'CRCCriticalOrganics.tsv'
MATHEWS_CRITICAL = 'Mathews1972InorganicCriticalProps.tsv'
PSRK_CRITICAL = 'Appendix to PSRK Revision 4.tsv'
YAWS_CRITICAL = 'Yaws Collection.tsv'
HEOS = 'heos_constants.tsv'
HANDBOOK = 'VDI_saturation_points.tsv'

HEADERS = {
    PERRY: ['CAS', 'Chemical', 'C1', 'C2', 'C3', 'C4', 'C5', 'Tmin', 'Tmax'],
    MCGARRY: ['CAS', 'Name', 'A', 'B', 'C', 'D', 'Pc', 'Tc', 'Tmin'],
    POLING: ['CAS', 'Chemical', 'A', 'B', 'C', 'Tmin', 'Tmax'],
    POLING_EXTENDED: ['CAS', 'Chemical', 'A', 'B', 'C', 'Tc', 'to', 'n', 'E', 'F', 'Tmin', 'Tmax'],
    POLING_WAGNER: ['CAS', 'Name', 'A', 'B', 'C', 'D', 'Tc', 'Pc', 'Tmin', 'Tmax'],
    VDI_PPDS: ['CAS', 'Chemical', 'Tm', 'Tc', 'Pc', 'A', 'B', 'C', 'D'],
    CHEMSEP: ['Index', 'Name', 'CAS', 'Structure', 'SMILES', 'MW_g_per_mol', 'Tm_K', 'Tb_K', 'Tt_K', 'Pt_Pa',
              'Tc_K', 'Pc_Pa', 'Vc_m3_per_kmol', 'omega', 'VP_eqno', 'VP_A', 'VP_B', 'VP_C', 'VP_D', 'VP_E',
              'VP_Tmin_K', 'VP_Tmax_K', 'Antoine_eqno', 'Antoine_A', 'Antoine_B', 'Antoine_C',
              'Antoine_Tmin_K', 'Antoine_Tmax_K'],
    LANDOLT: ['CAS', 'Name', 'A', 'B', 'C', 'Tmin', 'Tmax'],
    ALCOCK: ['CAS', 'name', 'A', 'B', 'C', 'D', 'E', 'Tmin', 'Tmax'],
    WEBBOOK: ['CAS', 'Tt', 'Tm', 'Tb', 'Tc', 'Pt', 'Pc', 'Vc', 'Hfs', 'Hfl', 'Hfg', 'S0s', 'S0l', 'S0g', 'Hsub',
              'Hfus', 'Hvap', 'AntoineTmin', 'AntoineTmax', 'AntoineA', 'AntoineB', 'AntoineC'],
    PUBCHEM: None,  # no header line
    CRC_ORGANIC: ['CAS', 'Name', 'Tm', 'Tb', 'rho', 'RI'],
    CRC_INORGANIC: ['CAS', 'Chemical', 'Tm', 'Tb', 'rho'],
    YAWS_TB: ['CAS', 'Tb'],
    OPEN_NOTEBOOK_TM: ['CAS', 'Tm'],
    IUPAC_CRITICAL: ['CAS', 'Chemical', 'MW', 'Tc', 'Pc', 'Vc', 'Zc', 'Reference'],
    CRC_CRITICAL: ['CAS', 'Chemical', 'Tc', 'Tc_error', 'Pc', 'Pc_error', 'Vc', 'Vc_error'],
    MATHEWS_CRITICAL: ['CAS', 'Chemical', 'MW', 'Tc', 'Pc', 'Vc', 'Zc'],
    PSRK_CRITICAL: ['CAS', 'Chemical', 'Tc', 'Pc', 'Vc', 'omega'],
    YAWS_CRITICAL: ['CAS', 'Chemical', 'Tc', 'Pc', 'Vc', 'omega'],
    HEOS: ['CAS', 'ID', 'name', 'Tc', 'Pc', 'Vc', 'Tt', 'Pt', 'Tb', 'omega'],
    HANDBOOK: ['CAS', 'Name', 'T_K', 'P_Pa'],
}


class InputError(Exception):
    """A table is missing or not the one expected; the script stops and names it."""


def num(text):
    """The finite number a field holds, or None."""
    try:
        value = float(text)
    except (TypeError, ValueError):
        return None
    return value if math.isfinite(value) else None


class Row(list):
    """The stripped fields of one line, with the line number for reports."""

    def __init__(self, fields, line):
        super().__init__(fields)
        self.line = line
        self.cas = ''

    def field(self, index):
        return self[index] if index < len(self) else ''


def read_table(folder, name):
    path = os.path.join(folder, name)
    try:
        with open(path, encoding='utf-8') as f:
            lines = f.read().splitlines()
    except OSError as err:
        raise InputError('%s: cannot be read (%s)' % (path, err.strerror or err)) from err
    expected = HEADERS[name]
    first = 0
    if expected is not None:
        header = [field.strip() for field in lines[0].split('\t')] if lines else []
        if header != expected:
            raise InputError('%s line 1: the header is "%s", expected "%s"'
                             % (path, '\t'.join(header), '\t'.join(expected)))
        first = 1
    return [Row([field.strip() for field in line.split('\t')], number)
            for number, line in enumerate(lines[first:], first + 1) if line.strip()]


class Table:
    """One table's rows keyed by CAS, the first row of a CAS winning; faults go to `rejected`.

    `needed` are the columns a row cannot be used without (numbers, finite); `optional` numeric
    columns may be empty, but text there is reported and the value taken as missing."""

    def __init__(self, folder, name, rejected, cas_column=0, name_column=1, needed=(), optional=(), cas_of=None):
        self.name = name
        self.rows = []
        self.by_cas = {}
        short = os.path.splitext(name)[0]
        for row in read_table(folder, name):
            cas = cas_of(row) if cas_of else row.field(cas_column)
            row.cas = cas
            label = '%s line %d' % (short, row.line)
            what = row.field(name_column) if name_column is not None else ''
            bad = [(column, row.field(column)) for column in needed if num(row.field(column)) is None]
            if bad:
                rejected.append((cas, what, label, '; '.join('%s "%s" is not a finite number'
                                                             % (self.column_name(c), text) for c, text in bad)))
                continue
            for column in optional:
                if row.field(column) and num(row.field(column)) is None:
                    rejected.append((cas, what, label, '%s "%s" is not a number; taken as not known'
                                     % (self.column_name(column), row.field(column))))
                    while len(row) <= column:
                        row.append('')
                    row[column] = ''
            if cas in self.by_cas:
                rejected.append((cas, what, label, 'CAS listed twice in the table (first on line %d); '
                                 'the second row is not used' % self.by_cas[cas].line))
                continue
            self.by_cas[cas] = row
            self.rows.append(row)

    def column_name(self, column):
        header = HEADERS[self.name]
        return header[column] if header and column < len(header) else 'column %d' % (column + 1)

    def get(self, cas):
        return self.by_cas.get(cas)

    def __contains__(self, cas):
        return cas in self.by_cas


def load_tables(folder, rejected):
    """Every table the script reads, as Table objects keyed by the file names above."""
    def table(name, **kw):
        return Table(folder, name, rejected, **kw)
    tables = {
        PERRY: table(PERRY, needed=range(2, 9)),
        MCGARRY: table(MCGARRY, needed=range(2, 9),
                       cas_of=lambda row: MCGARRY_CAS_BY_NAME.get(row.field(1).lower(), row.field(0))),
        POLING: table(POLING, needed=range(2, 7)),
        POLING_EXTENDED: table(POLING_EXTENDED, needed=range(2, 12)),
        POLING_WAGNER: table(POLING_WAGNER, needed=range(2, 10)),
        VDI_PPDS: table(VDI_PPDS, needed=range(2, 9)),
        CHEMSEP: table(CHEMSEP, cas_column=2, optional=(5, 6, 7, 10, 11, 15, 16, 17, 18, 19, 20, 21)),
        LANDOLT: table(LANDOLT, needed=range(2, 7)),
        ALCOCK: table(ALCOCK, needed=range(2, 9)),
        WEBBOOK: table(WEBBOOK, name_column=None, optional=(3, 4, 6, 17, 18, 19, 20, 21)),
        PUBCHEM: table(PUBCHEM, cas_column=1, name_column=8, optional=(3,)),
        CRC_ORGANIC: table(CRC_ORGANIC, optional=(2, 3)),
        CRC_INORGANIC: table(CRC_INORGANIC, optional=(2, 3)),
        YAWS_TB: table(YAWS_TB, name_column=None, optional=(1,)),
        OPEN_NOTEBOOK_TM: table(OPEN_NOTEBOOK_TM, name_column=None, optional=(1,)),
        IUPAC_CRITICAL: table(IUPAC_CRITICAL, optional=(2, 3, 4)),
        CRC_CRITICAL: table(CRC_CRITICAL, optional=(2, 3, 4, 5)),
        MATHEWS_CRITICAL: table(MATHEWS_CRITICAL, optional=(2, 3, 4)),
        PSRK_CRITICAL: table(PSRK_CRITICAL, optional=(2, 3)),
        YAWS_CRITICAL: table(YAWS_CRITICAL, optional=(2, 3)),
        HEOS: table(HEOS, optional=(3, 4)),
    }
    return tables
