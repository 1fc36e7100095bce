// The chart editor's Tools page: the chart's tools listed with their icons, added from the tools
// gallery, deleted, moved and switched on and off.
#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>

struct ChartClassDescriptor;
class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QToolButton;
class TCustomAxisPanel;
class TPlotCustomTool;

class TFormPlotTools : public QWidget
{
    Q_OBJECT
public:
    explicit TFormPlotTools(TCustomAxisPanel *chart, QWidget *parent = nullptr);

    // The tools the editor lists: those shown in editors.
    static QList<TPlotCustomTool *> ListedTools(const TCustomAxisPanel &chart);

    void FillTools();
    // A later visit: refills when the chart's tools changed in number.
    void RefreshOnShow();
    void SelectTool(TPlotCustomTool *tool);
    TPlotCustomTool *SelectedTool() const;
    // What OK in the gallery does: a tool of the class on the chart, listed and selected.
    TPlotCustomTool *AddTool(const ChartClassDescriptor &toolClass);

    // The editor's tree follows through these.
    std::function<void(TPlotCustomTool *)> OnAdded;
    std::function<void(TPlotCustomTool *)> OnDeleted;

    QListWidget *LBTools;
    QWidget *PanelToolEditor;
    QPushButton *BAdd;
    QPushButton *BDelete;
    QCheckBox *CBActive;
    QToolButton *BMoveUp;
    QToolButton *BMoveDown;
    QCheckBox *CBShowInEditor;
    QLabel *PBottom;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void toolSelected();
    void refreshMoveButtons();
    void addFromGallery();
    void deleteSelected();
    void moveSelected(int step);

    QPointer<TCustomAxisPanel> m_chart;
    bool m_filled = false;
};
