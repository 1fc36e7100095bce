// The order of substance names: German collation without regard to case, hyphens and apostrophes,
// as the substance list and every list of substances in the dialogs sort their names.
#pragma once

#include <QCollator>
#include <QStringView>

class GermanCollator
{
public:
    GermanCollator();

    // Less than, equal to or greater than 0, as a comes before, with or after b.
    int compare(QStringView a, QStringView b) const;
    bool operator()(QStringView a, QStringView b) const { return compare(a, b) < 0; }

private:
    QCollator m_collator;
};
