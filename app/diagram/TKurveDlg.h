// The diagram window: vapour-pressure or boiling-point curves of the picked substances, or of
// the visible dialog's mixture or solution, in the units of the two lists below the chart.
#pragma once

#include "app/windows/DiagramHost.h"

#include <QDialog>

#include <memory>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class TChart;
class TChartEditor;
class TChartPreviewer;
struct DiagramContent;
class TMeddazuDlg;
class TPageNumTool;

class TKurveDlg : public QDialog
{
    Q_OBJECT
public:
    TKurveDlg(const DiagramHost &host, QWidget *parent);
    ~TKurveDlg() override;

    TChart *Chart1 = nullptr;
    TChartPreviewer *ChartPreviewer1 = nullptr; // the print preview of Chart1
    TChartEditor *ChartEditor1 = nullptr; // the chart editor on Chart1
    TPageNumTool *ChartTool1 = nullptr; // on Chart1, off until the editor's paging page turns it on
    QFrame *Panel2 = nullptr; // the strip below the chart
    QCheckBox *CheckBox1 = nullptr; // logarithmic pressure axis
    QLabel *Label1 = nullptr; // heading of ComboBox1, the abscissa's unit
    QComboBox *ComboBox1 = nullptr;
    QLabel *Label2 = nullptr; // heading of ComboBox2, the ordinate's unit
    QComboBox *ComboBox2 = nullptr;
    QPushButton *BitBtn1 = nullptr; // print
    QPushButton *BitBtn2 = nullptr; // add a substance
    QPushButton *BitBtn3 = nullptr; // close
    QPushButton *BitBtn4 = nullptr; // edit

    // The points of each curve, read from the settings at every showing.
    int pointCount() const { return m_pointCount; }

    void FormShow();
    void LoadCaptions();
    void SetupUnitCombos();
    void DrawDiagram();
    void CheckBox1Click();
    void ComboBox1Change();
    void ComboBox2Change();
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn4Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    // The window's own look of the diagram, everything the chart editor can change.
    static void applyOwnLook(TChart &chart);
    void showContent(const DiagramContent &content);
    void done(int result) override;
    void FormClose();

    TMeddazuDlg &picker() const;

    DiagramHost m_host;
    // A chart never shown, in the window's own look: every rebuild starts the diagram from it.
    const std::unique_ptr<TChart> m_ownLook;
    int m_pointCount = 0;
};
