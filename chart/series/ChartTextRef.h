// A reference to one of the library's translatable texts by table and number. Registry records
// hold these instead of copies, so a translation renames every entry without registering again.
#pragma once

#include <QString>

struct ChartTextRef
{
    enum Table { LibraryText, GalleryText };

    Table table = LibraryText;
    int number = 0;

    // The text as it reads now; empty for number 0.
    QString text() const;

    static ChartTextRef library(int number) { return {LibraryText, number}; }
    static ChartTextRef gallery(int number) { return {GalleryText, number}; }
    bool operator==(const ChartTextRef &) const = default;
};
