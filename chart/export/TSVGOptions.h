// The SVG format's options: anti-aliased text.
#pragma once

#include <QWidget>

class QCheckBox;

class TSVGOptions : public QWidget
{
    Q_OBJECT
public:
    explicit TSVGOptions(QWidget *parent = nullptr);

    QCheckBox *CBAntiAlias = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
};
