// Series marks: properties, per-point formats and positions, hit testing, drawing one mark, and
// the stored per-point formats ("Items").
#include "TSeriesMarks.h"

#include "ComponentStream.h"
#include "PlotExceptions.h"
#include "StreamLimits.h"
#include "TChartSeries.h"

#include "PlotConst.h"
#include "PlotHtml.h"
#include "PlotPanelHost.h"
#include "PropertyFiler.h"
#include "TCanvas3D.h"

#include <QSignalBlocker>

#include <algorithm>
#include <cmath>
#include <numbers>

TSeriesMarks::TSeriesMarks(TChartSeries *series)
    : TPlotCustomShape(nullptr, series)
    , m_series(series)
    , m_items([this](TMarksItem &item) { prepareItem(item); })
{
    SetColor(clInfoBk);
    SetVisible(false);
    Shadow()->setDefaults(clGray, 1);
}

TSeriesMarks::~TSeriesMarks() = default;

void TSeriesMarks::prepareItem(TMarksItem &item)
{
    item.SetParentChart(ParentChart());
    item.Shadow()->setDefaults(clGray, 1);
}

void TSeriesMarks::gradientCreated(TPlotGradient *gradient)
{
    const QSignalBlocker quiet(gradient);
    gradient->SetDirection(gdLeftRight);
    gradient->SetEndColor(clWhite);
    gradient->SetStartColor(clSilver);
}

void TSeriesMarks::SetAngle(int value)
{
    if (value == m_angle)
        return;
    m_angle = value;
    Repaint();
}

void TSeriesMarks::SetArrow(const TWhitePen *value)
{
    if (value)
        Callout()->Arrow()->Assign(*value);
}

TMarksCallout *TSeriesMarks::Callout()
{
    if (!m_callout) {
        m_callout = std::make_unique<TMarksCallout>(nullptr, ParentChart(), this);
        connect(m_callout->Arrow(), &TPen::changed, this, &TSeriesMarks::Repaint);
    }
    return m_callout.get();
}

void TSeriesMarks::SetCallout(const TMarksCallout *value)
{
    if (value)
        Callout()->Assign(*value);
    else if (m_callout) {
        m_callout.reset();
        Repaint();
    }
}

void TSeriesMarks::SetClip(bool value)
{
    if (value == m_clip)
        return;
    m_clip = value;
    Repaint();
}

void TSeriesMarks::SetDrawEvery(int value)
{
    value = std::max(value, 1);
    if (value == m_drawEvery)
        return;
    m_drawEvery = value;
    Repaint();
}

void TSeriesMarks::SetMultiLine(bool value)
{
    if (value == m_multiLine)
        return;
    m_multiLine = value;
    Repaint();
}

void TSeriesMarks::SetStyle(TSeriesMarksStyle value)
{
    if (value == m_style)
        return;
    m_style = value;
    Repaint();
}

TSeriesMarksSymbol *TSeriesMarks::Symbol()
{
    if (!m_symbol)
        m_symbol = std::make_unique<TSeriesMarksSymbol>(ParentChart(), this);
    return m_symbol.get();
}

void TSeriesMarks::SetSymbol(const TSeriesMarksSymbol *value)
{
    if (value)
        Symbol()->Assign(*value);
    else if (m_symbol) {
        m_symbol.reset();
        Repaint();
    }
}

TPlotCustomShape &TSeriesMarks::ItemFor(int index)
{
    if (TMarksItem *item = m_items.ItemIfAny(index))
        return *item;
    return *this;
}

void TSeriesMarks::ClearPerPoint()
{
    m_items.Clear();
    m_positions.Clear();
    Repaint();
}

void TSeriesMarks::SetParentChart(PlotPanelHost *value)
{
    TPlotCustomShape::SetParentChart(value);
    if (m_callout)
        m_callout->SetParentChart(value);
    if (m_symbol)
        m_symbol->SetParentChart(value);
    for (int i = 0; i < m_items.Count(); ++i)
        if (TMarksItem *item = m_items.ItemIfAny(i))
            item->SetParentChart(value);
}

TRect TSeriesMarks::boxAt(const TSeriesMarkPosition &position) const
{
    TPoint leftTop = position.LeftTop;
    if (ParentChart() && ParentChart()->Canvas() && ParentChart()->Canvas()->projection().is3D)
        leftTop = ParentChart()->Canvas()->Calc3DPoint(leftTop.x, leftTop.y, m_zPosition);
    return {leftTop.x, leftTop.y, leftTop.x + position.Width, leftTop.y + position.Height};
}

int TSeriesMarks::Clicked(int x, int y) const
{
    for (int i = m_positions.Count() - 1; i >= 0; --i) {
        const TSeriesMarkPosition *position = m_positions.GetPosition(i);
        if (!position || i % m_drawEvery != 0)
            continue;
        const TRect box = boxAt(*position);
        if (x >= box.left && x < box.right && y >= box.top && y < box.bottom)
            return i;
    }
    return -1;
}

QStringList TSeriesMarks::Lines(const QString &text)
{
    // A per-point text joins its lines with CR LF: the LF must not start the next line.
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\r"));
    return plain.split(u'\r');
}

int TSeriesMarks::TextWidth(int index) const
{
    TCanvas3D *canvas = ParentChart() ? ParentChart()->Canvas() : nullptr;
    if (!canvas || !m_series)
        return 0;
    canvas->AssignFont(Font());
    int widest = 0;
    for (const QString &line : Lines(m_series->GetMarkText(index)))
        widest = std::max(widest, canvas->TextWidth(line));
    return widest;
}

void TSeriesMarks::AntiOverlap(int first, int index, TSeriesMarkPosition &position) const
{
    const int frame = Pen()->Visible() ? Pen()->Width() : 0;
    const auto grown = [&](const TSeriesMarkPosition &p) {
        TRect r = p.Bounds();
        r.left -= frame;
        r.top -= frame;
        r.right += frame + std::max(0, Shadow()->HorizSize());
        r.bottom += frame + std::max(0, Shadow()->VertSize());
        return r;
    };
    for (int i = std::max(first, 0); i < index; ++i) {
        const TSeriesMarkPosition *other = m_positions.GetPosition(i);
        if (!other)
            continue;
        const TRect a = grown(position);
        const TRect b = grown(*other);
        if (a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom) {
            const int overlap = a.bottom - b.top;
            position.LeftTop.y -= overlap;
            position.ArrowTo.y -= overlap;
        }
    }
}

void TSeriesMarks::ApplyPosition(int index, TSeriesMarkPosition &position)
{
    TSeriesMarkPosition &stored = m_positions.Ensure(index);
    if (!stored.Custom) {
        stored = position;
        return;
    }
    const TPoint computedStart = position.ArrowFrom;
    position = stored;
    if (stored.ArrowFix)
        position.ArrowFrom = computedStart;
}

void TSeriesMarks::ApplyCalloutOffset(TSeriesMarkPosition &position) const
{
    if (m_callout)
        m_callout->ApplyLength(position);
}

void TSeriesMarks::DrawItem(int index, TColor color, const QString &text, TSeriesMarkPosition &position)
{
    TCanvas3D *canvas = ParentChart() ? ParentChart()->Canvas() : nullptr;
    if (!canvas)
        return;
    ApplyPosition(index, position);
    if (m_callout && (m_callout->Visible() || m_callout->Arrow()->Visible()))
        m_callout->Draw(color, position.ArrowFrom, m_zPosition, position.ArrowTo);
    TPlotCustomShape &item = ItemFor(index);
    const int angle = ((m_angle % 360) + 360) % 360;
    const TRect box = boxAt(position);
    if (item.Transparent()) {
        canvas->Brush()->SetStyle(bsClear);
        canvas->SetBackMode(cbmTransparent);
    }
    canvas->AssignVisiblePen(*item.Pen());
    item.DrawRectRotated(box, angle, m_zPosition + 1);
    if (SymbolShown()) {
        const int h = canvas->FontHeight();
        m_symbol->SetColor(color);
        m_symbol->SetTransparent(false);
        m_symbol->DrawRectRotated({box.left + 4, box.top + 3, box.left + h - 1, box.top + h - 2}, angle, m_zPosition + 1);
    }
    drawText(*canvas, box, text, item);
}

void TSeriesMarks::drawText(TCanvas3D &canvas, const TRect &box, const QString &text, TPlotCustomShape &item)
{
    canvas.AssignFont(item.Font());
    canvas.Brush()->SetStyle(bsClear);
    canvas.SetBackMode(cbmTransparent);
    const int lineHeight = canvas.FontHeight();
    int left = box.left + 2;
    if (SymbolShown())
        left += (lineHeight - 5) + 4;
    const int x = left + (box.right - left) / 2;
    int top = box.top;
    if (item.Pen()->Visible())
        top += item.Pen()->Width();
    if (item.TextFormat() == ttfHtml) {
        canvas.SetTextAlign(TA_LEFT);
        const QSize size = PlotHtml::HtmlTextExtent(canvas, text);
        PlotHtml::HtmlTextOut(canvas, x - size.width() / 2, top, text);
        return;
    }
    canvas.SetTextAlign(TA_CENTER);
    const bool in3D = canvas.ReservedQuery();
    const int angle = ((m_angle % 360) + 360) % 360;
    const double radians = angle * std::numbers::pi / 180.0;
    const int cx = (box.left + box.right) / 2;
    const int cy = (box.top + box.bottom) / 2;
    const QStringList lines = Lines(text);
    for (int i = 0; i < int(lines.size()); ++i) {
        int lx = x;
        int ly = top + i * lineHeight;
        if (angle != 0) {
            const double dx = lx - cx;
            const double dy = ly - cy;
            lx = cx + int(std::nearbyint(dx * std::cos(radians) + dy * std::sin(radians)));
            ly = cy + int(std::nearbyint(-dx * std::sin(radians) + dy * std::cos(radians)));
            if (in3D)
                canvas.RotateLabel3D(lx, ly, m_zPosition, lines[i], angle);
            else
                canvas.RotateLabel(lx, ly, lines[i], angle);
        } else if (in3D) {
            canvas.TextOut3D(lx, ly, m_zPosition, lines[i]);
        } else {
            canvas.TextOut(lx, ly, lines[i]);
        }
    }
}

void TSeriesMarks::Assign(const TPlotCustomShapeBrushPen &source)
{
    if (const auto *marks = qobject_cast<const TSeriesMarks *>(&source)) {
        m_angle = marks->m_angle;
        if (marks->m_callout)
            Callout()->Assign(*marks->m_callout);
        else
            m_callout.reset();
        m_clip = marks->m_clip;
        m_drawEvery = marks->m_drawEvery;
        m_style = marks->m_style;
        m_multiLine = marks->m_multiLine;
        if (marks->m_symbol)
            Symbol()->Assign(*marks->m_symbol);
        else
            m_symbol.reset();
        m_items.Clear();
        for (int i = 0; i < marks->m_items.Count(); ++i)
            if (const TMarksItem *item = marks->m_items.ItemIfAny(i))
                m_items.Item(i)->Assign(*item);
    }
    TPlotCustomShape::Assign(source);
}

QByteArray TSeriesMarks::WriteItems() const
{
    QByteArray data;
    ComponentStream::Writer out(data);
    out.writeInt32(m_items.Count());
    for (int i = 0; i < m_items.Count(); ++i) {
        out.writeListBegin();
        // A missing entry stays missing: an empty block, not a default item in the marks' place.
        if (const TMarksItem *item = m_items.ItemIfAny(i))
            out.writeProperties(*item);
        out.writeListEnd();
    }
    return data;
}

void TSeriesMarks::ReadItems(const QByteArray &data)
{
    m_items.Clear();
    try {
        ComponentStream::Reader in(data);
        const qint32 n = in.readInt32();
        // Every block takes at least its two markers.
        if (n < 0 || n > StreamLimits::kMaxSeriesPoints || qint64(n) * 2 > in.remaining())
            throw ChartException(PlotConst::WrongFileFormatText());
        int made = 0;
        for (int i = 0; i < n; ++i) {
            in.readListBegin();
            if (in.readListEnd())
                continue;
            // A format is a few bytes of the file and a whole object in memory.
            if (++made > StreamLimits::kMaxMarkFormats)
                throw ChartException(PlotConst::WrongFileFormatText());
            TMarksItem *item = m_items.Item(i);
            const QString owner = m_series ? StreamObjectText(*m_series) : QString();
            const QByteArray prefix = "Marks.Items[" + QByteArray::number(i) + "].";
            do
                in.readProperty(*item, owner, prefix);
            while (!in.readListEnd());
        }
    } catch (...) {
        m_items.Clear();
        throw;
    }
    Repaint();
}

void TSeriesMarks::defineProperties(PropertyFiler &filer)
{
    TPlotCustomShape::defineProperties(filer);
    filer.DefineProperty(
        QStringLiteral("Items"), [this](const QVariant &value) { ReadItems(FilerValues::toBytes(value, QStringLiteral("Items"))); },
        [this] { return QVariant(WriteItems()); }, [this] { return !m_items.IsEmpty(); });
}
