"""Molecular formula from a plain substitutive or functional-class name ("2,3-Dimethylpentane",
"Isobutyl butyrate", "Methyl propyl ether"). Anything outside the small grammar gives None, so a
formula is only derived where the name leaves no doubt; the caller cross-checks with a molar mass."""

import re
from collections import Counter

_UNITS = {1: 'hen', 2: 'do', 3: 'tri', 4: 'tetra', 5: 'penta', 6: 'hexa', 7: 'hepta', 8: 'octa', 9: 'nona'}
_TENS = {2: 'cos', 3: 'triacont', 4: 'tetracont', 5: 'pentacont', 6: 'hexacont', 7: 'heptacont',
         8: 'octacont', 9: 'nonacont'}


def _stems():
    stems = {'meth': 1, 'eth': 2, 'prop': 3, 'but': 4, 'pent': 5, 'hex': 6, 'hept': 7, 'oct': 8,
             'non': 9, 'dec': 10, 'undec': 11, 'dodec': 12, 'icos': 20, 'eicos': 20,
             'henicos': 21, 'heneicos': 21, 'docos': 22}
    for n in range(13, 20):
        stems[_UNITS[n - 10] + 'dec'] = n
    for tens in range(2, 10):
        for unit in range(0, 10):
            n = tens * 10 + unit
            if n in (20, 21, 22):
                continue
            word = _TENS[tens] if unit == 0 else _UNITS[unit] + _TENS[tens]
            if tens == 2 and unit:
                word = _UNITS[unit] + 'cos'
            stems.setdefault(word, n)
    return stems


STEMS = _stems()
_STEM_ALT = '|'.join(sorted(STEMS, key=len, reverse=True))


def F(text):
    counts = Counter()
    for element, n in re.findall(r'([A-Z][a-z]?)(\d*)', text):
        counts[element] += int(n or 1)
    return counts


# Parents named by their own word (formula of the whole parent hydride or compound).
NAMED_PARENTS = {
    'benzene': 'C6H6', 'toluene': 'C7H8', 'xylene': 'C8H10', 'styrene': 'C8H8', 'phenol': 'C6H6O',
    'aniline': 'C6H7N', 'anisole': 'C7H8O', 'naphthalene': 'C10H8', 'anthracene': 'C14H10',
    'phenanthrene': 'C14H10', 'biphenyl': 'C12H10', 'pyridine': 'C5H5N', 'quinoline': 'C9H7N',
    'thiophene': 'C4H4S', 'furan': 'C4H4O', 'pyrrole': 'C4H5N', 'indene': 'C9H8', 'indane': 'C9H10',
    'morpholine': 'C4H9NO', 'piperidine': 'C5H11N', 'piperazine': 'C4H10N2', 'pyrrolidine': 'C4H9N',
    'oxirane': 'C2H4O', 'oxetane': 'C3H6O', 'dioxane': 'C4H8O2', 'dioxolane': 'C3H6O2',
    'silane': 'SiH4', 'disiloxane': 'H6OSi2', 'amine': 'NH3', 'acetone': 'C3H6O', 'cumene': 'C9H12',
    'acetophenone': 'C8H8O', 'benzaldehyde': 'C7H6O', 'benzonitrile': 'C7H5N', 'acetonitrile': 'C2H3N',
    'acetaldehyde': 'C2H4O', 'acetamide': 'C2H5NO', 'formamide': 'CH3NO', 'thiophenol': 'C6H6S',
    'benzenethiol': 'C6H6S', 'cyclohexanol': 'C6H12O', 'phosphine': 'PH3', 'mesitylene': 'C9H12',
    'tetralin': 'C10H12', 'decalin': 'C10H18', 'adamantane': 'C10H16', 'carbazole': 'C12H9N',
    'fluorene': 'C13H10', 'pyrene': 'C16H10', 'azulene': 'C10H8', 'isoquinoline': 'C9H7N',
    'pyrazine': 'C4H4N2', 'pyrimidine': 'C4H4N2', 'imidazole': 'C3H4N2', 'thiazole': 'C3H3NS',
    'oxazole': 'C3H3NO', 'indole': 'C8H7N', 'benzofuran': 'C8H6O', 'dibenzofuran': 'C12H8O',
    'sulfolane': 'C4H8O2S', 'tetrahydrofuran': 'C4H8O', 'tetrahydropyran': 'C5H10O',
    'ethylene': 'C2H4', 'acetylene': 'C2H2', 'propylene': 'C3H6', 'butadiene': 'C4H6',
    'isoprene': 'C5H8', 'urea': 'CH4N2O', 'borane': 'BH3', 'cyclopentadiene': 'C5H6',
}

# Parents of functional-class names (the last word); groups in front replace hydrogen atoms.
CLASS_PARENTS = {
    'ether': 'H2O', 'alcohol': 'H2O', 'ketone': 'CH2O', 'sulfide': 'H2S', 'disulfide': 'H2S2',
    'sulfone': 'H2O2S', 'sulfoxide': 'H2OS', 'amine': 'NH3', 'chloride': 'HCl', 'bromide': 'HBr',
    'iodide': 'HI', 'fluoride': 'HF', 'cyanide': 'HCN', 'isocyanate': 'HNCO', 'thiocyanate': 'HSCN',
    'isothiocyanate': 'HNCS', 'mercaptan': 'H2S', 'hydroperoxide': 'H2O2', 'peroxide': 'H2O2',
    'formamide': 'CH3NO', 'acetamide': 'C2H5NO', 'silane': 'SiH4', 'amide': 'NH3',
}

# Acids named without a chain stem (formula of the acid).
NAMED_ACIDS = {
    'formic': 'CH2O2', 'acetic': 'C2H4O2', 'propionic': 'C3H6O2', 'butyric': 'C4H8O2',
    'valeric': 'C5H10O2', 'caproic': 'C6H12O2', 'enanthic': 'C7H14O2', 'caprylic': 'C8H16O2',
    'pelargonic': 'C9H18O2', 'capric': 'C10H20O2', 'lauric': 'C12H24O2', 'myristic': 'C14H28O2',
    'palmitic': 'C16H32O2', 'stearic': 'C18H36O2', 'oleic': 'C18H34O2', 'acrylic': 'C3H4O2',
    'methacrylic': 'C4H6O2', 'crotonic': 'C4H6O2', 'benzoic': 'C7H6O2', 'oxalic': 'C2H2O4',
    'malonic': 'C3H4O4', 'succinic': 'C4H6O4', 'glutaric': 'C5H8O4', 'adipic': 'C6H10O4',
    'pimelic': 'C7H12O4', 'suberic': 'C8H14O4', 'azelaic': 'C9H16O4', 'sebacic': 'C10H18O4',
    'phthalic': 'C8H6O4', 'terephthalic': 'C8H6O4', 'isophthalic': 'C8H6O4', 'maleic': 'C4H4O4',
    'fumaric': 'C4H4O4', 'lactic': 'C3H6O3', 'glycolic': 'C2H4O3', 'levulinic': 'C5H8O3',
    'pyruvic': 'C3H4O3', 'cinnamic': 'C9H8O2', 'salicylic': 'C7H6O3', 'carbonic': 'CH2O3',
    'carbamic': 'CH3NO2', 'phenylacetic': 'C8H8O2', 'tiglic': 'C5H8O2', 'sorbic': 'C6H8O2',
    'undecylenic': 'C11H20O2', 'linoleic': 'C18H32O2', 'erucic': 'C22H42O2', 'nitric': 'HNO3',
    'thioacetic': 'C2H4OS', 'glyoxylic': 'C2H2O3', 'anthranilic': 'C7H7NO2',
}

# One-valent groups (formula of the group itself).
NAMED_GROUPS = {
    'vinyl': 'C2H3', 'allyl': 'C3H5', 'propargyl': 'C3H3', 'phenyl': 'C6H5', 'benzyl': 'C7H7',
    'tolyl': 'C7H7', 'naphthyl': 'C10H7', 'acetyl': 'C2H3O', 'propionyl': 'C3H5O',
    'butyryl': 'C4H7O', 'benzoyl': 'C7H5O', 'formyl': 'CHO', 'silyl': 'SiH3', 'amyl': 'C5H11',
    'cetyl': 'C16H33', 'lauryl': 'C12H25', 'stearyl': 'C18H37', 'glycidyl': 'C3H5O',
    'furfuryl': 'C5H5O', 'phenethyl': 'C8H9', 'cresyl': 'C7H7O', 'valeryl': 'C5H9O',
    'acryloyl': 'C3H3O', 'methacryloyl': 'C4H5O', 'isopropenyl': 'C3H5', 'mesityl': 'C9H11',
    'xylyl': 'C8H9', 'cyclohexylmethyl': 'C7H13', 'neryl': 'C10H17', 'geranyl': 'C10H17',
    'linalyl': 'C10H17', 'bornyl': 'C10H17', 'menthyl': 'C10H19', 'citronellyl': 'C10H19',
    'amino': 'NH2', 'hydroxy': 'OH', 'mercapto': 'SH', 'nitro': 'NO2', 'nitroso': 'NO',
    'cyano': 'CN', 'fluoro': 'F', 'chloro': 'Cl', 'bromo': 'Br', 'iodo': 'I', 'carboxy': 'CO2H',
    'phenoxy': 'C6H5O', 'acetoxy': 'C2H3O2', 'isocyanato': 'NCO', 'azido': 'N3',
    'trifluoromethyl': 'CF3', 'sulfanyl': 'SH', 'hydroperoxy': 'O2H', 'ethynyl': 'C2H',
}

# Prefixes that change the parent by a fixed amount (not one-for-one H replacement).
MODIFIERS = {
    'oxo': {'O': 1, 'H': -2}, 'epoxy': {'O': 1, 'H': -2}, 'methylene': {'C': 1},
    'ethylidene': {'C': 2, 'H': 2}, 'hydro': {'H': 1}, 'dehydro': {'H': -1},
    'oxa': {'O': 1, 'C': -1, 'H': -2}, 'thia': {'S': 1, 'C': -1, 'H': -2},
    'aza': {'N': 1, 'C': -1, 'H': -1}, 'sila': {'Si': 1, 'C': -1}, 'imino': {'N': 1, 'H': -1},
}

MULTIPLIERS = {'di': 2, 'tri': 3, 'tetra': 4, 'penta': 5, 'hexa': 6, 'hepta': 7, 'octa': 8,
               'nona': 9, 'deca': 10, 'undeca': 11, 'dodeca': 12, 'bis': 2, 'tris': 3,
               'tetrakis': 4}
_MULT_ALT = '|'.join(sorted(MULTIPLIERS, key=len, reverse=True))

# Suffixes on a chain parent: change relative to the saturated hydride.
SUFFIXES = {
    '': {}, 'ol': {'O': 1}, 'diol': {'O': 2}, 'triol': {'O': 3}, 'one': {'O': 1, 'H': -2},
    'dione': {'O': 2, 'H': -4}, 'al': {'O': 1, 'H': -2}, 'dial': {'O': 2, 'H': -4},
    'amine': {'N': 1, 'H': 1}, 'diamine': {'N': 2, 'H': 2}, 'nitrile': {'N': 1, 'H': -3},
    'dinitrile': {'N': 2, 'H': -6}, 'thiol': {'S': 1}, 'dithiol': {'S': 2},
    'amide': {'N': 1, 'O': 1, 'H': -1}, 'oic': {'O': 2, 'H': -2}, 'dioic': {'O': 4, 'H': -4},
    'carboxylic': {'C': 1, 'O': 2}, 'dicarboxylic': {'C': 2, 'O': 4},
    'carbonitrile': {'C': 1, 'N': 1, 'H': -1}, 'carbaldehyde': {'C': 1, 'O': 1},
    'carboxaldehyde': {'C': 1, 'O': 1},
}


def _delta(change):
    return Counter(change)


_UNSAT = r'(?P<unsat>an|a?(?:di|tri|tetra)?en(?:(?:di|tri)?yn)?|a?(?:di|tri)?yn)'
_RING = r'(?P<ring>cyclo|bicyclo|tricyclo|spiro)?'
_CHAIN_PARENT = re.compile('^' + _RING + '(?P<stem>' + _STEM_ALT + ')' + _UNSAT + 'e?(?P<suffix>'
                           + '|'.join(sorted((s for s in SUFFIXES if s), key=len, reverse=True)) + ')?$')
_CHAIN_GROUP = re.compile('^' + _RING + '(?P<stem>' + _STEM_ALT + r')(?P<unsat>an|a?(?:di)?en|yn)?(?P<end>yl|oxy|yloxy|ylthio|thio)$')


def _count(unsat, key):
    m = re.search('(di|tri|tetra)?' + key, unsat or '')
    if not m:
        return 0
    return {'di': 2, 'tri': 3, 'tetra': 4}.get(m.group(1), 1)


def _chain(ring, stem, unsat):
    n = STEMS[stem]
    counts = Counter({'C': n, 'H': 2 * n + 2})
    rings = {'cyclo': 1, 'bicyclo': 2, 'spiro': 2, 'tricyclo': 3}.get(ring or '', 0)
    counts['H'] -= 2 * rings + 2 * _count(unsat, 'en') + 4 * _count(unsat, 'yn')
    if ring and n < 3:
        return None
    return counts


def _parent(word):
    if word in NAMED_PARENTS:
        return F(NAMED_PARENTS[word])
    m = _CHAIN_PARENT.match(word)
    if m:
        counts = _chain(m.group('ring'), m.group('stem'), m.group('unsat'))
        if counts is None:
            return None
        counts.update(_delta(SUFFIXES[m.group('suffix') or '']))
        return counts
    for named in ('benzene', 'naphthalene', 'pyridine', 'cyclohexane'):
        if word.startswith(named) and word[len(named):] in SUFFIXES:
            counts = F(NAMED_PARENTS.get(named, 'C6H12'))
            counts.update(_delta(SUFFIXES[word[len(named):]]))
            return counts
    return None


def _group(word):
    """A one-valent group written as one word ('methyl', 'cyclohexyl', 'methoxy', 'pentyloxy')."""
    if word in NAMED_GROUPS:
        return F(NAMED_GROUPS[word])
    m = _CHAIN_GROUP.match(word)
    if m:
        counts = _chain(m.group('ring'), m.group('stem'), m.group('unsat'))
        if counts is None:
            return None
        counts['H'] -= 1
        if 'oxy' in m.group('end'):
            counts['O'] += 1
        if 'thio' in m.group('end'):
            counts['S'] += 1
        return counts
    return None


def _prefixed(text, final):
    """Prefix chain in front of a final part; final(text) gives the counts of a candidate tail.
    Returns the counts of the whole, or None. Backtracks over every split."""
    whole = final(text)
    if whole is not None:
        return whole
    if text.startswith('perfluoro') or text.startswith('perchloro'):
        rest = _prefixed(text[9:], final)
        if rest is None:
            return None
        halogen = 'F' if text.startswith('perfluoro') else 'Cl'
        rest[halogen] += rest['H']
        rest['H'] = 0
        return rest
    m = re.match('(' + _MULT_ALT + ')', text)
    options = [(1, 0)]
    if m:
        options = [(1, 0), (MULTIPLIERS[m.group(1)], len(m.group(1)))]
    for times, skip in options:
        body = text[skip:]
        if body.startswith('('):
            depth = 0
            for i, ch in enumerate(body):
                depth += ch == '('
                depth -= ch == ')'
                if depth == 0:
                    break
            inner = _prefixed(body[1:i], _group)
            if inner is not None:
                rest = _prefixed(body[i + 1:], final)
                if rest is not None:
                    for element, n in inner.items():
                        rest[element] += times * n
                    rest['H'] -= times
                    return rest
            continue
        for cut in range(len(body) - 1, 1, -1):
            head = body[:cut]
            tail = body[cut:]
            if head in MODIFIERS:
                delta = _delta(MODIFIERS[head])
                if MODIFIERS[head] == '-H':
                    delta = Counter({'H': -1})
                rest = _prefixed(tail, final)
                if rest is not None:
                    for element, n in delta.items():
                        rest[element] += times * n
                    return rest
                continue
            group = _group(head)
            if group is None:
                continue
            rest = _prefixed(tail, final)
            if rest is None:
                continue
            for element, n in group.items():
                rest[element] += times * n
            rest['H'] -= times
            return rest
    return None


def _clean(name):
    s = name.strip().lower()
    s = s.replace('\u00b1', '')
    s = re.sub(r'\((?:[ezrs](?:,\s*[ezrs])*|[+-]|\u00b1|rs)\)-?', '', s)
    s = re.sub(r'\b(?:cis|trans|exo|endo|dl|meso|rac|sec|tert|neo|n|o|m|p|alpha|beta|gamma|[dl])-', '', s)
    s = re.sub(r'\biso(?=(?:prop|but|pent|hex|amyl|oct))', '', s)
    s = re.sub(r'(?<=[a-z])-(?:[0-9]+[a-z]?\'*)(?:,[0-9]+[a-z]?\'*)*-', '', s)
    s = re.sub(r'(?<![a-z])[0-9]+[a-z]?\'*(?:,\s*[0-9]+[a-z]?\'*)*-', '', s)
    s = re.sub(r'\b[nos](?:,[nos])*\'*-', '', s)
    s = re.sub(r'\[[0-9.,]+\]', '', s)
    s = re.sub(r'\(\d\)', '', s)
    s = s.replace('-', '').replace('[', '(').replace(']', ')')
    s = re.sub(r'\s+', ' ', s).strip()
    return s


def _acid(word):
    if word in NAMED_ACIDS:
        return F(NAMED_ACIDS[word])
    found = _prefixed(word, lambda w: F(NAMED_ACIDS[w]) if w in NAMED_ACIDS else None)
    if found is not None:
        return found
    if word.endswith('ic'):
        return _prefixed(word, _parent)
    return None


def _ester_acid(word):
    """'butyrate' -> butyric acid, 'propanoate' -> propanoic acid, substituted forms included."""
    if not word.endswith('ate'):
        return None
    return _acid(word[:-3] + 'ic')


def _groups(words):
    total = Counter()
    valence = 0
    for word in words:
        times = 1
        m = re.match('(' + _MULT_ALT + ')(.*)$', word)
        group = _prefixed(word, _group)
        if group is None and m:
            group = _prefixed(m.group(2), _group)
            times = MULTIPLIERS[m.group(1)]
        if group is None:
            return None, 0
        for element, n in group.items():
            total[element] += times * n
        valence += times
    return total, valence


def formula_from_name(name):
    s = _clean(name)
    if not s or re.search(r'[^a-z() ]', s):
        return None
    words = s.split(' ')
    result = None
    if len(words) == 1:
        result = _prefixed(words[0], _parent)
    elif words[-1] == 'acid' and len(words) == 2:
        result = _acid(words[0])
    elif len(words) >= 4 and words[1] == 'acid' and words[-1] == 'ester':
        acid = _acid(words[0])
        groups, valence = _groups(words[2:-1])
        if acid is not None and groups is not None:
            result = acid + groups
            result['H'] -= valence
    else:
        last = words[-1]
        parent = F(CLASS_PARENTS[last]) if last in CLASS_PARENTS else _ester_acid(last)
        if parent is not None:
            groups, valence = _groups(words[:-1])
            two_sided = last in ('ether', 'ketone', 'sulfide', 'disulfide', 'peroxide', 'sulfone', 'sulfoxide')
            if groups is not None and valence <= parent['H'] and (valence == 2 or not two_sided):
                result = parent + groups
                result['H'] = parent['H'] + groups['H'] - valence
    if result is None:
        return None
    result = Counter({e: n for e, n in result.items() if n != 0})
    if any(n < 0 for n in result.values()) or result['C'] == 0:
        return None
    # Degree of unsaturation must be a whole, non-negative number.
    valence_sum = (2 * result['C'] + 2 * result['Si'] + result['N'] + result['P'] + 2
                   - result['H'] - result['F'] - result['Cl'] - result['Br'] - result['I'])
    if valence_sum < 0 or valence_sum % 2:
        return None
    return result
