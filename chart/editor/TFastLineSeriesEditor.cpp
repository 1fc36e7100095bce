// The fast line series editor.
#include "TFastLineSeriesEditor.h"

#include "EditorSetter.h"
#include "EditorWidgets.h"
#include "TFastLineSeries.h"
#include "TPlotButton.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QPushButton>

using namespace EditorWidgets;

TFastLineSeriesEditor::TFastLineSeriesEditor(QWidget *parent, QObject *tag)
    : TPenDialog(parent)
    , m_series(qobject_cast<TFastLineSeries *>(tag))
{
    setWindowFlags(Qt::Widget);
    setObjectName(QStringLiteral("FastLineSeriesEditor"));
    if (m_series)
        SetPen(m_series->LinePen());
    for (const char *name : {"BOk", "BCancel"})
        if (auto *button = findChild<QPushButton *>(QString::fromLatin1(name)))
            button->hide();
    CBDrawAll = named(new QCheckBox(QStringLiteral("Draw &All"), this), "CBDrawAll");
    CBStairs = named(new QCheckBox(QStringLiteral("&Stairs"), this), "CBStairs");
    CBInverted = named(new QCheckBox(QStringLiteral("&Inverted"), this), "CBInvStairs");
    CBIgnoreNulls = named(new QCheckBox(QStringLiteral("&Ignore Nulls"), this), "CBIgnoreNulls");
    if (auto *grid = qobject_cast<QGridLayout *>(layout())) {
        const int row = grid->rowCount();
        grid->addWidget(CBDrawAll, row, 0);
        grid->addWidget(CBIgnoreNulls, row, 1);
        grid->addWidget(CBStairs, row + 1, 0);
        grid->addWidget(CBInverted, row + 1, 1);
        grid->setRowStretch(row + 2, 1);
    }
    connect(CBDrawAll, &QCheckBox::clicked, this,
            [this](bool on) { write([on](TFastLineSeries &s) { s.SetDrawAllPoints(on); }); });
    connect(CBStairs, &QCheckBox::clicked, this, [this](bool on) {
        write([on](TFastLineSeries &s) { s.SetStairs(on); });
        CBInverted->setEnabled(on);
    });
    connect(CBInverted, &QCheckBox::clicked, this,
            [this](bool on) { write([on](TFastLineSeries &s) { s.SetInvertedStairs(on); }); });
    connect(CBIgnoreNulls, &QCheckBox::clicked, this,
            [this](bool on) { write([on](TFastLineSeries &s) { s.SetIgnoreNulls(on); }); });
    // The pen's colour is the series colour; the button shows it as drawn (a palette colour is
    // not the pen's).
    if (auto *color = findChild<TButtonColor *>(QStringLiteral("BColor"))) {
        color->GetColorQuery = [this] { return m_series ? m_series->Color() : clNone; };
        connect(color, &TButtonColor::OnClick, this, [this] {
            write([](TFastLineSeries &s) { s.SetSeriesColor(s.LinePen()->Color()); });
        });
    }
}

void TFastLineSeriesEditor::showEvent(QShowEvent *event)
{
    TPenDialog::showEvent(event);
    fill();
}

void TFastLineSeriesEditor::fill()
{
    if (!m_series)
        return;
    m_filling = true;
    CBDrawAll->setChecked(m_series->DrawAllPoints());
    CBStairs->setChecked(m_series->Stairs());
    CBInverted->setChecked(m_series->InvertedStairs());
    CBInverted->setEnabled(m_series->Stairs());
    CBIgnoreNulls->setChecked(m_series->IgnoreNulls());
    m_filling = false;
}

void TFastLineSeriesEditor::write(const std::function<void(TFastLineSeries &)> &change)
{
    if (m_filling || !m_series)
        return;
    editorSet([&] { change(*m_series); }, [this] { fill(); });
}
