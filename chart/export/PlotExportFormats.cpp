// The export format registry: a list of classes, filled by registerExportFormats().
#include "PlotExportFormats.h"

#include "PlotPictures.h"
#include "TPlotExportFormat.h"

#include <algorithm>

namespace {

std::vector<PlotExportFormatClass> &registry()
{
    static std::vector<PlotExportFormatClass> formats;
    return formats;
}

auto findClass(const QString &name)
{
    return std::find_if(registry().begin(), registry().end(),
                        [&](const PlotExportFormatClass &c) { return c.name == name; });
}

} // namespace

void RegisterPlotExportFormat(PlotExportFormatClass formatClass)
{
    if (!formatClass.create || findClass(formatClass.name) != registry().end())
        return;
    registry().push_back(std::move(formatClass));
}

void UnRegisterPlotExportFormat(const QString &name)
{
    const auto it = findClass(name);
    if (it != registry().end())
        registry().erase(it);
}

const std::vector<PlotExportFormatClass> &PlotExportFormats()
{
    return registry();
}

std::unique_ptr<TGraphic> GraphicClassFromExtension(const QString &extension)
{
    for (const PlotExportFormatClass &formatClass : registry()) {
        const std::unique_ptr<TPlotExportFormat> format = formatClass.create();
        if (!extension.startsWith(u'.') || !format->HasExtension(extension.mid(1)))
            continue;
        const TPlotExportFormat::GraphicFactory factory = format->GraphicClass();
        return factory ? factory() : nullptr;
    }
    return nullptr;
}

ExportFormatList createExportFormats(TCustomPlotPanel *panel)
{
    ExportFormatList list;
    int counter = 0;
    for (const PlotExportFormatClass &formatClass : registry()) {
        std::unique_ptr<TPlotExportFormat> format = formatClass.create();
        format->SetPanel(panel);
        format->SetFilterIndex(counter);
        if (!list.filter.isEmpty())
            list.filter += u'|';
        list.filter += format->FileFilter();
        list.formats.push_back(std::move(format));
    }
    return list;
}

TPlotExportFormat *formatForExtension(const ExportFormatList &list, const QString &extension)
{
    for (const std::unique_ptr<TPlotExportFormat> &format : list.formats) {
        if (format->WantsExtension(extension))
            return format.get();
    }
    return nullptr;
}
