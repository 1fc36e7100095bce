// The "Legend Symbol Editor": width and its units, position, continuity, visibility, border and
// gradient of the legend's symbol. Placed on a tab with the symbol as its tag.
#pragma once

#include <QPointer>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;
class TButtonGradient;
class TButtonPen;
class TLegendSymbol;

class TSymbolEditor : public QWidget
{
    Q_OBJECT
public:
    TSymbolEditor(QWidget *parent, TLegendSymbol *symbol);

    QLabel *LabelWidth;
    QSpinBox *UDColWi;
    QComboBox *CBColWUnits;
    QComboBox *CBSymbolPos;
    QCheckBox *CBContinuous;
    QCheckBox *CBVisible;
    QCheckBox *CBSymPen;
    TButtonPen *BSymPen;
    QCheckBox *CBSquared;
    TButtonGradient *BSymGradient;

    TLegendSymbol *Symbol() const { return m_symbol; }
    void SetSymbol(TLegendSymbol *symbol);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fill();
    void enableWidth();

    QPointer<TLegendSymbol> m_symbol;
    bool m_filling = true;
};
