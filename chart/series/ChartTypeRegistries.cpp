// The series-type and tool-type registries and the registration functions.
#include "ChartTypeRegistries.h"

#include "ChartClassRegistry.h"
#include "ColorPalettes.h"
#include "PlotConst.h"
#include "TChartSeries.h"

#include <QMetaObject>

#include <algorithm>
#include <mutex>

const ChartClassDescriptor *PageNumberToolClass = nullptr;

namespace {

struct Registries
{
    TPlotSeriesTypes seriesTypes;
    TPlotToolTypes toolTypes;
};

std::unique_ptr<Registries> &registries()
{
    static std::unique_ptr<Registries> instance;
    return instance;
}

std::once_flag registriesCreated;

} // namespace

void createChartRegistries()
{
    std::call_once(registriesCreated, [] {
        registries() = std::make_unique<Registries>();
        TColorPalettes::instance();
    });
}

TPlotSeriesTypes &PlotSeriesTypes()
{
    createChartRegistries();
    return registries()->seriesTypes;
}

TPlotToolTypes &PlotToolTypes()
{
    createChartRegistries();
    return registries()->toolTypes;
}

const TPlotSeriesType *TPlotSeriesTypes::FindSeriesType(const ChartClassDescriptor *seriesClass) const
{
    return find(seriesClass, nullptr);
}

const TPlotSeriesType *TPlotSeriesTypes::find(const ChartClassDescriptor *seriesClass,
                                              const ChartClassDescriptor *functionClass) const
{
    for (const auto &item : m_items)
        if (item->SeriesClass == seriesClass && item->FunctionClass == functionClass)
            return item.get();
    return nullptr;
}

void TPlotSeriesTypes::append(const TPlotSeriesType &type)
{
    m_items.push_back(std::make_unique<TPlotSeriesType>(type));
}

int TPlotToolTypes::IndexOf(const ChartClassDescriptor *toolClass) const
{
    const auto it = std::find(m_items.begin(), m_items.end(), toolClass);
    return it == m_items.end() ? -1 : int(it - m_items.begin());
}

void TPlotToolTypes::remove(const ChartClassDescriptor *toolClass)
{
    std::erase(m_items, toolClass);
}

void RegisterPlotSeriesFunction(const ChartClassDescriptor *seriesClass, const ChartClassDescriptor *functionClass,
                                ChartTextRef description, ChartTextRef galleryPage, int numGallerySeries)
{
    TPlotSeriesTypes &types = PlotSeriesTypes();
    if (types.find(seriesClass, functionClass))
        return;
    types.append({seriesClass, functionClass, description, galleryPage, numGallerySeries});
}

void RegisterPlotSeries(const ChartClassDescriptor *seriesClass, ChartTextRef description, ChartTextRef galleryPage,
                        int numGallerySeries)
{
    RegisterPlotSeriesFunction(seriesClass, nullptr, description, galleryPage, numGallerySeries);
}

void RegisterPlotBasicSeries(const ChartClassDescriptor *seriesClass, ChartTextRef description)
{
    RegisterPlotSeries(seriesClass, description, ChartTextRef::library(PlotConst::msgGalleryStandard), 2);
}

void RegisterPlotFunction(const ChartClassDescriptor *functionClass, ChartTextRef description,
                          ChartTextRef galleryPage, int numGallerySeries)
{
    RegisterPlotSeriesFunction(nullptr, functionClass, description, galleryPage, numGallerySeries);
}

void RegisterPlotBasicFunction(const ChartClassDescriptor *functionClass, ChartTextRef description)
{
    RegisterPlotFunction(functionClass, description, ChartTextRef::library(PlotConst::msgGalleryStandard), 2);
}

void RegisterPlotTools(std::initializer_list<const ChartClassDescriptor *> toolClasses)
{
    TPlotToolTypes &tools = PlotToolTypes();
    for (const ChartClassDescriptor *toolClass : toolClasses)
        if (toolClass && tools.IndexOf(toolClass) < 0)
            tools.append(toolClass);
}

void UnRegisterPlotTools(std::initializer_list<const ChartClassDescriptor *> toolClasses)
{
    for (const ChartClassDescriptor *toolClass : toolClasses)
        PlotToolTypes().remove(toolClass);
}

QString GetGallerySeriesName(const TChartSeries &series)
{
    const ChartClassDescriptor *seriesClass = ChartClassRegistry::instance().find(*series.metaObject());
    if (const TPlotSeriesType *type = PlotSeriesTypes().FindSeriesType(seriesClass))
        return type->Description.text();
    return QString::fromLatin1(series.metaObject()->className());
}
