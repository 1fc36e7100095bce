// The pen button.
#include "TButtonPen.h"

#include "TCanvas3D.h"
#include "TChartPen.h"
#include "TPenDialog.h"

#include <algorithm>

namespace {

constexpr int kSwatchMaxWidth = 6;

} // namespace

TButtonPen::TButtonPen(QWidget *parent)
    : TPlotButton(parent)
{
    connect(this, &QPushButton::clicked, this, &TButtonPen::editPen);
}

void TButtonPen::LinkPen(TPen *pen)
{
    m_source = nullptr;
    LinkProperty(pen, QString());
}

void TButtonPen::LinkPenSource(std::function<TPen *()> source, TPen *existing)
{
    m_source = std::move(source);
    LinkProperty(existing, QString());
}

TPen *TButtonPen::Pen() const
{
    return qobject_cast<TPen *>(LinkedObject());
}

void TButtonPen::DrawSymbol(TCanvas3D &canvas)
{
    const TPen *pen = Pen();
    if (!pen || !isEnabled())
        return;
    // A copy at most 6 wide draws the swatch: the user's pen is never touched while painting.
    TChartPen sample;
    sample.Assign(*pen);
    sample.SetWidth(std::min(pen->Width(), kSwatchMaxWidth));
    canvas.Brush()->SetStyle(bsClear);
    canvas.AssignVisiblePen(sample);
    const int y = height() / 2;
    canvas.Line(width() - 17, y, width() - 6, y);
}

void TButtonPen::editPen()
{
    TPen *pen = Pen();
    if (!pen && m_source) {
        pen = m_source();
        LinkProperty(pen, QString());
    }
    if (!pen)
        return;
    if (EditChartPen(this, *pen, HideColor)) {
        update();
        Q_EMIT OnClick();
    }
}
