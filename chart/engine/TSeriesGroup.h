// A named group of series with one tri-state switch: all active, none, or some.
#pragma once

#include "EngineTypes.h"
#include "TCustomSeriesList.h"

#include <QObject>
#include <QString>

class TSeriesGroup : public QObject
{
    Q_OBJECT
    Q_PROPERTY(PlotEngineEnums::TSeriesGroupActive Active READ Active WRITE SetActive STORED false)
    Q_PROPERTY(QString Name READ Name WRITE SetName)
    Q_PROPERTY(QObjectList Series READ SeriesObjects WRITE SetSeriesObjects)
public:
    explicit TSeriesGroup(QObject *owner = nullptr);

    QString Name() const { return m_name; }
    void SetName(const QString &value) { m_name = value; }
    // gaYes for an empty group or all series active, gaNo for none, gaSome otherwise.
    TSeriesGroupActive Active() const;
    // gaYes and gaNo switch every series; gaSome, or the state it has, changes nothing.
    void SetActive(TSeriesGroupActive value);

    TCustomSeriesList &Series() { return m_series; }
    const TCustomSeriesList &Series() const { return m_series; }
    void SetSeries(const TCustomSeriesList &value) { m_series = value; }
    // The published form: stored only when the group holds series.
    QObjectList SeriesObjects() const;
    void SetSeriesObjects(const QObjectList &value);
    Q_INVOKABLE bool IsSeriesStored() const { return !m_series.IsEmpty(); }

private:
    QString m_name;
    TCustomSeriesList m_series;
};
