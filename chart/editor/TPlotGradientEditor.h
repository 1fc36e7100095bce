// The "Gradient Editor": visibility, direction, colours, balance and radial offsets of a gradient,
// with 17 named presets, a preview and one sample chart per direction. Edits go straight into the
// gradient; every way out but OK gives it back its copy.
#pragma once

#include "TCustomPlotGradient.h"
#include "TCustomPlotPanelExtended.h"
#include "TPlotButton.h"

#include <QDialog>
#include <QPointer>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QSlider;
class QTabWidget;
class QWidget;
class TChartGalleryPanel;

// The gradient alone on a panel.
class TPreviewGradient : public TCustomPlotPanelExtended
{
    Q_OBJECT
public:
    explicit TPreviewGradient(QWidget *parent = nullptr);
};

class TPlotGradientEditor : public QDialog
{
    Q_OBJECT
public:
    explicit TPlotGradientEditor(QWidget *parent = nullptr, bool hideColors = false, bool hideVisible = false);

    void LinkGradient(TCustomPlotGradient *gradient);
    TCustomPlotGradient *Gradient() const { return m_gradient; }
    // Without OK and Cancel, for a host page.
    void SetEmbedded();

    struct Preset {
        const char *name;
        TColor start;
        TColor mid;
        TColor end;
        TGradientDirection direction;
        int balance;
    };
    static const Preset &PresetAt(int number);
    static int PresetCount();

    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void refreshControls();
    void updatePreview();
    void enableVisible();
    void enableDirection();
    void selectDirectionSample();
    void applyPreset(int number);
    void write(const std::function<void(TCustomPlotGradient &)> &change);

    QPointer<TCustomPlotGradient> m_gradient;
    TCustomPlotGradient m_copy;
    bool m_hideColors;
    bool m_setting = false;
    QCheckBox *m_visible;
    QComboBox *m_direction;
    QTabWidget *m_pages;
    QListWidget *m_gallery;
    TPreviewGradient *m_preview;
    TButtonColor *m_start;
    TButtonColor *m_mid;
    TButtonColor *m_end;
    QPushButton *m_swap;
    QCheckBox *m_noMid;
    QSlider *m_balance;
    QLabel *m_balanceLabel;
    QSlider *m_radialX;
    QSlider *m_radialY;
    QLabel *m_radialXLabel;
    QLabel *m_radialYLabel;
    QLabel *m_horizLabel;
    QLabel *m_vertLabel;
    TChartGalleryPanel *m_directions;
    QWidget *m_buttons;
};

// An editor button linked to a gradient: the swatch is the gradient framed in black, or in gray
// while it is hidden; a click edits it in the gradient editor.
class TButtonGradient : public TPlotButton
{
    Q_OBJECT
public:
    explicit TButtonGradient(QWidget *parent = nullptr);

    void LinkGradient(TCustomPlotGradient *gradient);
    // A gradient made only when asked for (an owner's creating accessor), so that showing a page
    // creates nothing; the click asks it.
    void LinkGradientSource(std::function<TCustomPlotGradient *()> source);
    TCustomPlotGradient *Gradient() const { return m_gradient; }
    bool HideColors = false;

Q_SIGNALS:
    // After the editor closed with OK.
    void OnClick();

protected:
    void DrawSymbol(TCanvas3D &canvas) override;

private:
    void editGradient();

    QPointer<TCustomPlotGradient> m_gradient;
    std::function<TCustomPlotGradient *()> m_source;
};

// The editor shown modally on the gradient; true on OK.
bool EditPlotGradient(QWidget *owner, TCustomPlotGradient &gradient, bool hideColors = false, bool hideVisible = false);
// The editor embedded into the host page, linked to the gradient.
TPlotGradientEditor *InsertGradientEditor(QWidget &host, TCustomPlotGradient *gradient);
