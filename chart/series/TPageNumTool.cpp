// The page number tool and its registration.
#include "TPageNumTool.h"

#include "ChartClassRegistry.h"
#include "ChartTypeRegistries.h"
#include "ChartUnits.h"
#include "PlotConst.h"
#include "PlotProCo.h"
#include "TCustomAxisPanel.h"

TPageNumTool::TPageNumTool(QObject *owner)
    : TAnnotationTool(owner)
{
    SetText(PlotConst::message(PlotConst::msgPageOfPages));
}

bool TPageNumTool::IsFormatStored() const
{
    return Format() != PlotConst::message(PlotConst::msgPageOfPages);
}

QString TPageNumTool::GetText() const
{
    const TCustomAxisPanel *chart = ParentChart();
    const int page = chart ? chart->Page() : 1;
    const int pages = chart ? chart->NumPages() : 1;
    // User text is never a printf format: only %d, %s and %% are filled in.
    return PlotConst::plotFormat(Format(), {page, pages});
}

QString TPageNumTool::Description() const
{
    return PlotProCo::text(PlotProCo::txtPageNumber);
}

void registerPageNumToolUnit(ChartClassRegistry &registry)
{
    const ChartClassDescriptor &pageNumber = registry.add<TPageNumTool>();
    RegisterPlotTools({&pageNumber});
    PageNumberToolClass = &pageNumber;
}
