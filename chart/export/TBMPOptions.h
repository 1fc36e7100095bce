// The bitmap format's options: monochrome or a colour depth.
#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;

class TBMPOptions : public QWidget
{
    Q_OBJECT
public:
    explicit TBMPOptions(QWidget *parent = nullptr);

    QCheckBox *CBMono = nullptr;
    // "Default", "2 (1 bit)", ... "16M (32 bit)": the index is the pixel format.
    QComboBox *CBColors = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void CBMonoClick();
};
