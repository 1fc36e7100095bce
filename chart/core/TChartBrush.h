// A chart element's fill: a brush whose default colour means "the element's own colour".
#pragma once

#include "TBrush.h"
#include "TPicture.h"

#include <memory>

class TChartBrush : public TBrush
{
    Q_OBJECT
    Q_PROPERTY(TPicture *Image READ Image WRITE SetImage NOTIFY changed)
public:
    explicit TChartBrush(QObject *owner = nullptr);

    // Created on first read.
    TPicture *Image();
    void SetImage(const TPicture *value);
    bool HasImage() const { return m_image != nullptr; }
    ~TChartBrush() override;
    // The picture if there is one, without creating it.
    const TPicture *imageIfAny() const { return m_image.get(); }

    void Assign(const TBrush &source) override;

private:
    std::unique_ptr<TPicture> m_image; // no Qt parent: writing none frees it
};
