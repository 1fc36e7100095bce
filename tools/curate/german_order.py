"""The order in which the program lists names: its German collator, case-blind, punctuation ignored.

The collator compares letters without their accents and case (ä as a, ß as ss), digits before
letters, and skips blanks and punctuation ("1,4-Dichlorbenzol" sorts as "14dichlorbenzol"). For the
letters, digits and punctuation of our data files this key gives the same order; names whose keys
are equal would fall to the collator's finer levels, so the data files keep the keys unique."""

import unicodedata


def collation_key(name):
    kept = []
    for ch in unicodedata.normalize('NFD', name.casefold()):
        if unicodedata.combining(ch):
            continue
        category = unicodedata.category(ch)
        if category[0] in 'PZ':
            continue
        if not (ch.isascii() and ch.isalnum()):
            raise ValueError('no collation rule for %r in "%s"' % (ch, name))
        kept.append(ch)
    return ''.join(kept)


def sort_by_name(items, name_of):
    """Items in the collator's order of their names; two names with one key are an error."""
    keyed = {}
    for item in items:
        key = collation_key(name_of(item))
        if key in keyed:
            raise ValueError('"%s" and "%s" sort as one name' % (name_of(keyed[key]), name_of(item)))
        keyed[key] = item
    return [keyed[key] for key in sorted(keyed)]
