"""Weighted least-squares fit of the Wagner 3-6 form of record code "1" through a given critical point:
ln(p/Pc) = (Tc/T)(A tau + B tau^1.5 + C tau^3 + D tau^6), tau = 1 - T/Tc.

With Tc and Pc fixed the form is linear in A..D: T/Tc ln(p/Pc) = A tau + B tau^1.5 + C tau^3 + D tau^6.
Each point weighs by the inverse of its relative tolerance in p, so the residuals are errors in ln p."""

import math

# The program returns Pc above 0.999 Tc: points there carry no information on A..D.
CRITICAL_LIMIT = 0.999


def _householder_solve(rows, rhs):
    """Least-squares solution of rows x = rhs (rows: m lists of n numbers, m >= n) by Householder QR."""
    a = [list(r) for r in rows]
    b = list(rhs)
    m, n = len(a), len(a[0])
    for j in range(n):
        norm = math.sqrt(sum(a[i][j] ** 2 for i in range(j, m)))
        if norm == 0.0:
            raise ValueError('the points do not determine the coefficients')
        alpha = -norm if a[j][j] > 0 else norm
        v = [0.0] * m
        v[j] = a[j][j] - alpha
        for i in range(j + 1, m):
            v[i] = a[i][j]
        vv = sum(x * x for x in v[j:])
        if vv == 0.0:
            continue
        for k in range(j, n):
            f = 2.0 * sum(v[i] * a[i][k] for i in range(j, m)) / vv
            for i in range(j, m):
                a[i][k] -= f * v[i]
        f = 2.0 * sum(v[i] * b[i] for i in range(j, m)) / vv
        for i in range(j, m):
            b[i] -= f * v[i]
    x = [0.0] * n
    for j in reversed(range(n)):
        if abs(a[j][j]) < 1e-300:
            raise ValueError('the points do not determine the coefficients')
        x[j] = (b[j] - sum(a[j][k] * x[k] for k in range(j + 1, n))) / a[j][j]
    return x


def fit(points, tc, pc):
    """A, B, C, D for (T K, p bar, relative tolerance) points; ValueError when they cannot fix four
    coefficients (fewer than four usable points, or points that do not separate the terms)."""
    rows, rhs = [], []
    for t, p, tolerance in points:
        if not (0 < t < CRITICAL_LIMIT * tc) or not p > 0 or not tolerance > 0:
            continue
        tau = 1.0 - t / tc
        weight = (tc / t) / tolerance
        rows.append([weight * tau, weight * tau ** 1.5, weight * tau ** 3, weight * tau ** 6])
        rhs.append(weight * (t / tc) * math.log(p / pc))
    if len(rows) < 4:
        raise ValueError('fewer than four points below the critical point')
    return _householder_solve(rows, rhs)


def coefficient_text(value):
    """Ten significant digits: the rounding changes ln p by far less than 1e-8."""
    return repr(float('%.10g' % value))
