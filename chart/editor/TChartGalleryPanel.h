// A panel of sample charts laid out in cells: one is selected and highlighted, the mouse frames
// the sample under it, arrow keys move the selection and Enter or a double click chooses it.
#pragma once

#include <QWidget>

#include <memory>
#include <vector>

class TGalleryChart;

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

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void layoutCharts();
    // Moves the selection by a number of columns and rows, staying inside the grid.
    void moveSelection(int columns, int rows);
    TGalleryChart *sampleOf(QObject *object) const;

    std::vector<std::unique_ptr<TGalleryChart>> m_charts;
    TGalleryChart *m_selected = nullptr;
    int m_numRows = 3;
    int m_numCols = 4;
    int m_bevelWidth = 1;
    int m_borderWidth = 0;
    bool m_view3D = true;
};
