// The editor of a point marker: of a series' pointer (the point series' Format tab, the "Point"
// tab of line editors) or of a marks callout's pointer, shown as a small dialog.
#pragma once

#include "TChartSeries.h"
#include "TSeriesPointer.h"

#include <QPointer>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class TButtonPen;

class TSeriesPointerEditor : public QWidget
{
    Q_OBJECT
public:
    // The tag is a series with a pointer, or a pointer.
    TSeriesPointerEditor(QWidget *parent, QObject *tag);

    QCheckBox *CBVisible;
    QCheckBox *CB3D;
    QCheckBox *CBDark3D;
    QCheckBox *CBInflateMargins;
    QLabel *LabelWidth;
    QSpinBox *SEPointHorizSize;
    QLabel *LabelHeight;
    QSpinBox *SEPointVertSize;
    QComboBox *CBStyle;
    QPushButton *BPattern;
    QCheckBox *CBDefault;
    TButtonPen *BBorder;
    QCheckBox *CBColorEach;
    QPushButton *BGradient;
    QWidget *PanelBottom;
    QPushButton *BClose;

    TSeriesPointer *ThePointer() const { return m_pointer; }
    // Hides the width and height controls (a Gantt bar has its own height).
    void HideSizeControls();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void connectControls();
    void fill();
    void applyVisible();
    void apply3DAvailability();
    void applyDefaultState();
    void fillStyleIcons();
    void write(const std::function<void(TSeriesPointer &)> &change);

    QPointer<QObject> m_tag;
    QPointer<TSeriesPointer> m_pointer;
    QPointer<TChartSeries> m_series;
    bool m_filling = true;
    bool m_sizesHidden = false;
};

// Edits a callout's pointer in a modal dialog captioned "Pointer", centred on the owner's form.
bool EditSeriesPointer(QWidget *owner, TSeriesPointer *pointer);
// Inserts the pointer editor as a tab of the series editor owning caller, at page 1.
QWidget *InsertPointerEditorTab(QWidget *caller, QObject *tag, const QString &caption);
