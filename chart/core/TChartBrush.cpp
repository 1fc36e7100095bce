// Chart brush with its optional picture.
#include "TChartBrush.h"

#include "TPicture.h"

#include <QSignalBlocker>

TChartBrush::TChartBrush(QObject *owner)
    : TBrush(owner)
    , m_image(this, [this](TPicture *image) { connect(image, &TPicture::changed, this, &TBrush::changed); })
{
    SetColor(clDefault);
}

TPicture *TChartBrush::Image()
{
    return m_image.getOrCreate();
}

void TChartBrush::SetImage(const TPicture *value)
{
    m_image.set(value);
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
            changed = m_image.set(nullptr);
        } else if (!m_image || m_image->Graphic() != theirs->Graphic()) {
            changed = true;
            const QSignalBlocker quiet(Image());
            m_image->Assign(*theirs);
        }
    }
    if (copyBrushValues(source) || changed)
        Changed();
}
