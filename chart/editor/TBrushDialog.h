// The "Pattern Color Editor": a brush's hatch style, one of twelve patterns or seven textures,
// a picture of the user's, and its colour, edited in place; every way of cancelling gives the
// brush back.
#pragma once

#include <QDialog>
#include <QPointer>

#include <memory>

class QLabel;
class QListWidget;
class QPushButton;
class TButtonColor;
class TChartBrush;

class TBrushDialog : public QDialog
{
    Q_OBJECT
public:
    // The rows of the style list: hatch styles, then patterns, then textures.
    static constexpr int kHatchCount = 8;
    static constexpr int kPatternCount = 12;
    static constexpr int kTextureCount = 7;

    explicit TBrushDialog(QWidget *parent = nullptr);
    ~TBrushDialog() override;

    void SetBrush(TChartBrush *brush) { m_brush = brush; }
    TChartBrush *Brush() const { return m_brush; }

    // Cancel, Escape and the window's close button: the brush takes back what it was at showing.
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fill();
    void styleChosen(int row);
    void browseOrClear();
    void updateImageBox();
    void applyColorRule();
    void selectStyleRow();
    bool hasImage() const;

    QPointer<TChartBrush> m_brush;
    std::unique_ptr<TChartBrush> m_copy;
    bool m_filling = false;

    QListWidget *m_styles;
    TButtonColor *m_color;
    QLabel *m_image;
    QPushButton *m_browse;
    QPushButton *m_ok;
    QPushButton *m_cancel;
};

// The picture behind a pattern or texture row of the style list, as the brush takes it.
QImage BrushDialogPicture(int row);

// Opens the dialog modally on the brush; true on OK.
bool EditChartBrush(QWidget *owner, TChartBrush &brush);
