// The metafile format's option: enhanced (EMF) or the plain Windows metafile (WMF).
#pragma once

#include <QWidget>

class QCheckBox;

class TEMFOptions : public QWidget
{
    Q_OBJECT
public:
    explicit TEMFOptions(QWidget *parent = nullptr);

    QCheckBox *CBEnhanced = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
};
