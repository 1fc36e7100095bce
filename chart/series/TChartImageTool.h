// The image tool: a picture drawn behind the series, over the area a series' values cover or
// over the whole axes area.
#pragma once

#include "TPlotCustomTool.h"

class TPicture;

class TChartImageTool : public TPlotCustomToolSeries
{
    Q_OBJECT
    Q_PROPERTY(TPicture *Picture READ Picture WRITE SetPicture)
public:
    Q_INVOKABLE explicit TChartImageTool(QObject *owner = nullptr);

    TPicture *Picture() const { return m_picture; }
    void SetPicture(const TPicture *value);

    // The rectangle the picture covers: the series' value extent, else the axes' ranges.
    TRect PictureRect() const;

    void ChartEvent(int kind) override;
    QString Description() const override;
    QString GetEditorClassName() const override { return QStringLiteral("TChartImageToolEditor"); }

private:
    TPicture *m_picture = nullptr; // child
};
