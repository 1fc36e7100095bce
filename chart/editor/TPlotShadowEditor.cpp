// The shadow editor.
#include "TPlotShadowEditor.h"

#include "PlotPenDlg.h"
#include "PlotProcs.h"
#include "RangeSpinBox.h"
#include "TPlotButton.h"
#include "TPlotShadow.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QShowEvent>
#include <QSpinBox>

namespace {

QSpinBox *addSpin(QWidget *parent, QGridLayout &grid, int row, const char *name, const char *caption, int minimum,
                  int maximum)
{
    auto *spin = new RangeSpinBox(parent);
    spin->setObjectName(QString::fromLatin1(name));
    spin->setRange(minimum, maximum);
    auto *label = new QLabel(QString::fromLatin1(caption), parent);
    label->setObjectName(QStringLiteral("L") + QString::fromLatin1(name));
    label->setBuddy(spin);
    grid.addWidget(label, row, 0);
    grid.addWidget(spin, row, 1);
    return spin;
}

} // namespace

TPlotShadowEditor::TPlotShadowEditor(QWidget *parent)
    : QDialog(parent)
    , m_color(new TButtonColor(this))
    , m_smooth(new QCheckBox(QStringLiteral("&Smooth"), this))
    , m_ok(new QPushButton(QStringLiteral("OK"), this))
    , m_cancel(new QPushButton(QStringLiteral("Cancel"), this))
{
    setObjectName(QStringLiteral("PlotShadowEditor"));
    setWindowTitle(QStringLiteral("Shadow editor"));
    auto *grid = new QGridLayout(this);
    m_horizSize = addSpin(this, *grid, 0, "Edit1", "&Horiz. Size:", -1000, 1000);
    m_vertSize = addSpin(this, *grid, 1, "EVertSize", "&Vert. Size:", -1000, 1000);
    m_transparency = addSpin(this, *grid, 2, "EShadowTransp", "&Transparency:", 0, 100);
    m_color->setObjectName(QStringLiteral("BShadowColor"));
    m_color->setText(QStringLiteral("&Color..."));
    m_smooth->setObjectName(QStringLiteral("CBSmooth"));
    m_smooth->setChecked(true);
    m_ok->setObjectName(QStringLiteral("BOK"));
    m_ok->setDefault(true);
    grid->addWidget(m_color, 3, 0);
    grid->addWidget(m_smooth, 3, 1);
    m_cancel->setObjectName(QStringLiteral("BCancel"));
    grid->addWidget(m_ok, 4, 0);
    grid->addWidget(m_cancel, 4, 1);

    connect(m_horizSize, &QSpinBox::valueChanged, this,
            [this](int value) { write([value](TPlotShadow &s) { s.SetHorizSize(value); }); });
    connect(m_vertSize, &QSpinBox::valueChanged, this,
            [this](int value) { write([value](TPlotShadow &s) { s.SetVertSize(value); }); });
    connect(m_transparency, &QSpinBox::valueChanged, this,
            [this](int value) { write([value](TPlotShadow &s) { s.SetTransparency(value); }); });
    connect(m_smooth, &QCheckBox::clicked, this,
            [this](bool checked) { write([checked](TPlotShadow &s) { s.SetSmooth(checked); }); });
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TPlotShadowEditor::RefreshControls(TPlotShadow *shadow)
{
    m_shadow = shadow;
    if (!shadow)
        return;
    m_filling = true;
    m_horizSize->setValue(shadow->HorizSize());
    m_vertSize->setValue(shadow->VertSize());
    m_transparency->setValue(shadow->Transparency());
    m_smooth->setChecked(shadow->Smooth());
    m_color->LinkProperty(shadow, QStringLiteral("Color"));
    m_filling = false;
}

void TPlotShadowEditor::write(const std::function<void(TPlotShadow &)> &change)
{
    if (m_shadow && !m_filling)
        change(*m_shadow);
}

void TPlotShadowEditor::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    RefreshControls(m_shadow);
    // Only a dialog of its own can be cancelled; a page's edits stay the page's.
    if (isWindow() && m_shadow && !event->spontaneous()) {
        m_copy = std::make_unique<TPlotShadow>();
        m_copy->Assign(*m_shadow);
    }
    PlotProcs::PlotTranslateControl(this);
}

void TPlotShadowEditor::reject()
{
    // Assign notifies the owner only when a value differs.
    if (m_shadow && m_copy)
        m_shadow->Assign(*m_copy);
    QDialog::reject();
}

bool EditShadow(QWidget *owner, TPlotShadow &shadow)
{
    const auto editor = PlotPenDlg::CreateEditorForm<TPlotShadowEditor>(owner);
    editor->RefreshControls(&shadow);
    editor->OkButton()->show();
    return editor->exec() == QDialog::Accepted;
}

TPlotShadowEditor *InsertShadowEditor(QWidget &host)
{
    auto *editor = new TPlotShadowEditor(&host);
    editor->OkButton()->hide();
    editor->CancelButton()->hide();
    PlotPenDlg::EmbedForm(*editor, host);
    return editor;
}
