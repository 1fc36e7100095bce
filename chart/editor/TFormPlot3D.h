// The chart editor's 3D page: the chart's 3D switch, depth, clipping and view options on
// "Options", and six sample views on "Views" whose settings a click copies to the chart.
#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>

class QCheckBox;
class QLabel;
class QSlider;
class QSpinBox;
class QTabWidget;
class TChartGalleryPanel;
class TCustomAxisPanel;

class TFormPlot3D : public QWidget
{
    Q_OBJECT
public:
    explicit TFormPlot3D(TCustomAxisPanel *chart, QWidget *parent = nullptr);

    // Fills the controls from the chart; a first call after RefreshOnShow returns to "Options".
    void RefreshControls();
    // The editor shows the page again: it opens on "Options".
    void RefreshOnShow();

    QTabWidget *PageControl1;
    QWidget *TabOptions;
    QWidget *TabViews;
    QCheckBox *CBView3d;
    QSpinBox *SE3d;
    QCheckBox *CBOrthogonal;
    QSpinBox *EOrthoAngle;
    QSlider *SBZoom;
    QLabel *LZoom;
    QSlider *SBRotation;
    QLabel *LRotation;
    QSlider *SBElevation;
    QLabel *LElevation;
    QSlider *SBHOffset;
    QLabel *LHOffset;
    QSlider *SBVOffset;
    QLabel *LVOffset;
    QSlider *SBPerspec;
    QLabel *LPerspec;
    QCheckBox *CBZoomText;
    QSpinBox *ETextSize;
    QCheckBox *CBClipPoints;
    TChartGalleryPanel *Gallery;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildOptions();
    void connectOptions();
    void enableControls();
    void fillGallery();
    void selectMatchingView();
    void viewChosen();
    // Writes one property unless the controls are being filled.
    void write(const std::function<void(TCustomAxisPanel &)> &setter);

    QPointer<TCustomAxisPanel> m_chart;
    bool m_filling = false;
    bool m_rotationAllowed = true;
    bool m_firstShow = true;
};
