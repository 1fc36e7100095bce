// The shape editor.
#include "TFormPlotShape.h"

#include "EditorSetter.h"
#include "EditorShownPage.h"
#include "EditorWidgets.h"
#include "PlotPenDlg.h"
#include "PlotProcs.h"
#include "TBrushDialog.h"
#include "TButtonPen.h"
#include "TPlotButton.h"
#include "TPlotCustomShape.h"
#include "TPlotFontEditor.h"
#include "TPlotGradientEditor.h"
#include "TPlotShadowEditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace EditorWidgets;

namespace {

// An embedded editor fills its tab.
template <class Editor>
Editor *placeOnTab(QWidget &tab, Editor *editor)
{
    auto *layout = new QVBoxLayout(&tab);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(editor);
    return editor;
}

} // namespace

TFormPlotShape::TFormPlotShape(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FormPlotShape"));
    PC1 = named(new QTabWidget(this), "PC1");
    TabFormat = named(new QWidget(PC1), "TabFormat");
    TabText = named(new QWidget(PC1), "TabText");
    TabGradient = named(new EditorShownPage(PC1), "TabGradient");
    TabShadow = named(new QWidget(PC1), "TabShadow");
    PC1->addTab(TabFormat, QStringLiteral("Format"));
    PC1->addTab(TabText, QStringLiteral("Text"));
    PC1->addTab(TabGradient, QStringLiteral("Gradient"));
    PC1->addTab(TabShadow, QStringLiteral("Shadow"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(PC1);
    buildFormatTab();

    GradientEditor = placeOnTab(*TabGradient, InsertGradientEditor(*TabGradient, nullptr));
    FontEditor = placeOnTab(*TabText, InsertFontEditor(*TabText));
    ShadowEditor = placeOnTab(*TabShadow, InsertShadowEditor(*TabShadow));
    // The gradient is optional on most shapes: it is made when the user opens its tab.
    TabGradient->onShow = [this] { linkGradient(); };
}

void TFormPlotShape::buildFormatTab()
{
    BBackColor = named(new TButtonColor(TabFormat), "BBackColor");
    BBackColor->setText(QStringLiteral("&Color..."));
    Button4 = named(new TButtonPen(TabFormat), "Button4");
    Button4->setText(QStringLiteral("&Frame..."));
    Button6 = named(new QPushButton(QStringLiteral("&Pattern..."), TabFormat), "Button6");
    CBRound = named(new QCheckBox(QStringLiteral("&Round Frame"), TabFormat), "CBRound");
    CBTransparent = named(new QCheckBox(QStringLiteral("&Transparent"), TabFormat), "CBTransparent");
    CBBevel = named(new QComboBox(TabFormat), "CBBevel");
    CBBevel->addItems({QStringLiteral("None"), QStringLiteral("Lowered"), QStringLiteral("Raised")});
    UDBevW = spinBox(TabFormat, "UDBevW", 1, 100);
    UDShadowTransp = spinBox(TabFormat, "UDShadowTransp", 0, 100);

    auto *grid = new QGridLayout(TabFormat);
    grid->addWidget(BBackColor, 0, 0);
    grid->addWidget(Button4, 1, 0);
    grid->addWidget(Button6, 2, 0);
    grid->addWidget(CBRound, 0, 1);
    grid->addWidget(CBTransparent, 1, 1);
    grid->addWidget(label(TabFormat, QStringLiteral("&Bevel:"), CBBevel, "LabelBevel"), 3, 0);
    grid->addWidget(CBBevel, 3, 1);
    grid->addWidget(label(TabFormat, QStringLiteral("Siz&e:"), UDBevW, "LabelBevW"), 4, 0);
    grid->addWidget(UDBevW, 4, 1);
    grid->addWidget(label(TabFormat, QStringLiteral("&Transparency:"), UDShadowTransp, "LabelTransp"), 5, 0);
    grid->addWidget(UDShadowTransp, 5, 1);
    grid->setRowStretch(6, 1);

    const auto write = [this](const std::function<void(TPlotCustomShape &)> &change) {
        if (m_shape && !m_setting)
            editorSet([&] { change(*m_shape); }, [this] { RefreshControls(m_shape); });
    };
    connect(CBRound, &QCheckBox::clicked, this, [write](bool on) {
        write([on](TPlotCustomShape &s) { s.SetShapeStyle(on ? fosRoundRectangle : fosRectangle); });
    });
    connect(CBTransparent, &QCheckBox::clicked, this,
            [write](bool on) { write([on](TPlotCustomShape &s) { s.SetTransparent(on); }); });
    connect(CBBevel, &QComboBox::activated, this, [this, write](int index) {
        write([index](TPlotCustomShape &s) { s.SetBevel(TBevelCut(index)); });
        enableBevelSize();
    });
    connect(UDBevW, &QSpinBox::valueChanged, this,
            [write](int value) { write([value](TPlotCustomShape &s) { s.SetBevelWidth(value); }); });
    connect(UDShadowTransp, &QSpinBox::valueChanged, this,
            [write](int value) { write([value](TPlotCustomShape &s) { s.SetTransparency(value); }); });
    connect(Button6, &QPushButton::clicked, this, [this] {
        if (m_shape)
            EditChartBrush(this, *m_shape->Brush());
    });
}

void TFormPlotShape::RefreshControls(TPlotCustomShape *shape)
{
    m_shape = shape;
    m_setting = true;
    if (shape) {
        const QSignalBlocker blockWidth(UDBevW), blockTransparency(UDShadowTransp);
        CBRound->setChecked(shape->ShapeStyle() == fosRoundRectangle);
        CBTransparent->setChecked(shape->Transparent());
        CBBevel->setCurrentIndex(int(shape->Bevel()));
        UDBevW->setValue(shape->BevelWidth());
        UDShadowTransp->setValue(shape->Transparency());
        FontEditor->RefreshControls(shape->Font());
        ShadowEditor->RefreshControls(shape->Shadow());
        Button4->LinkPen(shape->Pen());
        BBackColor->LinkProperty(shape, QStringLiteral("Color"));
        enableBevelSize();
    }
    if (TabGradient->isVisible())
        linkGradient();
    else
        GradientEditor->LinkGradient(nullptr);
    m_setting = false;
}

void TFormPlotShape::linkGradient()
{
    if (m_shape && GradientEditor->Gradient() != m_shape->Gradient())
        GradientEditor->LinkGradient(m_shape->Gradient());
}

void TFormPlotShape::enableBevelSize()
{
    const bool on = CBBevel->currentIndex() != int(bvNone);
    UDBevW->setEnabled(on);
    if (QWidget *caption = TabFormat->findChild<QWidget *>(QStringLiteral("LabelBevW")))
        caption->setEnabled(on);
}

QList<QWidget *> TFormPlotShape::Pages() const
{
    return {TabFormat, TabText, TabGradient, TabShadow};
}

void TFormPlotShape::MoveTabsInto(QTabWidget &pages)
{
    for (QWidget *page : Pages()) {
        const int index = PC1->indexOf(page);
        const QString caption = PC1->tabText(index);
        PC1->removeTab(index);
        pages.addTab(page, caption);
    }
    pages.setCurrentIndex(0);
}

void TFormPlotShape::CBVisibleChecked(bool checked)
{
    if (m_shape && !m_setting)
        editorSet([&] { m_shape->SetVisible(checked); });
}

void TFormPlotShape::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    PC1->setCurrentIndex(0);
    if (m_shape)
        RefreshControls(m_shape);
    PlotProcs::PlotTranslateControl(this);
}

TFormPlotShape *CreateShapeEditor(QWidget *owner, TPlotCustomShape *shape, QWidget *parent)
{
    auto *form = new TFormPlotShape(parent ? parent : PlotPenDlg::EditorOwnerForm(owner));
    if (parent) {
        form->setWindowFlags(Qt::Widget);
        if (parent->layout())
            parent->layout()->addWidget(form);
        else
            (new QVBoxLayout(parent))->addWidget(form);
    } else {
        PlotPenDlg::PrepareEditorForm(*form);
    }
    form->RefreshControls(shape);
    if (parent) {
        form->show();
        PlotProcs::PlotTranslateControl(form);
    }
    return form;
}

TFormPlotShape *InsertShapeEditor(QTabWidget &pages)
{
    auto *form = new TFormPlotShape(&pages);
    form->setWindowFlags(Qt::Widget);
    form->hide();
    form->MoveTabsInto(pages);
    PlotProcs::PlotTranslateControl(&pages);
    return form;
}
