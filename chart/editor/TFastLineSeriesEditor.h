// The fast line series' Format tab: the border editor on the series pen, embedded without its
// OK and Cancel, with the fast line's own switches.
#pragma once

#include "TPenDialog.h"

#include <QPointer>

class TFastLineSeries;

class TFastLineSeriesEditor : public TPenDialog
{
    Q_OBJECT
public:
    TFastLineSeriesEditor(QWidget *parent, QObject *tag);

    QCheckBox *CBDrawAll;
    QCheckBox *CBStairs;
    QCheckBox *CBInverted;
    QCheckBox *CBIgnoreNulls;

    // A page of the series editor has no Cancel: the Escape key must not give the pen back
    // nor hide the page.
    void reject() override {}

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fill();
    void write(const std::function<void(TFastLineSeries &)> &change);

    QPointer<TFastLineSeries> m_series;
    bool m_filling = false;
};
