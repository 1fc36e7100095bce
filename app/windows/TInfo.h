// The about box: program title, platform line and version.
#pragma once

#include <QDialog>

class LanguageTables;
class QLabel;
class QPushButton;

class TInfo : public QDialog
{
    Q_OBJECT
public:
    TInfo(const LanguageTables &texts, QWidget *parent);

    QLabel *TitleLabel = nullptr;
    QLabel *PlatformLabel = nullptr;
    QLabel *VersionLabel = nullptr;
    QPushButton *OKButton = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    const LanguageTables &m_texts;
};
