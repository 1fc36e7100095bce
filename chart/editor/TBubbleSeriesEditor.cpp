// The bubble series editor.
#include "TBubbleSeriesEditor.h"

#include "EditorSetter.h"
#include "EditorWidgets.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLayout>
#include <QSignalBlocker>
#include <QSpinBox>

using namespace EditorWidgets;

TBubbleSeriesEditor::TBubbleSeriesEditor(QWidget *parent, QObject *tag)
    : TSeriesPointerEditor(parent, tag)
{
    setObjectName(QStringLiteral("BubbleSeriesEditor"));
    CBVisible->hide();
    SETransparency = spinBox(this, "SETransparency", 0, 100, 5);
    auto *row = new QHBoxLayout;
    row->addWidget(label(this, QStringLiteral("&Transparency:"), SETransparency, "LabelTransparency"));
    row->addWidget(SETransparency);
    row->addStretch(1);
    if (auto *box = qobject_cast<QBoxLayout *>(layout()))
        box->insertLayout(1, row);
    connect(SETransparency, &QSpinBox::valueChanged, this, [this](int value) {
        if (ThePointer())
            editorSet([&] { ThePointer()->SetTransparency(value); });
    });
}

void TBubbleSeriesEditor::showEvent(QShowEvent *event)
{
    TSeriesPointerEditor::showEvent(event);
    if (ThePointer()) {
        const QSignalBlocker blocker(SETransparency);
        SETransparency->setValue(ThePointer()->Transparency());
    }
}
