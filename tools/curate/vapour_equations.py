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


def _secant(residual, start, lower=-math.inf, upper=math.inf):
    # Same stepping as the program: forward difference h = 1e-8, tolerance 1e-8, at most 100 steps; a
    # step that would leave the open interval (lower, upper) where the residual is defined is halved.
    def inside(x):
        return lower < x and x + 1e-8 < upper
    x = start
    x_new = x
    for _ in range(100):
        r0 = residual(x)
        r1 = residual(x + 1e-8)
        if r1 == r0 or not math.isfinite(r0) or not math.isfinite(r1):
            return float('nan')
        step = -1e-8 * r0 / (r1 - r0)
        x_new = x + step
        for _ in range(64):
            if inside(x_new):
                break
            step /= 2.0
            x_new = x + step
        if not (math.isfinite(x_new) and inside(x_new)):
            return float('nan')
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
        return _secant(residual, k.tb, 0.0, k.tc)
    if code == '101':
        start = _interpolate_log(p, k.tb, ATM_BAR, k.tc, k.pc)
        if start < k.tb:
            start = k.tb

        def residual(t):
            try:
                return math.exp(k.a + k.b / t + k.c * math.log(t) + k.d * t ** k.e) - 1e5 * p
            except (OverflowError, ValueError):
                return float('nan')
        return _secant(residual, start, 0.0)
    raise ValueError('code not screened: ' + code)


# Plausibility beyond the range. A vapour pressure never exceeds the critical pressure; the record's
# Pc may come from another compilation than the fit, and near Tc ln p rises about 7 times as fast as
# ln T, so a few per cent between the two Tc values is allowed for.
PC_MARGIN = 1.5
# Without a known Pc: no liquid of the database has a critical pressure near this.
CEILING_BAR = 1000.0
# The chord of ln p over 1/T through the range ends, extrapolated to Tb, overestimates p on both sides
# (ln p is concave in 1/T), so a low value means a faulty row at any distance. The high side widens with
# the distance: 2 up to about 50 K, then as the 99th percentile of wide-range fits cut to narrow windows.
CHORD_LOW = 0.5
CHORD_HIGH_CAP = 30.0


def pressure_ceiling_bar(pc):
    return PC_MARGIN * pc if pc > 0 else CEILING_BAR


def chord_factor(distance_k):
    return min(2.0 * math.exp(0.6 * (distance_k / 100.0) ** 2), CHORD_HIGH_CAP)


def chord_pressure_bar(k, tmin, tmax, t):
    """ln p linear in 1/T through p(Tmin) and p(Tmax), evaluated at t."""
    p1 = pressure_bar(k, tmin)
    p2 = pressure_bar(k, tmax)
    slope = (math.log(p2) - math.log(p1)) / (1.0 / tmax - 1.0 / tmin)
    return math.exp(math.log(p1) + slope * (1.0 / t - 1.0 / tmin))


def shape_screen(k, tmin, tmax):
    """Reason the equation is unsound in its own range, or None."""
    if not tmin < tmax:
        return 'Tmin >= Tmax'
    if k.code in ('1', '42') and tmax > k.tc:
        return 'Tmax above the Wagner Tc'
    try:
        for t in (tmin, tmax):
            p = pressure_bar(k, t)
            if not (math.isfinite(p) and p > 0):
                return 'pressure at %g K not finite and positive' % t
            back = boiling_temperature_k(k, p)
            # The program iterates in long double; keep a margin below its 1e-4 K acceptance.
            if not abs(back - t) < 5e-5:
                return 'inverse at %g K returns %r K' % (t, back)
        last = 0.0
        for i in range(20):
            t = tmin + (tmax - tmin) * i / 19
            p = pressure_bar(k, t)
            if not p > last:
                return 'pressure does not rise with T near %g K' % t
            last = p
        ceiling = pressure_ceiling_bar(k.pc)
        if last > ceiling:
            return 'p(Tmax) = %.4g bar above the ceiling %.4g bar' % (last, ceiling)
    except (OverflowError, ValueError, ZeroDivisionError) as err:
        return 'arithmetic fault: %s' % err
    return None


def boiling_screen(k, tmin, tmax, tb):
    """Returns (reason or None, deviation or None) for the record's Tb.

    In range the deviation is p(Tb)/1 atm - 1. Outside it is how far the range end nearest Tb lies on
    the wrong side of 1 atm (0 when below Tb the pressure is below 1 atm and above Tb above it)."""
    if tb is None:
        return None, None
    try:
        if tmin <= tb <= tmax:
            dev = pressure_bar(k, tb) / ATM_BAR - 1.0
        elif tb > tmax:
            dev = max(0.0, pressure_bar(k, tmax) / ATM_BAR - 1.0)
        else:
            dev = min(0.0, pressure_bar(k, tmin) / ATM_BAR - 1.0)
        if abs(dev) > 0.05:
            where = 'p(Tb)' if tmin <= tb <= tmax else 'p at the range end nearest Tb'
            return '%s misses 1 atm by %.1f %%' % (where, 100 * dev), dev
        if not tmin <= tb <= tmax:
            distance = tmin - tb if tb < tmin else tb - tmax
            ratio = chord_pressure_bar(k, tmin, tmax, tb) / ATM_BAR
            if not CHORD_LOW <= ratio <= chord_factor(distance):
                return ('extrapolated p(Tb) = %.3g atm, %.0f K from the range (allowed %.2f to %.2f)'
                        % (ratio, distance, CHORD_LOW, chord_factor(distance))), dev
    except (OverflowError, ValueError, ZeroDivisionError) as err:
        return 'arithmetic fault: %s' % err, None
    return None, dev


def screen(k, tmin, tmax, tb_check):
    """Returns (reason or None, deviation at Tb or None). tb_check is the record's Tb or None."""
    reason = shape_screen(k, tmin, tmax)
    if reason:
        return reason, None
    return boiling_screen(k, tmin, tmax, tb_check)
