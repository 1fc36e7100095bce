// The chart editor's options and the tabs it can hide or open first.
#pragma once

#include <QFlags>

#include <initializer_list>

enum TChartEditorOption : unsigned {
    ceAdd = 1u << 0,
    ceDelete = 1u << 1,
    ceChange = 1u << 2,
    ceClone = 1u << 3,
    ceDataSource = 1u << 4,
    ceTitle = 1u << 5,
    ceHelp = 1u << 6,
    ceGroups = 1u << 7,
    ceGroupAll = 1u << 8,
    ceOrderSeries = 1u << 9,
};
Q_DECLARE_FLAGS(TChartEditorOptions, TChartEditorOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TChartEditorOptions)

// Every option but the series groups: 895.
inline constexpr unsigned kDefaultChartEditorOptions = 895;

enum TChartEditorTab : int {
    cetMain, // Chart > Series, the series list
    cetGeneral,
    cetAxis,
    cetTitles,
    cetLegend,
    cetPanel,
    cetPaging,
    cetWalls,
    cet3D,
    cetSeriesGeneral, // tabs inside the series editor
    cetSeriesMarks,
    cetAllSeries, // the main Series tab: the series editor
    cetSeriesData,
    cetExport,
    cetExportNative, // inside the export page
    cetTools,
    cetPrintPreview,
};
inline constexpr int kChartEditorTabCount = cetPrintPreview + 1;

// A set of tabs, one bit per ordinal.
class TChartEditorHiddenTabs
{
public:
    TChartEditorHiddenTabs() = default;
    TChartEditorHiddenTabs(std::initializer_list<TChartEditorTab> tabs)
    {
        for (const TChartEditorTab tab : tabs)
            insert(tab);
    }
    bool contains(TChartEditorTab tab) const { return (m_bits >> unsigned(tab)) & 1u; }
    void insert(TChartEditorTab tab) { m_bits |= 1u << unsigned(tab); }
    void remove(TChartEditorTab tab) { m_bits &= ~(1u << unsigned(tab)); }
    bool isEmpty() const { return m_bits == 0; }
    bool operator==(const TChartEditorHiddenTabs &) const = default;

private:
    unsigned m_bits = 0;
};
