// The pop-up of a gallery sample's sub-styles: a strip with a closing arrow over a gallery panel
// of one sample per style. It closes when a style is chosen, the arrow is clicked, on Escape or
// on a click outside.
#pragma once

#include <QWidget>

class TChartGalleryPanel;
class QToolButton;

class TSubGalleryPopup : public QWidget
{
    Q_OBJECT
public:
    explicit TSubGalleryPopup(QWidget *parent);

    // The strip above the samples.
    static constexpr int kStripHeight = 12;

    TChartGalleryPanel *Panel;
    QToolButton *BClose;

    // Places the pop-up at the point, moved left or up so that it ends 2 pixels before the
    // right and bottom edges of the screen's work area.
    void PlaceAt(const QPoint &globalTopLeft);

Q_SIGNALS:
    // Once, when it closes: accepted with the chosen sub-style (-1 when none was chosen).
    void Finished(bool accepted, int subIndex);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void finish(bool accepted);

    bool m_finished = false;
};
