// Series title, legend switch, identifier and style flags.
#include "TCustomChartSeries.h"

#include "TCustomAxisPanel.h"

TCustomChartSeries::TCustomChartSeries(QObject *owner)
    : TCustomChartElement(owner)
{
}

void TCustomChartSeries::SetTitle(const QString &value)
{
    if (value == m_title)
        return;
    SetStringProperty(m_title, value);
    notifyChart(TPlotSeriesEvent::seTitleChanged);
}

void TCustomChartSeries::SetActive(bool value)
{
    if (value == Active())
        return;
    TCustomChartElement::SetActive(value);
    notifyChart(TPlotSeriesEvent::seActiveChanged);
}

bool TCustomChartSeries::SameClass(const TCustomChartSeries &other) const
{
    return metaObject()->inherits(other.metaObject()) || other.metaObject()->inherits(metaObject());
}

void TCustomChartSeries::SetChartView3D(bool value)
{
    if (TCustomAxisPanel *chart = ParentChart())
        chart->SetView3D(value);
}

void TCustomChartSeries::notifyChart(int eventKind)
{
    if (TCustomAxisPanel *chart = ParentChart()) {
        chart->BroadcastSeriesEvent(TPlotSeriesEvent::Kind(eventKind), this);
        chart->NotifySeriesChange(*this);
    }
}

void TCustomChartSeries::Assign(const TCustomChartElement &source)
{
    if (const auto *series = qobject_cast<const TCustomChartSeries *>(&source)) {
        m_showInLegend = series->m_showInLegend;
        m_title = series->m_title;
        m_identifier = series->m_identifier;
        m_style = series->m_style;
    }
    TCustomChartElement::Assign(source);
}

void TCustomChartSeries::defineProperties(PropertyFiler &filer)
{
    TCustomChartElement::defineProperties(filer);
    filer.DefineProperty(
        QStringLiteral("Identifier"),
        [this](const QVariant &value) { m_identifier = FilerValues::toIdent(value, QStringLiteral("Identifier")); },
        [this] { return QVariant(m_identifier); }, [this] { return !m_identifier.isEmpty(); });
    filer.DefineProperty(
        QStringLiteral("Style"),
        [this](const QVariant &value) { SetStyle(FilerValues::toInt(value, QStringLiteral("Style"))); },
        [this] { return QVariant(m_style); }, [this] { return m_style != 0; });
}
