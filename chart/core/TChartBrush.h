// A chart element's fill: a brush whose default colour means "the element's own colour".
#pragma once

#include "OptionalChild.h"
#include "TBrush.h"
#include "TPicture.h"

#include <memory>

class TChartBrush : public TBrush
{
    Q_OBJECT
    // Reading the property never creates the picture.
    Q_PROPERTY(TPicture *Image READ imageIfAny WRITE SetImage NOTIFY changed)
public:
    explicit TChartBrush(QObject *owner = nullptr);

    // Created on first read; invokable, so that reading a chart file's "Image.Data" makes it.
    Q_INVOKABLE TPicture *Image();
    void SetImage(const TPicture *value);
    bool HasImage() const { return bool(m_image); }
    ~TChartBrush() override;
    // The picture if there is one, without creating it.
    TPicture *imageIfAny() const { return m_image.get(); }

    void Assign(const TBrush &source) override;

private:
    OptionalChild<TPicture> m_image;
};
