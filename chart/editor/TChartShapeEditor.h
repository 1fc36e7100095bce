// The shape series' Format tab: style, colours, pen, brush, text and its alignment, rounding and
// gradient; the two corner points and their units; the text's font in the embedded font editor.
#pragma once

#include "SeriesFormatForm.h"

class QButtonGroup;
class QGroupBox;
class QPlainTextEdit;
class QTabWidget;
class TButtonGradient;
class TButtonPen;
class TChartShape;
class TPlotFontEditor;

class TChartShapeEditor : public SeriesFormatForm
{
    Q_OBJECT
public:
    TChartShapeEditor(QWidget *parent, QObject *tag);

    QTabWidget *PageControl1;
    QWidget *TabStyle;
    QWidget *TabPosition;
    QWidget *TabText;
    QComboBox *CBStyle;
    TButtonColor *BShapeColor;
    TButtonPen *BShapePen;
    QPushButton *BShapeBrush;
    QCheckBox *CBTransparent;
    QPlainTextEdit *MemoText;
    QGroupBox *RGAlign;
    QButtonGroup *AlignButtons;
    QGroupBox *RGVertAlign;
    QButtonGroup *VertAlignButtons;
    QCheckBox *CBRound;
    TButtonGradient *BGradient;
    QLineEdit *EX0;
    QLineEdit *EY0;
    QLineEdit *EX1;
    QLineEdit *EY1;
    QComboBox *CBXYStyle;
    TPlotFontEditor *FontEditor;

    TChartShape *TheSeries() const;

protected:
    void FillControls() override;

private:
    void fillPosition();
};
