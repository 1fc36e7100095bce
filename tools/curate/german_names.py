"""German chemical names from English ones: a hand-checked table for common substances
(german_names.tsv) and word rules for systematic names."""

import re

# English element name -> German element name (also used for inorganic compound names).
ELEMENTS = {
    'hydrogen': 'Wasserstoff', 'helium': 'Helium', 'lithium': 'Lithium', 'beryllium': 'Beryllium',
    'boron': 'Bor', 'carbon': 'Kohlenstoff', 'nitrogen': 'Stickstoff', 'oxygen': 'Sauerstoff',
    'fluorine': 'Fluor', 'neon': 'Neon', 'sodium': 'Natrium', 'magnesium': 'Magnesium',
    'aluminum': 'Aluminium', 'aluminium': 'Aluminium', 'silicon': 'Silicium', 'phosphorus': 'Phosphor',
    'sulfur': 'Schwefel', 'chlorine': 'Chlor', 'argon': 'Argon', 'potassium': 'Kalium',
    'calcium': 'Calcium', 'titanium': 'Titan', 'vanadium': 'Vanadium', 'chromium': 'Chrom',
    'manganese': 'Mangan', 'iron': 'Eisen', 'cobalt': 'Cobalt', 'nickel': 'Nickel', 'copper': 'Kupfer',
    'zinc': 'Zink', 'gallium': 'Gallium', 'germanium': 'Germanium', 'arsenic': 'Arsen',
    'selenium': 'Selen', 'bromine': 'Brom', 'krypton': 'Krypton', 'rubidium': 'Rubidium',
    'strontium': 'Strontium', 'zirconium': 'Zirconium', 'niobium': 'Niob', 'molybdenum': 'Molybdän',
    'silver': 'Silber', 'cadmium': 'Cadmium', 'indium': 'Indium', 'tin': 'Zinn', 'antimony': 'Antimon',
    'tellurium': 'Tellur', 'iodine': 'Iod', 'xenon': 'Xenon', 'cesium': 'Caesium', 'caesium': 'Caesium',
    'barium': 'Barium', 'hafnium': 'Hafnium', 'tantalum': 'Tantal', 'tungsten': 'Wolfram',
    'rhenium': 'Rhenium', 'osmium': 'Osmium', 'iridium': 'Iridium', 'platinum': 'Platin',
    'gold': 'Gold', 'mercury': 'Quecksilber', 'thallium': 'Thallium', 'lead': 'Blei',
    'bismuth': 'Bismut', 'polonium': 'Polonium', 'radon': 'Radon', 'uranium': 'Uran',
    'thorium': 'Thorium', 'plutonium': 'Plutonium', 'scandium': 'Scandium', 'yttrium': 'Yttrium',
    'lanthanum': 'Lanthan', 'cerium': 'Cer', 'palladium': 'Palladium', 'rhodium': 'Rhodium',
    'ruthenium': 'Ruthenium', 'deuterium': 'Deuterium', 'ammonium': 'Ammonium',
}

# Acids with a German trivial name; the key is the English adjective before "acid".
ACIDS = {
    'formic': 'Ameisensäure', 'acetic': 'Essigsäure', 'propionic': 'Propionsäure',
    'butyric': 'Buttersäure', 'isobutyric': 'Isobuttersäure', 'valeric': 'Valeriansäure',
    'isovaleric': 'Isovaleriansäure', 'caproic': 'Capronsäure', 'caprylic': 'Caprylsäure',
    'capric': 'Caprinsäure', 'lauric': 'Laurinsäure', 'myristic': 'Myristinsäure',
    'palmitic': 'Palmitinsäure', 'stearic': 'Stearinsäure', 'oleic': 'Ölsäure',
    'linoleic': 'Linolsäure', 'benzoic': 'Benzoesäure', 'oxalic': 'Oxalsäure',
    'malonic': 'Malonsäure', 'succinic': 'Bernsteinsäure', 'glutaric': 'Glutarsäure',
    'adipic': 'Adipinsäure', 'maleic': 'Maleinsäure', 'fumaric': 'Fumarsäure',
    'lactic': 'Milchsäure', 'glycolic': 'Glycolsäure', 'phthalic': 'Phthalsäure',
    'acrylic': 'Acrylsäure', 'methacrylic': 'Methacrylsäure', 'crotonic': 'Crotonsäure',
    'carbonic': 'Kohlensäure', 'nitric': 'Salpetersäure', 'sulfuric': 'Schwefelsäure',
    'phosphoric': 'Phosphorsäure', 'cinnamic': 'Zimtsäure', 'salicylic': 'Salicylsäure',
    'sebacic': 'Sebacinsäure', 'pyruvic': 'Brenztraubensäure', 'levulinic': 'Lävulinsäure',
    'chloroacetic': 'Chloressigsäure', 'dichloroacetic': 'Dichloressigsäure',
    'trichloroacetic': 'Trichloressigsäure', 'trifluoroacetic': 'Trifluoressigsäure',
    'thioacetic': 'Thioessigsäure', 'phenylacetic': 'Phenylessigsäure', 'nitrous': 'Salpetrige Säure',
    'hydrocyanic': 'Blausäure', 'perchloric': 'Perchlorsäure', 'boric': 'Borsäure',
}

# Word endings and morphemes, applied to lower-case text in this order.
_RULES = [
    (r'naphthalene', 'naphthalin'), (r'anthracene', 'anthracen'), (r'phenanthrene', 'phenanthren'),
    (r'benzene', 'benzol'), (r'toluene', 'toluol'), (r'xylene', 'xylol'), (r'styrene', 'styrol'),
    (r'quinoline', 'chinolin'), (r'glycerol', 'glycerin'), (r'cresol', 'kresol'),
    (r'fluoro', 'fluor'), (r'chloro', 'chlor'), (r'bromo', 'brom'), (r'iodo', 'iod'),
    (r'sulphur', 'schwefel'), (r'sulph', 'sulf'), (r'aldehyde', 'aldehyd'), (r'ketone', 'keton'),
    (r'carboxylic acid', 'carbonsäure'), (r'sulfonic acid', 'sulfonsäure'),
    (r'(an|en)oic acid', r'\1säure'), (r'ic anhydride', 'säureanhydrid'),
    (r'(?<=[a-z])(ane|ene)(?=(?:di|tri)?(?:ol|one|al|amine|thiol|nitrile|carbonitril|sulfon|carb)|\b)',
     lambda m: m.group(1)[:-1]),
    (r'yne\b', 'in'), (r'ynyl', 'inyl'),
    (r'(?<=[a-z])(ide|ine|one|ole|ane|ene|ate|ite)\b', lambda m: m.group(1)[:-1]),
    (r'(?<=[a-z])(amine|idine|ine)(?=[a-z])', lambda m: m.group(1)[:-1]),
    (r'alumin(i?)um', 'aluminium'), (r'ile\b', 'il'), (r'oxide', 'oxid'), (r'urea', 'harnstoff'), (r'alcohol', 'alkohol'),
]

_DESCRIPTOR = re.compile(r"^(?:[0-9]+[a-z]?'*(?:,[0-9]+[a-z]?'*)*|[A-Za-z](?:,[A-Za-z]'?)*'?|cis|trans|tert|sec|exo|endo|"
                         r"alpha|beta|gamma|dl|d|l|m|o|p|n|\([A-Z+\-\u00b1, ]+\))-")


def _rule_translate(text):
    s = text
    for pattern, replacement in _RULES:
        s = re.sub(pattern, replacement, s)
    return s


def _join(words):
    """German writes class names as one word: 'ethyl acetate' -> 'Ethylacetat', 'methyl tert-butyl ether'
    -> 'Methyl-tert-butylether'. A word that opens with a locant or descriptor keeps a hyphen."""
    out = words[0]
    for word in words[1:]:
        if _DESCRIPTOR.match(word) or word[:1].isdigit() or word.startswith('('):
            out += '-' + word
        else:
            out += word
    return out


_DESCRIPTOR_WORDS = ('cis', 'trans', 'tert', 'sec', 'exo', 'endo', 'alpha', 'beta', 'gamma', 'dl', 'meso',
                     'threo', 'erythro', 'syn', 'anti')


def _capitalise(name):
    """Upper-case the first letter of the first real word ('cis-2-Buten', 'N-(4-Methoxyphenyl)acetamid')."""
    for m in re.finditer(r'[A-Za-zäöüß]{2,}', name):
        if m.group(0).lower() in _DESCRIPTOR_WORDS and name[m.end():m.end() + 1] == '-':
            continue
        return name[:m.start()] + m.group(0)[0].upper() + name[m.start() + 1:]
    return name


_KEEP_HYPHEN_AFTER = _DESCRIPTOR_WORDS


def _clean_english(name):
    # Some tables break words with hyphens at line ends ("Trimethyl-aniline", "Hexa-methyl").
    def join(m):
        if m.group(1).lower() in _KEEP_HYPHEN_AFTER or m.group(2).lower() in _KEEP_HYPHEN_AFTER:
            return m.group(0)
        return m.group(1) + m.group(2)
    s = name
    while True:
        joined = re.sub(r'(?<![A-Za-z])([A-Za-z]{2,})-([a-z]{3,})(?![a-z])', join, s)
        if joined == s:
            break
        s = joined
    # Lower-case words; single letters (N, O, S locants, E/Z) keep their case.
    s = re.sub(r'[A-Za-z]{2,}', lambda m: m.group(0).lower(), s)
    return s.strip()


def _inorganic(words):
    """'Tin(IV) chloride' -> 'Zinn(IV)-chlorid', 'Tellurium tetrachloride' -> 'Tellurtetrachlorid'."""
    m = re.match(r'^([a-z]+)(\([ivx]+\))?$', words[0].lower())
    if not m or m.group(1) not in ELEMENTS:
        return None
    cation = ELEMENTS[m.group(1)]
    valency = (m.group(2) or '').upper()
    rest = ' '.join(words[1:])
    if not rest:
        return cation + valency
    anion = _rule_translate(rest).replace(' ', '')
    if valency:
        return cation + valency + '-' + anion
    return cation + anion


def german_name(english):
    name = _clean_english(english)
    lower = name
    words = name.split()
    if not words:
        return ''
    if words[0] in ELEMENTS or re.match(r'^[a-z]+\([ivx]+\)$', words[0], re.IGNORECASE):
        inorganic = _inorganic(words)
        if inorganic:
            return inorganic
    m = re.match(r'^(\S+) acid(?: (.+) ester)?$', lower)
    if m:
        adjective = m.group(1)
        trivial = next((key for key in sorted(ACIDS, key=len, reverse=True) if adjective.endswith(key)), None)
        if trivial:
            head = _rule_translate(adjective[:-len(trivial)])
            acid = _capitalise(head + (ACIDS[trivial].lower() if head else ACIDS[trivial]))
        elif adjective.endswith('ic'):
            stem = re.sub(r'(carboxyl|sulfon|o)?ic$', lambda a: {'carboxyl': 'carbon', 'sulfon': 'sulfon'}.get(a.group(1) or '', ''), adjective)
            acid = _capitalise(_rule_translate(stem) + 'säure')
        else:
            return _capitalise(_join([_rule_translate(w) for w in name.split()]))
        if m.group(2):
            ester = _join([_rule_translate(w) for w in m.group(2).split()]) + 'ester'
            return _capitalise(_join([acid, ester]))
        return _capitalise(acid)
    m = re.match(r'^(\S+) anhydride$', lower)
    if m and m.group(1) in ACIDS:
        return ACIDS[m.group(1)] + 'anhydrid'
    if lower.endswith(' acid'):
        stem = name[:-5]
        return _capitalise(_rule_translate(stem) + 'säure')
    # Inverted ester names: "3,7-dimethyl-6-octen-1-ol, acetate" -> "3,7-Dimethyl-6-octen-1-ylacetat".
    m = re.match(r'^(.*)ol, (\S+ate)$', name)
    if m:
        return _capitalise(_rule_translate(m.group(1) + 'yl') + _rule_translate(m.group(2)))
    translated = [_rule_translate(w) for w in name.split()]
    return _capitalise(_join(translated))


def load_table(path):
    """CAS -> (German name, German synonym) from the hand-checked table."""
    table = {}
    with open(path, encoding='utf-8') as f:
        for line in f:
            line = line.rstrip('\n')
            if not line or line.startswith('#'):
                continue
            fields = line.split('\t')
            table[fields[0]] = (fields[1], fields[2] if len(fields) > 2 else '')
    return table
