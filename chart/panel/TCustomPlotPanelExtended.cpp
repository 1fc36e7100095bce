// Panel background, back image, zoom band and the legacy zoom properties.
#include "TCustomPlotPanelExtended.h"

#include "PlotColor.h"
#include "TPlotCanvas3D.h"

#include <QPalette>

TCustomPlotPanelExtended::TCustomPlotPanelExtended(QWidget *parent)
    : TCustomPlotPanel(parent)
    , m_gradient(this, [this](TPlotGradient *g) { connect(g, &TCustomPlotGradient::changed, this, &TCustomPlotPanelExtended::PropertyChanged); })
    , m_zoom(std::make_unique<TPlotZoom>(this))
    , m_backImage(this, [this](TBackImage *image) { connect(image, &TPicture::changed, this, &TCustomPlotPanelExtended::PropertyChanged); })
{
}

TCustomPlotPanelExtended::~TCustomPlotPanelExtended() = default;

TBackImage *TCustomPlotPanelExtended::BackImage()
{
    return m_backImage.getOrCreate();
}

void TCustomPlotPanelExtended::SetBackImage(const TBackImage *value)
{
    if (m_backImage.set(value))
        Invalidate();
}

void TCustomPlotPanelExtended::SetBackImageTransp(bool value)
{
    if (m_backImage)
        m_backImage->SetTransparent(value);
}

TPlotGradient *TCustomPlotPanelExtended::Gradient()
{
    return m_gradient.getOrCreate();
}

void TCustomPlotPanelExtended::SetGradient(const TPlotGradient *value)
{
    if (m_gradient.set(value))
        Invalidate();
}

void TCustomPlotPanelExtended::SetZoom(const TPlotZoom *value)
{
    if (value)
        m_zoom->Assign(*value);
}

void TCustomPlotPanelExtended::UndoZoom()
{
    Q_EMIT OnUndoZoom();
    Invalidate();
    Zoomed = false;
}

void TCustomPlotPanelExtended::Assign(const TCustomPlotPanel &source)
{
    if (const auto *panel = qobject_cast<const TCustomPlotPanelExtended *>(&source); panel && panel != this) {
        SetBackImage(panel->m_backImage.get());
        SetGradient(panel->m_gradient.get());
        m_allowPanning = panel->m_allowPanning;
        m_zoom->Assign(*panel->m_zoom);
    }
    TCustomPlotPanel::Assign(source);
}

void TCustomPlotPanelExtended::defineProperties(PropertyFiler &filer)
{
    TCustomPlotPanel::defineProperties(filer);
    filer.DefineProperty(QStringLiteral("AllowZoom"), [this](const QVariant &value) {
        m_zoom->SetAllow(FilerValues::toBool(value, QStringLiteral("AllowZoom")));
    });
    filer.DefineProperty(QStringLiteral("AnimatedZoom"), [this](const QVariant &value) {
        m_zoom->SetAnimated(FilerValues::toBool(value, QStringLiteral("AnimatedZoom")));
    });
    filer.DefineProperty(QStringLiteral("AnimatedZoomSteps"), [this](const QVariant &value) {
        m_zoom->SetAnimatedSteps(FilerValues::toInt(value, QStringLiteral("AnimatedZoomSteps")));
    });
    filer.DefineProperty(
        QStringLiteral("PrintMargins"),
        [this](const QVariant &value) {
            const QList<int> m = FilerValues::toIntList(value, QStringLiteral("PrintMargins"), 4);
            SetPrintMargins({m[0], m[1], m[2], m[3]});
        },
        [this] {
            const auto &m = PrintMargins();
            return QVariant(QVariantList{m[0], m[1], m[2], m[3]});
        },
        [this] { return PrintMargins() != std::array<int, 4>{15, 15, 15, 15}; });
}

void TCustomPlotPanelExtended::FillPanelRect(const TRect &rect)
{
    TCanvas3D &canvas = *Canvas();
    canvas.Begin2D();
    if (m_gradient && m_gradient->Visible()) {
        m_gradient->Draw(canvas, rect, 0);
    } else if (!(Printing() && !PrintBackground) && Color() != clNone) {
        canvas.Brush()->SetColor(paintColor());
        canvas.Brush()->SetStyle(bsSolid);
        canvas.EraseBackground(rect);
    }
    canvas.End2D();
}

void TCustomPlotPanelExtended::DrawPanelBackground(const TRect &rect)
{
    TCanvas3D &canvas = *Canvas();
    canvas.Begin2D();
    TRect r = rect;
    if (Shadow()->Size() > 0) {
        // Around the shadow lies what the parent shows.
        const TColor parentColor = parentWidget()
                                       ? PlotColor::fromQRgb(parentWidget()->palette().color(QPalette::Window).rgb())
                                       : paintColor();
        canvas.Brush()->SetColor(parentColor);
        canvas.Brush()->SetStyle(bsSolid);
        canvas.EraseBackground(rect);
        r.right -= Shadow()->HorizSize();
        r.bottom -= Shadow()->VertSize();
        Shadow()->Draw(canvas, r);
    }
    FillPanelRect(r);
    if (HasBackImage() && !m_backImage->Inside())
        DrawBackImage(r, 0);
    DrawPanelBevels(r);
    canvas.End2D();
}

void TCustomPlotPanelExtended::DrawBackImage(const TRect &rect, int z)
{
    if (!HasBackImage())
        return;
    TCanvas3D &canvas = *Canvas();
    const QImage picture = m_backImage->drawnImage();
    const bool orthogonal = View3DOptions()->Orthogonal();
    // A picture of a registered format draws itself, so that an animated one plays on this panel;
    // it carries its own transparency. The rotated 3D plane takes its current frame.
    const bool graphicDraws = m_backImage->SharedGraphic() != nullptr;
    const auto drawFlat = [&](const TRect &target, bool stretch) {
        if (graphicDraws)
            m_backImage->Draw(canvas, target);
        else if (stretch)
            canvas.StretchDraw(target, &picture);
        else
            canvas.Draw(target.left, target.top, &picture);
    };
    // At a depth in an orthogonal view the rectangle is projected; in a rotated one the picture
    // is drawn in the plane.
    const auto projectedRect = [&](TRect r) {
        r = canvas.RectFromRectZ(r, z);
        if (!View3D())
            --r.top;
        return r;
    };
    if (m_backImage->Mode() == pbmStretch) {
        if (z < 1)
            drawFlat(rect, true);
        else if (!orthogonal)
            canvas.DrawGraphic3D(rect, z, &picture);
        else
            drawFlat(projectedRect(rect), true);
        return;
    }
    const bool clip = CanClip();
    if (clip) {
        if (z == 0)
            canvas.ClipRectangle(rect);
        else
            canvas.ClipCube(rect, 0, Width3D);
    }
    TRect r = z > 0 && orthogonal ? projectedRect(rect) : rect;
    const int w = picture.width();
    const int h = picture.height();
    const bool flatDraw = z < 1 || orthogonal;
    if (m_backImage->Mode() == pbmTile) {
        if (w >= 1 && h >= 1)
            for (int y = 0; y < r.height(); y += h)
                for (int x = 0; x < r.width(); x += w) {
                    if (flatDraw)
                        drawFlat({r.left + x, r.top + y, r.left + x + w, r.top + y + h}, false);
                    else
                        canvas.DrawGraphic3D({r.left + x, r.top + y, r.left + x + w, r.top + y + h}, z, &picture);
                }
    } else {
        FillPanelRect(r);
        TRect target{r.left + m_backImage->Left(), r.top + m_backImage->Top(), 0, 0};
        if (m_backImage->Mode() == pbmCenter) {
            const int dx = (r.width() - w) / 2;
            const int dy = (r.height() - h) / 2;
            target = {r.left + dx, r.top + dy, r.right - dx, r.bottom - dy};
        } else {
            target.right = target.left + w;
            target.bottom = target.top + h;
        }
        if (flatDraw)
            drawFlat(target, false);
        else
            canvas.DrawGraphic3D(target, z, &picture);
    }
    if (clip)
        canvas.UnClipRectangle();
}

void TCustomPlotPanelExtended::DrawZoomRectangle()
{
    auto *screen = dynamic_cast<TPlotCanvas3D *>(Canvas());
    if (!screen || screen->inPass()) {
        drawZoomBand(*Canvas());
        return;
    }
    const CanvasOverlay overlay(*screen);
    if (!overlay.isOpen())
        return;
    drawZoomBand(*screen);
    const QRect band = QRect(QPoint(m_zoom->X0, m_zoom->Y0), QPoint(m_zoom->X1, m_zoom->Y1)).normalized();
    update(band.adjusted(-1, -1, 1, 1));
}

void TCustomPlotPanelExtended::drawZoomBand(TCanvas3D &canvas)
{
    const TColor back = PlotColor::ColorToRGB(GetBackColor());
    // Colours xor the complement of the back colour: on the back colour the band shows in the
    // zoom colours, and a second pass in not-xor mode restores every pixel.
    const TColor mask = 0xFFFFFF - back;
    TPlotZoomBrush *brush = m_zoom->brushIfAny();
    if (brush)
        SetBrushCanvas(PlotColor::ColorToRGB(brush->Color()) ^ mask, *brush, back);
    else
        canvas.Brush()->SetStyle(bsClear);
    m_zoom->Pen()->SetMode(pmNotXor);
    canvas.AssignVisiblePenColor(*m_zoom->Pen(), PlotColor::ColorToRGB(m_zoom->Pen()->Color()) ^ mask);
    if (!brush || brush->Style() == bsClear)
        canvas.SetBackMode(cbmTransparent);
    canvas.Rectangle(m_zoom->X0, m_zoom->Y0, m_zoom->X1, m_zoom->Y1);
}
