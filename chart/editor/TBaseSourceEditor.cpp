// The data-source editor base.
#include "TBaseSourceEditor.h"

#include "PlotConst.h"
#include "ReportException.h"
#include "TChartSeries.h"
#include "platform/MessageService.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <exception>

TBaseSourceEditor::TBaseSourceEditor(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("BaseSourceEditor"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    Pan = new QFrame(this);
    Pan->setObjectName(QStringLiteral("Pan"));
    layout->addWidget(Pan);
    layout->addStretch(1);
    auto *strip = new QHBoxLayout(Pan);
    LLabel = new QLabel(QStringLiteral("&Source:"), Pan);
    LLabel->setObjectName(QStringLiteral("LLabel"));
    CBSources = new QComboBox(Pan);
    CBSources->setObjectName(QStringLiteral("CBSources"));
    LLabel->setBuddy(CBSources);
    BApply = new QPushButton(QStringLiteral("&Apply"), Pan);
    BApply->setObjectName(QStringLiteral("BApply"));
    BApply->setEnabled(false);
    strip->addWidget(LLabel);
    strip->addWidget(CBSources, 1);
    strip->addWidget(BApply);
    for (QWidget *w : {static_cast<QWidget *>(LLabel), static_cast<QWidget *>(CBSources),
                       static_cast<QWidget *>(BApply)})
        w->setAccessibleName(w->objectName());
    connect(CBSources, &QComboBox::activated, this, [this] { CBSourcesChange(); });
    connect(BApply, &QPushButton::clicked, this, [this] {
        try {
            BApplyClick();
        } catch (const std::exception &e) {
            reportEditorException(QString::fromUtf8(e.what()));
        }
    });
}

bool TBaseSourceEditor::HasPendingChanges() const
{
    return BApply->isEnabled();
}

bool TBaseSourceEditor::IsValid(QObject *component) const
{
    Q_UNUSED(component);
    return false;
}

void TBaseSourceEditor::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_series = qobject_cast<TChartSeries *>(m_tag.data());
    BApply->setEnabled(false);
}

void TBaseSourceEditor::CBSourcesChange()
{
    BApply->setEnabled(true);
}

void TBaseSourceEditor::BApplyClick()
{
}

bool TBaseSourceEditor::FormCloseQuery()
{
    if (!HasPendingChanges())
        return true;
    const int answer = showMessage(PlotConst::message(PlotConst::msgApplyChanges), QString(),
                                   MbYesNoCancel | MbIconQuestion);
    if (answer == IdYes) {
        // An apply that throws or leaves Apply enabled has not taken the changes: keep the form.
        BApply->click();
        return !HasPendingChanges();
    }
    if (answer == IdNo) {
        BApply->setEnabled(false);
        return true;
    }
    return false;
}

void TBaseSourceEditor::closeEvent(QCloseEvent *event)
{
    if (FormCloseQuery())
        event->accept();
    else
        event->ignore();
}
