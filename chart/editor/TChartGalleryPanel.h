// A panel of sample charts laid out in cells: one is selected and highlighted, the mouse frames
// the sample under it, arrow keys move the selection and Enter or a double click chooses it.
#pragma once

#include <QPointer>
#include <QWidget>

#include <memory>
#include <optional>
#include <vector>

struct ChartClassDescriptor;
class TChartSeries;
class TGalleryChart;
class TSubGalleryPopup;

// What the user chose in a gallery.
struct GallerySelection
{
    const ChartClassDescriptor *seriesClass = nullptr;
    const ChartClassDescriptor *functionClass = nullptr;
    // The chosen sub-style; -1 for none.
    int subIndex = -1;
};

class TChartGalleryPanel : public QWidget
{
    Q_OBJECT
public:
    explicit TChartGalleryPanel(QWidget *parent = nullptr);
    ~TChartGalleryPanel() override;

    int NumRows() const { return m_numRows; }
    void SetNumRows(int value);
    int NumCols() const { return m_numCols; }
    void SetNumCols(int value);
    int BevelWidth() const { return m_bevelWidth; }
    void SetBevelWidth(int value);
    int BorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int value);
    bool View3D() const { return m_view3D; }
    void SetView3D(bool value);
    bool FocusRotation = true;
    bool DisplaySub = true;
    // Samples of function types instead of series types.
    bool FunctionsMode = false;
    // With a series being changed: types that cannot take its data are shown disabled.
    bool CheckSeries = false;
    TChartSeries *ChangingSeries() const;
    void SetChangingSeries(TChartSeries *series);
    // Starts from the stored "SmoothGallery"; applies to every sample.
    bool Smooth() const { return m_smooth; }
    void SetSmooth(bool value);

    // One sample per registered type of the page (by its text) and of the mode.
    void CreateGalleryPage(const QString &page);
    // One sample per sub-style the series class offers, each titled with the style's name.
    void CreateSubGalleryPage(const TChartSeries &series, int numSeries);
    // A sample of the classes: numSeries series, prepared as gallery samples.
    TGalleryChart *AddTypeSample(const ChartClassDescriptor *seriesClass, const ChartClassDescriptor *functionClass,
                                 int numSeries, const QStringList &title);
    // The selected sample's classes and the sub-style chosen for it; none without a selection.
    std::optional<GallerySelection> GetSeriesClass() const;

    // The sub-styles of the selected sample in a pop-up below it.
    void OpenSubGallery();
    TSubGalleryPopup *SubGallery() const;

    // Cell sizes of the layout; 0 while a count is below 1.
    int CellWidth() const;
    int CellHeight() const;
    // Where sample number index lies.
    QRect ChartRect(int index) const;

    // A new sample, owned and placed by the panel.
    TGalleryChart *AddChart();
    void ClearCharts();
    const std::vector<std::unique_ptr<TGalleryChart>> &Charts() const { return m_charts; }

    TGalleryChart *SelectedChart() const { return m_selected; }
    virtual void SetSelectedChart(TGalleryChart *chart);
    int SelectedIndex() const;

Q_SIGNALS:
    // A sample was chosen: double click or Enter.
    void OnSelectedChart();
    // The highlighted sample changed.
    void OnChangeChart();
    // A sub-style was chosen in the sub-gallery.
    void OnSubSelected();

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Puts sample number index in its cell, with axis labels while the window is maximized.
    void placeChart(TGalleryChart &chart, int index) const;
    void layoutCharts();
    // Moves the selection by a number of columns and rows, staying inside the grid.
    void moveSelection(int columns, int rows);
    TGalleryChart *sampleOf(QObject *object) const;
    void subGalleryClosed(bool accepted, int subIndex);

    std::vector<std::unique_ptr<TGalleryChart>> m_charts;
    TGalleryChart *m_selected = nullptr;
    int m_numRows = 3;
    int m_numCols = 4;
    int m_bevelWidth = 1;
    int m_borderWidth = 0;
    bool m_view3D = true;
    bool m_smooth = false;
    bool m_storedSmooth = false;
    int m_subIndex = -1;
    QPointer<TChartSeries> m_changingSeries;
    QPointer<TSubGalleryPopup> m_subGallery;
};
