// The "PlotFont Editor": colour, font, inter-character spacing, outline pen and gradient, and the
// shadow of a chart font, written as the user changes them. Embedded in shape editors and pages.
#pragma once

#include "PlotTypes.h"

#include <QDialog>
#include <QPointer>

#include <functional>

class QCheckBox;
class QPushButton;
class QSpinBox;
class TButtonGradient;
class TButtonPen;
class TPlotFont;

// The font colour as a swatch; a click on it edits the colour.
class FontColorSwatch : public QWidget
{
public:
    explicit FontColorSwatch(QWidget *parent = nullptr);
    void SetColor(TColor color);
    TColor Color() const { return m_color; }
    std::function<void()> onClick;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    TColor m_color = clBlack;
};

class TPlotFontEditor : public QDialog
{
    Q_OBJECT
public:
    explicit TPlotFontEditor(QWidget *parent = nullptr);

    FontColorSwatch *SHText;
    QPushButton *Button3;
    QSpinBox *UDInter;
    TButtonPen *BOutline;
    QPushButton *BShadow;
    QCheckBox *CBOutGrad;
    TButtonGradient *BGradient;

    // Links the font and shows its values.
    void RefreshControls(TPlotFont *font);
    TPlotFont *Font() const { return m_font; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void editColor();

    QPointer<TPlotFont> m_font;
    bool m_filling = false;
};

// The font editor embedded in the host page; the host owns it and links a font through
// RefreshControls.
TPlotFontEditor *InsertFontEditor(QWidget &host);
