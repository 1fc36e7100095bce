"""Record equation codes evaluated the way the program evaluates them, used to screen rows before shipping."""

import math

ATM_BAR = 1.01325

# IAPWS-IF97 region 4, the ten coefficients of the saturation line.
_N = (0.11670521452767e4, -0.72421316703206e6, -0.17073846940092e2, 0.12020824702470e5,
      -0.32325550322333e7, 0.14915108613530e2, -0.48232657361591e4, 0.40511340542057e6,
      -0.23855557567849, 0.65017534844798e3)


def water_pressure_bar(temperature_k):
    n = _N
    theta = temperature_k + n[8] / (temperature_k - n[9])
    a = theta * theta + n[0] * theta + n[1]
    b = n[2] * theta * theta + n[3] * theta + n[4]
    c = n[5] * theta * theta + n[6] * theta + n[7]
    return 10.0 * (2.0 * c / (-b + math.sqrt(b * b - 4.0 * a * c))) ** 4


def water_temperature_k(pressure_bar):
    n = _N
    beta = (pressure_bar / 10.0) ** 0.25
    e = beta * beta + n[2] * beta + n[5]
    f = n[0] * beta * beta + n[3] * beta + n[6]
    g = n[1] * beta * beta + n[4] * beta + n[7]
    d = 2.0 * g / (-f - math.sqrt(f * f - 4.0 * e * g))
    return (n[9] + d - math.sqrt((n[9] + d) ** 2 - 4.0 * (n[8] + n[9] * d))) / 2.0


class Correlation:
    """The numeric part of a record: code, A..E, Tm, Tb, Tc (K), Pc (bar)."""

    def __init__(self, code, coefficients, tm=None, tb=None, tc=0.0, pc=0.0):
        self.code = code
        self.a, self.b, self.c, self.d, self.e = (float(x) for x in coefficients)
        self.tm = tm
        self.tb = tb
        self.tc = float(tc)
        self.pc = float(pc)


def _secant(residual, start):
    # Same stepping as the program: forward difference h = 1e-8, tolerance 1e-8, at most 100 steps.
    x = start
    x_new = x
    for _ in range(100):
        r0 = residual(x)
        r1 = residual(x + 1e-8)
        if r1 == r0 or math.isnan(r0) or math.isnan(r1):
            return float('nan')
        x_new = x - 1e-8 * r0 / (r1 - r0)
        if abs(x - x_new) < 1e-8:
            break
        x = x_new
    return x_new


def _wagner(k, t):
    tr = t / k.tc
    tau = 1.0 - tr
    return k.pc * math.exp((k.a * tau + k.b * tau ** 1.5 + k.c * tau ** 3 + k.d * tau ** 6) / tr)


def pressure_bar(k, t):
    code = k.code
    if code == '3':
        return math.exp(k.a - k.b / (k.c + t))
    if code == '1.8':
        return 10.0 ** (k.a - k.b / (k.c + t)) / 100.0
    if code == '2000':
        return 10.0 ** (k.a - k.b / (k.c + t - 273.15)) / 750.062
    if code in ('1', '42'):
        if t > 0.999 * k.tc:
            return k.pc
        return _wagner(k, t)
    if code == '101':
        return math.exp(k.a + k.b / t + k.c * math.log(t) + k.d * t ** k.e) / 1e5
    if code == '999':
        return water_pressure_bar(t)
    raise ValueError('code not screened: ' + code)


def _interpolate_log(p, t1, p1, t2, p2):
    slope = (math.log10(p2) - math.log10(p1)) / (t2 - t1)
    return t1 + (math.log10(p) - math.log10(p1)) / slope


def boiling_temperature_k(k, p):
    code = k.code
    if code == '3':
        return k.b / (k.a - math.log(p)) - k.c
    if code == '1.8':
        return k.b / (k.a - math.log10(100.0 * p)) - k.c
    if code == '2000':
        return k.b / (k.a - math.log10(750.062 * p)) - k.c + 273.15
    if code == '999':
        return water_temperature_k(p)
    if code in ('1', '42'):
        if p > 0.9999999 * k.pc:
            return k.tc
        target = math.log(p / k.pc)

        def residual(t):
            tau = 1.0 - t / k.tc
            if tau < 0:
                return float('nan')
            return (k.tc / t) * (k.a * tau + k.b * tau ** 1.5 + k.c * tau ** 3 + k.d * tau ** 6) - target
        return _secant(residual, k.tb)
    if code == '101':
        start = _interpolate_log(p, k.tb, ATM_BAR, k.tc, k.pc)
        if start < k.tb:
            start = k.tb

        def residual(t):
            try:
                return math.exp(k.a + k.b / t + k.c * math.log(t) + k.d * t ** k.e) - 1e5 * p
            except (OverflowError, ValueError):
                return float('nan')
        return _secant(residual, start)
    raise ValueError('code not screened: ' + code)


def screen(k, tmin, tmax, tb_check):
    """Returns (reason or None, relative deviation at Tb or None). tb_check is the record's Tb or None."""
    if not tmin < tmax:
        return 'Tmin >= Tmax', None
    if k.code in ('1', '42') and tmax > k.tc:
        return 'Tmax above the Wagner Tc', None
    try:
        for t in (tmin, tmax):
            p = pressure_bar(k, t)
            if not (math.isfinite(p) and p > 0):
                return 'pressure at %g K not finite and positive' % t, None
            back = boiling_temperature_k(k, p)
            # The program iterates in long double; keep a margin below its 1e-4 K acceptance.
            if not abs(back - t) < 5e-5:
                return 'inverse at %g K returns %r K' % (t, back), None
        last = 0.0
        for i in range(20):
            t = tmin + (tmax - tmin) * i / 19
            p = pressure_bar(k, t)
            if not p > last:
                return 'pressure does not rise with T near %g K' % t, None
            last = p
        dev = None
        if tb_check is not None and tmin <= tb_check <= tmax:
            dev = pressure_bar(k, tb_check) / ATM_BAR - 1.0
            if abs(dev) > 0.05:
                return 'p(Tb) misses 1 atm by %.1f %%' % (100 * dev), dev
    except (OverflowError, ValueError, ZeroDivisionError) as err:
        return 'arithmetic fault: %s' % err, None
    return None, dev
