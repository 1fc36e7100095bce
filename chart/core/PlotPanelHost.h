// What the shapes and the engine's chart elements ask of the panel they belong to.
#pragma once

class TCanvas3D;

// Implemented by the chart panel (TCustomPlotPanel); the engine's axis host extends it. Elements
// keep a host pointer, possibly none, and must not outlive the host they were given.
class PlotPanelHost
{
public:
    virtual ~PlotPanelHost() = default;
    // The panel's drawing canvas; replaced only when an export canvas is installed.
    virtual TCanvas3D *Canvas() const = 0;
    // The picture is stale: repaint when the event loop comes to it (nothing while repainting is off).
    virtual void Invalidate() = 0;
};
