// Chart brush with its optional picture.
#include "TChartBrush.h"

#include "TPicture.h"

#include <QSignalBlocker>

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
    if (&source == this)
        return;
    bool changed = false;
    if (const auto *brush = qobject_cast<const TChartBrush *>(&source)) {
        const TPicture *theirs = brush->m_image.get();
        if (!theirs) {
            changed = m_image != nullptr;
            m_image.reset();
        } else if (!m_image || m_image->Graphic() != theirs->Graphic()) {
            changed = true;
            const QSignalBlocker quiet(Image());
            m_image->Assign(*theirs);
        }
    }
    if (copyBrushValues(source) || changed)
        Changed();
}
