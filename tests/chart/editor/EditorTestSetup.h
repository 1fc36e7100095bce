// Shared set-up of the chart editor tests: a chart panel with a known picture, mouse events.
#pragma once

#include "PlotGalleryHooks.h"
#include "PlotTypes.h"
#include "TCustomPlotPanelExtended.h"

#include <QEvent>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

#include <ostream>

void PrintTo(const TRect &r, std::ostream *os);
// Window places read as numbers in a failure.
void PrintTo(const QRect &r, std::ostream *os);
void PrintTo(const QSize &s, std::ostream *os);

// A 400 x 250 chart with the diagram window's print settings (margins 10 %, not proportional):
// a blue plot area with a caption at its top-left.
class SamplePanel : public TCustomPlotPanelExtended
{
    Q_OBJECT
public:
    explicit SamplePanel(QWidget *parent = nullptr);

    QString caption = QStringLiteral("Dampfdruck");
    // Raises a PlotException in a pass while the panel prints, as a broken series would.
    bool failWhilePrinting = false;
    // The bounds of every pass.
    QList<TRect> drawnBounds;

protected:
    void DrawChartContents(const TRect &bounds) override;
};

// The gallery hooks replaced for a scope (empty by default: no gallery), then put back.
class ScopedGalleryHooks
{
public:
    explicit ScopedGalleryHooks(PlotGalleryHooks::CreateNewSeriesHook create = {},
                                PlotGalleryHooks::ChangeSeriesTypeHook change = {});
    ~ScopedGalleryHooks();
    ScopedGalleryHooks(const ScopedGalleryHooks &) = delete;
    ScopedGalleryHooks &operator=(const ScopedGalleryHooks &) = delete;

private:
    PlotGalleryHooks::CreateNewSeriesHook m_create;
    PlotGalleryHooks::ChangeSeriesTypeHook m_change;
};

class TCustomPlotNavigator;
// The navigator shows whole inside its parents, at its buttons' height, each shown button within it.
void expectShownAtButtonHeight(const TCustomPlotNavigator &navigator);

// Sends a mouse event as the platform would.
void sendMouse(QWidget &widget, QEvent::Type type, int x, int y, Qt::MouseButtons buttons = Qt::LeftButton);

// A chart of line series for the editor forms, the library started and German off; settings kept
// in a folder of the test's own; message boxes scripted.
#include "ScriptedMessageService.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

class TChart;
class TLineSeries;

class EditorChartTest : public testing::Test
{
protected:
    EditorChartTest();
    ~EditorChartTest() override;

    // A line series titled "S<n>" with five points.
    TLineSeries *addLineSeries();

    QTemporaryDir settingsDir;
    ScriptedMessageService messages;
    std::unique_ptr<TChart> chart;
};

// The text of the settings file, read as the file stands.
QString editorSettingsText(const QTemporaryDir &dir);
