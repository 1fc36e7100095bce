"""Molecular formulas: reading Hill and structural formula text, molar mass, Hill order."""

import re
from collections import Counter

# Standard atomic weights (IUPAC, conventional values for the elements with ranges).
ATOMIC_WEIGHT = {
    'H': 1.008, 'D': 2.014, 'He': 4.002602, 'Li': 6.94, 'Be': 9.0121831, 'B': 10.81, 'C': 12.011,
    'N': 14.007, 'O': 15.999, 'F': 18.998403163, 'Ne': 20.1797, 'Na': 22.98976928, 'Mg': 24.305,
    'Al': 26.9815385, 'Si': 28.085, 'P': 30.973761998, 'S': 32.06, 'Cl': 35.45, 'Ar': 39.948,
    'K': 39.0983, 'Ca': 40.078, 'Sc': 44.955908, 'Ti': 47.867, 'V': 50.9415, 'Cr': 51.9961,
    'Mn': 54.938044, 'Fe': 55.845, 'Co': 58.933194, 'Ni': 58.6934, 'Cu': 63.546, 'Zn': 65.38,
    'Ga': 69.723, 'Ge': 72.630, 'As': 74.921595, 'Se': 78.971, 'Br': 79.904, 'Kr': 83.798,
    'Rb': 85.4678, 'Sr': 87.62, 'Y': 88.90584, 'Zr': 91.224, 'Nb': 92.90637, 'Mo': 95.95,
    'Ru': 101.07, 'Rh': 102.90550, 'Pd': 106.42, 'Ag': 107.8682, 'Cd': 112.414, 'In': 114.818,
    'Sn': 118.710, 'Sb': 121.760, 'Te': 127.60, 'I': 126.90447, 'Xe': 131.293, 'Cs': 132.90545196,
    'Ba': 137.327, 'La': 138.90547, 'Ce': 140.116, 'Hf': 178.49, 'Ta': 180.94788, 'W': 183.84,
    'Re': 186.207, 'Os': 190.23, 'Ir': 192.217, 'Pt': 195.084, 'Au': 196.966569, 'Hg': 200.592,
    'Tl': 204.38, 'Pb': 207.2, 'Bi': 208.98040, 'Po': 209.0, 'Rn': 222.0, 'Ra': 226.0,
    'Th': 232.0377, 'U': 238.02891, 'Pu': 244.0,
}

_TOKEN = re.compile(r'([A-Z][a-z]?)(\d*)|(\()|(\))(\d*)')


def parse_formula(text):
    """Element counts of a Hill or structural formula ("CH3(CH2)4OH", "(C6H2)(CH3)4"); None if unreadable."""
    text = re.sub(r'[\s\-=]', '', text)
    stack = [Counter()]
    pos = 0
    while pos < len(text):
        m = _TOKEN.match(text, pos)
        if not m:
            return None
        pos = m.end()
        if m.group(1):
            if m.group(1) not in ATOMIC_WEIGHT:
                return None
            stack[-1][m.group(1)] += int(m.group(2) or 1)
        elif m.group(3):
            stack.append(Counter())
        else:
            if len(stack) < 2:
                return None
            inner = stack.pop()
            times = int(m.group(5) or 1)
            for element, count in inner.items():
                stack[-1][element] += count * times
    if len(stack) != 1 or not stack[0]:
        return None
    return stack[0]


def molar_mass(counts):
    return sum(ATOMIC_WEIGHT[e] * n for e, n in counts.items())


def hill(counts):
    """Hill order: C, then H, then the rest alphabetically; without carbon all alphabetically."""
    def part(element):
        n = counts[element]
        return element + (str(n) if n != 1 else '')
    elements = [e for e, n in counts.items() if n > 0]
    if 'C' in elements:
        head = ['C'] + (['H'] if 'H' in elements else [])
        rest = sorted(e for e in elements if e not in head)
        return ''.join(part(e) for e in head + rest)
    return ''.join(part(e) for e in sorted(elements))
