// Series data as a spreadsheet of BIFF2 records (BOF, DIMENSIONS, NUMBER, LABEL, BLANK, EOF).
#pragma once

#include "TSeriesData.h"

#include <QByteArray>

class TSeriesDataXLS : public TSeriesData
{
public:
    using TSeriesData::TSeriesData;

    // A sheet has at most this many rows (the header included) and columns.
    static constexpr int kMaxRows = 65535;
    static constexpr int kMaxColumns = 256;

    // The records; ChartException beyond kMaxRows or kMaxColumns, before anything is written.
    [[nodiscard]] bool SaveToStream(QIODevice &stream) const override;
    QByteArray Records() const;

    // Windows-1252 bytes of the text, "?" for what it cannot hold, cut to 255 bytes.
    static QByteArray labelBytes(const QString &text);
};
