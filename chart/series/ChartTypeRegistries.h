// The registries the galleries, the chart editor and the streaming learn the library's series
// types, functions and tools from. registerChartLibrary() creates them before any unit registers.
#pragma once

#include "ChartTextRef.h"

#include <QString>

#include <initializer_list>
#include <memory>
#include <vector>

struct ChartClassDescriptor;
class TChartSeries;

// One gallery entry: a series type, a function, or a series type with a function.
struct TPlotSeriesType
{
    const ChartClassDescriptor *SeriesClass = nullptr;
    const ChartClassDescriptor *FunctionClass = nullptr;
    ChartTextRef Description;
    ChartTextRef GalleryPage;
    int NumGallerySeries = 0;
};

class TPlotSeriesTypes
{
public:
    int Count() const { return int(m_items.size()); }
    const TPlotSeriesType &GetItem(int index) const { return *m_items.at(std::size_t(index)); }
    // The entry of the series class without a function; none when the class is not registered so.
    const TPlotSeriesType *FindSeriesType(const ChartClassDescriptor *seriesClass) const;
    const TPlotSeriesType *find(const ChartClassDescriptor *seriesClass,
                                const ChartClassDescriptor *functionClass) const;
    void append(const TPlotSeriesType &type);
    void Clear() { m_items.clear(); }

private:
    std::vector<std::unique_ptr<TPlotSeriesType>> m_items;
};

class TPlotToolTypes
{
public:
    int Count() const { return int(m_items.size()); }
    const ChartClassDescriptor *GetItem(int index) const { return m_items.at(std::size_t(index)); }
    int IndexOf(const ChartClassDescriptor *toolClass) const;
    void append(const ChartClassDescriptor *toolClass) { m_items.push_back(toolClass); }
    void remove(const ChartClassDescriptor *toolClass);

private:
    std::vector<const ChartClassDescriptor *> m_items;
};

// Creates the registries once; the later calls do nothing.
void createChartRegistries();
TPlotSeriesTypes &PlotSeriesTypes();
TPlotToolTypes &PlotToolTypes();

// Registration. A series or function class already registered with the same other class adds
// nothing; the classes come from the class registry, which also serves the streaming.
void RegisterPlotSeriesFunction(const ChartClassDescriptor *seriesClass, const ChartClassDescriptor *functionClass,
                                ChartTextRef description, ChartTextRef galleryPage, int numGallerySeries);
void RegisterPlotSeries(const ChartClassDescriptor *seriesClass, ChartTextRef description, ChartTextRef galleryPage,
                        int numGallerySeries);
// On the "Standard" page with two sample series.
void RegisterPlotBasicSeries(const ChartClassDescriptor *seriesClass, ChartTextRef description);
void RegisterPlotFunction(const ChartClassDescriptor *functionClass, ChartTextRef description,
                          ChartTextRef galleryPage, int numGallerySeries);
void RegisterPlotBasicFunction(const ChartClassDescriptor *functionClass, ChartTextRef description);
void RegisterPlotTools(std::initializer_list<const ChartClassDescriptor *> toolClasses);
void UnRegisterPlotTools(std::initializer_list<const ChartClassDescriptor *> toolClasses);

// The gallery name of the series' class, else the class name.
QString GetGallerySeriesName(const TChartSeries &series);

// The page-number tool's class, set when that tool registers; none until then.
extern const ChartClassDescriptor *PageNumberToolClass;
