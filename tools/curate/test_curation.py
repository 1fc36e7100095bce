"""Tests of the substance script on small tables of its own: bad input, names, critical data, the
handbook screen and the Wagner fit. Run with: python3 -m unittest discover -s tools/curate"""

import math
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

import curate_substances as cs
import evidence as ev
import sources as s
import wagner_fit

HERE = os.path.dirname(os.path.abspath(__file__))
ATM_BAR = 1.01325

# Benzene as Perry, CRC and the critical tables give it; a Perry row with a coefficient that is no
# number; cyclohexane with the IUPAC row of methylcyclopentane, as in the transcription.
ROWS = {
    s.PERRY: ['71-43-2\tBenzene\t83.107\t-6486.2\t-9.2194\t6.9844E-06\t2\t278.68\t562.05',
              '64-17-5\tEthanol\t74.475\tx\t-7.3304\t3.1340E-06\t2\t159.05\t514',
              '71-43-2\tBenzene again\t83.107\t-6486.2\t-9.2194\t6.9844E-06\t2\t278.68\t562.05'],
    s.LANDOLT: ['15890-40-1\tr-1, c-2, t-3-Trimethylcyclo-pentane\t20.660865780926272\t3064.740758775075\t-55.15\t290.0\t417.0'],
    s.PUBCHEM: ['241\t71-43-2\tC6H6\t78.11184\tC1=CC=CC=C1\t\t\tbenzene\tbenzene',
                '27533\t15890-40-1\tC8H16\t112.21264\t\t\t\t(1r,3r)-1,2,3-trimethylcyclopentane\tac1l1dfd'],
    s.CRC_ORGANIC: ['71-43-2\tBenzene\t278.68\t353.24\t876.5\t1.5011'],
    s.YAWS_TB: ['15890-40-1\t390.65'],
    s.IUPAC_CRITICAL: ['71-43-2\tbenzene\t78.112\t562.05\t4895000\t0.000256\t0.268\t1',
                       '110-82-7\tmethylcyclopentane\t84.161\t532.7\t3790000\t0.000318\t0.272\t5'],
    s.CRC_CRITICAL: ['71-43-2\tBenzene\t562.0\t0.3\t4900000\t20000\t0.000256\t0.000003',
                     '110-82-7\tCyclohexane\t553.4\t0.3\t4070000\t10000\t0.000307\t0.000012'],
    s.PSRK_CRITICAL: ['110-82-7\tCyclohexane\t553.8\t4080358\t0.000308\t0.213'],
    s.YAWS_CRITICAL: ['110-82-7\tcyclohexane\t553.8\t4080000\t0.000308\t0.208',
                      '15890-40-1\t1,cis-2,trans-3-trimethylcyclopentane\t583.36\t2854000\t0.0004225\t0.265'],
}


def write_tables(folder, rows=ROWS, headers=s.HEADERS, leave_out=()):
    for name, header in headers.items():
        if name in leave_out:
            continue
        with open(os.path.join(folder, name), 'w', encoding='utf-8') as f:
            lines = ([] if header is None else ['\t'.join(header)]) + rows.get(name, [])
            f.write(''.join(line + '\n' for line in lines))


class Tables(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, self.folder)

    def run_script(self):
        env = dict(os.environ, PYTHONDONTWRITEBYTECODE='1')
        return subprocess.run([sys.executable, os.path.join(HERE, 'curate_substances.py'), self.folder],
                              capture_output=True, text=True, env=env)

    def test_a_missing_or_misheaded_table_stops_the_script_naming_it(self):
        cases = [('missing', dict(leave_out=(s.YAWS_TB,)), s.YAWS_TB, 'cannot be read'),
                 ('bad header', dict(headers=dict(s.HEADERS, **{s.LANDOLT: ['CAS', 'Name', 'A', 'B', 'C', 'Tmin', 'T_max']})),
                  s.LANDOLT + ' line 1', 'expected')]
        for what, kwargs, named, reason in cases:
            with self.subTest(what):
                for name in os.listdir(self.folder):
                    os.remove(os.path.join(self.folder, name))
                write_tables(self.folder, **kwargs)
                result = self.run_script()
                self.assertNotEqual(result.returncode, 0)
                self.assertIn(named, result.stderr)
                self.assertIn(reason, result.stderr)
                self.assertIn('nothing written', result.stderr)

    def test_unreadable_rows_and_repeated_cas_numbers_are_reported_not_fatal(self):
        write_tables(self.folder)
        records, rejected, *_ = cs.build(self.folder)
        reasons = {(cas, reason) for cas, _, _, reason in rejected}
        self.assertIn(('64-17-5', 'C2 "x" is not a finite number'), reasons)
        self.assertTrue(any(cas == '71-43-2' and 'CAS listed twice' in reason for cas, reason in reasons))
        shipped = {rec[0]: rec for rec in records}
        self.assertEqual(shipped['71-43-2'][1], 'PER')
        self.assertNotIn('64-17-5', shipped)

    def test_registry_codes_are_no_names(self):
        write_tables(self.folder)
        records = {rec[0]: rec for rec in cs.build(self.folder)[0]}
        # Fields: CAS, source, German name, further German name, English name, further English name.
        self.assertEqual(records['15890-40-1'][4], 'r-1, c-2, t-3-Trimethylcyclo-pentane')
        self.assertEqual(records['15890-40-1'][5], '')
        self.assertEqual(records['71-43-2'][4], 'Benzene')
        for name, code in (('ac1l1dfd', True), ('SCHEMBL12345', True), ('benzene', False),
                           ('1,2,3-trimethylcyclopentane', False), ('', False)):
            with self.subTest(name):
                self.assertEqual(cs.is_registry_code(name), code)

    def test_a_critical_row_the_other_tables_contradict_is_a_suspect(self):
        write_tables(self.folder)
        tables = s.load_tables(self.folder, [])
        entries = ev.critical_entries(tables, '110-82-7')
        self.assertEqual([(e.table, e.suspect) for e in entries],
                         [('IUPAC', True), ('CRC', False), ('PSRK', False), ('Yaws', False)])
        self.assertEqual(ev.record_critical(entries), ('553.4', '40.7'))
        self.assertEqual([p.source for p in ev.critical_points(entries)], ['CRC'])
        benzene = ev.critical_entries(tables, '71-43-2')
        self.assertFalse(any(e.suspect for e in benzene))
        # CRC states 0.2 MPa and 0.3 K: 0.4 % plus 7 x 0.05 %, less than the least tolerance.
        self.assertEqual([round(e.tolerance, 4) for e in benzene], [0.02, 0.02])


class Evidence(unittest.TestCase):
    def test_handbook_tolerance_follows_the_digits_given(self):
        for text, tolerance in (('101330.0', 0.01), ('2914.0', 0.01), ('6900.0', 0.03), ('1.7e-07', 0.03),
                                ('0.2', 0.25), ('70.0', 0.5 / 7)):
            with self.subTest(text):
                self.assertAlmostEqual(ev.handbook_tolerance(text), tolerance)

    def test_a_point_no_correlation_comes_within_half_of_is_a_suspect(self):
        curve = ev.Curve('PER', 'test', 80.0, 370.0, lambda t: math.exp(10.0 - 2500.0 / t))
        p = curve.pressure_bar(85.53)
        # The correlation's value in units of the point's (propane's 85.53 K point: 1012).
        for ratio, suspect in ((1.0, False), (1.49, False), (0.51, False), (1012.0, True), (0.4, True)):
            with self.subTest(ratio=ratio):
                point = ev.Point('handbook', 'VDI', 85.53, p / ratio, 0.03)
                self.assertEqual(ev.suspect_reason(point, [curve]) is not None, suspect)
        outside = ev.Point('handbook', 'VDI', 50.0, 1e-20, 0.03)
        self.assertIsNone(ev.suspect_reason(outside, [curve]))

    def test_boiling_points_of_two_compilations_are_met_between_them(self):
        # A curve that boils at 353 K, with Trouton's slope.
        curve = ev.Curve('T', 'test', 300.0, 400.0, lambda t: ATM_BAR * math.exp(10.5 * (t - 353.0) / 353.0))
        point = ev.Point('Tb', 'CRC and Yaws', 352.8, ATM_BAR, 0.005, [352.8, 353.3])
        self.assertEqual(point.deviation(curve), 0.0)
        below = ev.Point('Tb', 'CRC and Yaws', 350.0, ATM_BAR, 0.005, [350.0, 351.0])
        self.assertLess(below.deviation(curve), -0.05)


class WagnerFit(unittest.TestCase):
    def test_the_fit_recovers_the_constants_of_exact_points(self):
        a, b, c, d, tc, pc = -7.0, 1.5, -3.0, -2.0, 560.0, 49.0

        def pressure(t):
            tau = 1 - t / tc
            return pc * math.exp(tc / t * (a * tau + b * tau ** 1.5 + c * tau ** 3 + d * tau ** 6))
        points = [(t, pressure(t), 0.01) for t in range(280, 560, 25)] + [(559.9, pc, 0.01)]
        for got, want in zip(wagner_fit.fit(points, tc, pc), (a, b, c, d)):
            self.assertAlmostEqual(got, want, places=6)

    def test_too_few_points_below_tc_give_no_fit(self):
        with self.assertRaises(ValueError):
            wagner_fit.fit([(300.0, 0.1, 0.01), (350.0, 1.0, 0.01), (400.0, 3.0, 0.01), (559.9, 49.0, 0.01)],
                           560.0, 49.0)


if __name__ == '__main__':
    unittest.main()
