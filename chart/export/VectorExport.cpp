// One export pass through a vector canvas.
#include "VectorExport.h"

#include "ExportGuard.h"
#include "TCustomPlotPanel.h"
#include "VectorCanvas.h"

QByteArray drawThroughCanvas(TCustomPlotPanel &panel, std::unique_ptr<VectorCanvas> canvas, const TRect &rect)
{
    ExportGuard guard(panel);
    VectorCanvas &installed = guard.installCanvas(std::move(canvas));
    panel.Draw(panel.PaintCanvas(), rect);
    return installed.document();
}
