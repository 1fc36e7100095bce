// Chart brush with its optional picture.
#include "TChartBrush.h"

#include "TPicture.h"

TChartBrush::TChartBrush(QObject *owner)
    : TBrush(owner)
{
    SetColor(clDefault);
}

TPicture *TChartBrush::Image()
{
    if (!m_image) {
        m_image = std::make_unique<TPicture>(this);
        connect(m_image.get(), &TPicture::changed, this, &TBrush::changed);
    }
    return m_image.get();
}

void TChartBrush::SetImage(const TPicture *value)
{
    if (value) {
        Image()->Assign(*value);
    } else {
        m_image.reset();
    }
    Changed();
}

TChartBrush::~TChartBrush() = default;

void TChartBrush::Assign(const TBrush &source)
{
    if (const auto *brush = qobject_cast<const TChartBrush *>(&source))
        SetImage(brush->m_image.get());
    TBrush::Assign(source);
}
