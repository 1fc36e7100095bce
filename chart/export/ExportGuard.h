// One scope of an export: what it changes on the chart (canvas, repaint, buffering, name, the
// series' save flags, the hourglass) comes back as it was on every way out, a throw included.
#pragma once

#include "platform/BusyCursor.h"

#include <QPointer>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class TCanvas3D;
class TChartSeries;
class TCustomPlotPanel;

class ExportGuard
{
public:
    explicit ExportGuard(TCustomPlotPanel &panel);
    ~ExportGuard();
    ExportGuard(const ExportGuard &) = delete;
    ExportGuard &operator=(const ExportGuard &) = delete;

    // Puts the canvas in the panel's place with automatic repaint off; the screen canvas, with its
    // buffer, goes back at the end. Returns the installed canvas.
    template <class Canvas>
    Canvas &installCanvas(std::unique_ptr<Canvas> canvas)
    {
        Canvas &installed = *canvas;
        installCanvasBase(std::move(canvas));
        return installed;
    }
    // The chart's name empty for the scope (saved charts carry none).
    void blankName();
    // Each series of an axis panel writes its points (includeData) or none, for the scope.
    void setSaveFlags(bool includeData);
    void showBusyCursor();

private:
    struct SeriesFlags
    {
        QPointer<TChartSeries> series;
        bool neverSaveData = false;
        bool forceSaveData = false;
    };

    void installCanvasBase(std::unique_ptr<TCanvas3D> canvas);

    QPointer<TCustomPlotPanel> m_panel;
    const bool m_autoRepaint;
    const bool m_buffered;
    std::unique_ptr<TCanvas3D> m_screenCanvas;
    std::optional<QString> m_name;
    std::vector<SeriesFlags> m_flags;
    std::optional<BusyCursor> m_busy;
};
