// A non-visual component that fills a series from outside data (a file, a database...). The base
// knows only when to load and clear; source types load. Types register in the sources list.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <vector>

class TChartSeries;

class TPlotSeriesSource : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool Active READ Active WRITE SetActive)
    Q_PROPERTY(QObject *Series READ seriesObject WRITE setSeriesObject)
public:
    explicit TPlotSeriesSource(QObject *owner = nullptr);
    ~TPlotSeriesSource() override;

    bool Active() const { return m_active; }
    // True loads, False clears the series; the flag is stored in every case.
    virtual void SetActive(bool value);
    TChartSeries *Series() const { return m_series; }
    // Closes, leaves the old series and becomes the new series' data source.
    void SetSeries(TChartSeries *value);

    // Whether the source type can serve a chart; its description and editor form class.
    virtual bool Available() const { return true; }
    virtual QString Description() const { return {}; }
    virtual QString EditorClassName() const { return {}; }
    virtual bool HasNew() const { return false; }
    // Whether the series' data source is a source of this type.
    bool IsSourceOf(const TChartSeries &series) const;

    void Open() { SetActive(true); }
    void Close();
    void Refresh();
    // Fills the series; nothing in the base.
    virtual void Load() {}

    // Loading from a stream: Loaded refreshes.
    bool IsLoading() const { return m_loading; }
    void BeginLoading() { m_loading = true; }
    void Loaded();
    // Set while a refill runs, so that closing does not clear the series it fills.
    bool LoadingGuard = false;

private:
    friend class TChartSeries;
    friend class TCustomAxisPanel;
    // The series took the source (or let it go): only the link, no data-source change.
    void attach(TChartSeries *series) { m_series = series; }
    QObject *seriesObject() const;
    void setSeriesObject(QObject *value);

    bool m_active = false;
    bool m_loading = false;
    bool m_destroying = false;
    QPointer<TChartSeries> m_series;
};

namespace PlotEngine {

// The registered series-source types, for the editors; empty unless a type registers itself.
std::vector<const QMetaObject *> &PlotSourcesList();
void RegisterSeriesSource(const QMetaObject *sourceClass);

} // namespace PlotEngine
