// The chooser of a tool class: the registered tools on three tabs by what they bind to (a series,
// an axis, nothing), each with its icon and description.
#pragma once

#include <QDialog>

struct ChartClassDescriptor;
class QListWidget;
class QPushButton;
class QTabBar;

class TPlotToolsGallery : public QDialog
{
    Q_OBJECT
public:
    explicit TPlotToolsGallery(QWidget *parent = nullptr);

    // The class of the selected item; none without a selection.
    const ChartClassDescriptor *SelectedClass() const;

    QTabBar *TabControl1;
    QListWidget *LBTool;
    QPushButton *BOk;
    QPushButton *BCan;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fillTools();
};

// The tab of the tools gallery a tool belongs to: 0 series tools, 1 axis tools, 2 the rest.
int ToolGalleryTab(const QObject &tool);
