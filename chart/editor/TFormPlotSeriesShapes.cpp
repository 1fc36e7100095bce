// The series editor's parts that other editors supply: the format dialog behind the "..." buttons
// of the General tab, and the shape editors of the marks and of their symbol on the Marks tab.
#include "TFormPlotSeries.h"

#include "EditorShownPage.h"
#include "EditorWidgets.h"
#include "PlotProcs.h"
#include "PlotTranslate.h"
#include "TFormPlotShape.h"
#include "TFormatEditor.h"
#include "TSeriesMarks.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace EditorWidgets;

namespace {

constexpr int kSymbolTextTab = 1; // a marks symbol draws no text

} // namespace

void TFormPlotSeries::addFormatButtons(QGridLayout &grid)
{
    BValueFormat = named(new QPushButton(QStringLiteral("..."), TabGeneral), "BValueFormat");
    BPercentFormat = named(new QPushButton(QStringLiteral("..."), TabGeneral), "BPercentFormat");
    for (QPushButton *button : {BValueFormat, BPercentFormat}) {
        button->setFixedWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("...")) + 16);
        button->hide();
    }
    grid.addWidget(BValueFormat, 3, 3);
    grid.addWidget(BPercentFormat, 4, 3);
    connect(BValueFormat, &QPushButton::clicked, this, [this] { editFormat(false); });
    connect(BPercentFormat, &QPushButton::clicked, this, [this] { editFormat(true); });
}

void TFormPlotSeries::editFormat(bool percent)
{
    if (!m_series)
        return;
    QLineEdit *edit = percent ? EPercentFormat : CBFormat->lineEdit();
    QString result;
    if (!FormatEditor::EditFormat(this, edit->text(), result, !percent))
        return;
    edit->setText(result);
    // The edit's own handler stores what the user types; the dialog's text is stored the same way.
    Q_EMIT edit->textEdited(result);
}

void TFormPlotSeries::fillMarksShapes()
{
    if (!m_series)
        return;
    if (!MarksShape) {
        if (!FindEditorForm(QStringLiteral("TFormPlotShape")))
            return;
        MarksShape = InsertShapeEditor(*PageMarks);
        TabSymbol = named(new EditorShownPage(PageMarks), "TabSymbol");
        auto *layout = new QVBoxLayout(TabSymbol);
        CBSymbolVisible = named(new QCheckBox(QStringLiteral("&Visible"), TabSymbol), "CBSymbolVisible");
        layout->addWidget(CBSymbolVisible);
        SymbolShape = CreateShapeEditor(this, nullptr, TabSymbol);
        SymbolShape->PC1->setTabVisible(kSymbolTextTab, false);
        PageMarks->addTab(TabSymbol, QStringLiteral("Symbol"));
        // The form was translated before these were made.
        PlotProcs::PlotTranslateControl(CBSymbolVisible);
        QString title = PageMarks->tabText(PageMarks->indexOf(TabSymbol));
        QString usedHotkeys;
        if (PlotTranslate::TranslateCaptionText(title, usedHotkeys))
            PageMarks->setTabText(PageMarks->indexOf(TabSymbol), title);
        // The symbol is made when the user opens its tab, not when the marks are shown.
        TabSymbol->onShow = [this] {
            if (!m_series)
                return;
            TSeriesMarksSymbol *symbol = m_series->Marks()->Symbol();
            const QSignalBlocker block(CBSymbolVisible);
            CBSymbolVisible->setChecked(symbol->Visible());
            SymbolShape->RefreshControls(symbol);
        };
        connect(CBSymbolVisible, &QCheckBox::clicked, this, [this](bool on) { SymbolShape->CBVisibleChecked(on); });
        PageMarks->setCurrentWidget(TabStyle);
    }
    MarksShape->RefreshControls(m_series->Marks());
    if (TabSymbol->isVisible())
        TabSymbol->onShow();
}
