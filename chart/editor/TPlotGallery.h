// The series gallery dialog: tabs for series types and functions, a tab per gallery page, the
// samples of the page, and the 3D and smoothing switches.
#pragma once

#include "TGalleryDialog.h"

class QTabBar;

class TPlotGallery : public TGalleryDialog
{
    Q_OBJECT
public:
    explicit TPlotGallery(QWidget *parent = nullptr);

    // Without functions the "Functions" tab is removed.
    void SetFunctionsAllowed(bool allowed);
    // The selected sample's type and sub-style.
    std::optional<GallerySelection> Selection() const override;

    QTabBar *TabKinds;
    QTabBar *TabPages;

protected:
    void showEvent(QShowEvent *event) override;

private:
    // The page tabs of the kind of the current outer tab, "Standard" first, then its samples.
    void fillPages();
    void showPage();

    bool m_filled = false;
};
