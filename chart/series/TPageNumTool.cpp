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

namespace {

// The default as the library starts; a tool made or read before a language was chosen has it.
const QString &englishDefault()
{
    static const QString text = QStringLiteral("Page %d of %d");
    return text;
}

} // namespace

bool TPageNumTool::IsDefaultFormat() const
{
    return Format() == englishDefault() || Format() == PlotConst::message(PlotConst::msgPageOfPages);
}

bool TPageNumTool::IsFormatStored() const
{
    return !IsDefaultFormat();
}

QString TPageNumTool::GetText() const
{
    const TCustomAxisPanel *chart = ParentChart();
    const int page = chart ? chart->Page() : 1;
    const int pages = chart ? chart->NumPages() : 1;
    // User text is never a printf format: only %d, %s and %% are filled in.
    // The default follows the library's language, whenever that was chosen.
    const QString format = IsDefaultFormat() ? PlotConst::message(PlotConst::msgPageOfPages) : Format();
    return PlotConst::plotFormat(format, {page, pages});
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
