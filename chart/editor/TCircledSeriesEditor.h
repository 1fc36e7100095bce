// The circle of a pie (or any circled series): round or free, the chart's 3D, the rotation,
// fixed radii or automatic ones, and the background inside the circle.
#pragma once

#include "SeriesFormatForm.h"

class TButtonGradient;
class TCircledSeries;

class TCircledSeriesEditor : public SeriesFormatForm
{
    Q_OBJECT
public:
    TCircledSeriesEditor(QWidget *parent, QObject *tag);

    QCheckBox *CBCircled;
    QCheckBox *CB3D;
    QSpinBox *SERotation;
    QSpinBox *SEXRadius;
    QCheckBox *CBAutoXR;
    QSpinBox *SEYRadius;
    QCheckBox *CBAutoYR;
    TButtonColor *BBackColor;
    QCheckBox *CBTransparent;
    TButtonGradient *BCircleGradient;

    TCircledSeries *TheSeries() const;
    // The pie editor's page has no background controls: the pie fills its circle itself.
    void HideBackgroundControls();

protected:
    void FillControls() override;

private:
    void addRadius(const char *editName, const char *autoName, const QString &autoCaption, QSpinBox *&edit,
                   QCheckBox *&autoBox, std::function<void(int)> set);
    void showTransparent(bool transparent);
};
