// The about box.
#include "app/windows/TInfo.h"

#include "app/data/LanguageTables.h"
#include "app/data/ProgramInfo.h"

#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TInfo::TInfo(const LanguageTables &texts, QWidget *parent)
    : QDialog(parent)
    , m_texts(texts)
{
    setObjectName(QStringLiteral("Info"));
    setModal(true);
    setWindowTitle(QStringLiteral("Info"));

    TitleLabel = new QLabel(programTitle(), this);
    QFont titleFont = TitleLabel->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    TitleLabel->setFont(titleFont);
    TitleLabel->setAlignment(Qt::AlignCenter);
    PlatformLabel = new QLabel(this);
    PlatformLabel->setAlignment(Qt::AlignCenter);
    VersionLabel = new QLabel(programVersionText(), this);
    VersionLabel->setAlignment(Qt::AlignCenter);
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setDefault(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(TitleLabel);
    layout->addWidget(PlatformLabel);
    layout->addWidget(VersionLabel);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addStretch();
    layout->addLayout(buttons);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TInfo::showEvent(QShowEvent *event)
{
    FormTextReader reader = m_texts.block(u"Info");
    setWindowTitle(reader.next(windowTitle()));
    PlatformLabel->setText(reader.next(PlatformLabel->text()));
    QDialog::showEvent(event);
}
