// The alternate series gallery: a list of the series types of a chosen gallery page, and the
// sub-styles of the listed type as samples.
#pragma once

#include "TGalleryDialog.h"

#include <memory>

struct ChartClassDescriptor;
class QComboBox;
class TChart;
class TChartListBox;
class TChartSeries;

class TPlotGalleryForm : public TGalleryDialog
{
    Q_OBJECT
public:
    explicit TPlotGalleryForm(QWidget *parent = nullptr);
    ~TPlotGalleryForm() override;

    // The type of the series is listed selected when the dialog shows.
    void SetPreselected(const TChartSeries *series);
    // The listed type with the chosen sub-style; none without a listed type.
    std::optional<GallerySelection> Selection() const override;

    TChartListBox *LBSeries;
    QComboBox *CBGalleries;

protected:
    void showEvent(QShowEvent *event) override;

private:
    // One series per series type of the chosen page ("(all)": every page).
    void fillTypes();
    // The sub-styles of the listed type, when its class is not the one shown already.
    void showSubStyles();

    std::unique_ptr<TChart> m_types;
    const ChartClassDescriptor *m_shownClass = nullptr;
    const ChartClassDescriptor *m_preselected = nullptr;
    bool m_filled = false;
};
