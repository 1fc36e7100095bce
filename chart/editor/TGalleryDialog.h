// What both series galleries share: the gallery panel, "&3D" and "&Smooth", OK and Cancel.
// Choosing a sample closes the dialog with OK.
#pragma once

#include <QDialog>

#include <optional>

struct GallerySelection;
class QCheckBox;
class QPushButton;
class TChartGalleryPanel;

class TGalleryDialog : public QDialog
{
    Q_OBJECT
public:
    explicit TGalleryDialog(QWidget *parent = nullptr);

    // The chosen type; none when nothing is chosen.
    virtual std::optional<GallerySelection> Selection() const = 0;
    // The 3D choice of the result.
    bool View3D() const;

    TChartGalleryPanel *ChartGalleryPanel1;
    QCheckBox *CB3D;
    QCheckBox *CBSmooth;
    QPushButton *BOk;
    QPushButton *BCancel;
};
