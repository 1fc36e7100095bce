// Series data as an HTML table, one row per point, every series with all its columns.
#pragma once

#include "TSeriesData.h"

class TSeriesDataHTML : public TSeriesData
{
public:
    using TSeriesData::TSeriesData;

    QString AsString() const override;

protected:
    QString PointToString(int index) const override;

private:
    QString headerRow() const;
};
