// Chart test doubles.
#include "StubChart.h"

#include "SampleRandom.h"
#include "TChartSeries.h"

#include "TCanvas3D.h"

StubChart::StubChart(QWidget *parent)
    : TCustomAxisPanel(parent)
{
    resize(400, 250);
    SetView3D(false);
}

void StubChart::log(const QString &step) const
{
    calls << step;
    if (RecordingCanvas *canvas = recording())
        canvas->note(step);
}

void StubChart::CalcWallsRect()
{
    log(QStringLiteral("CalcWallsRect"));
    CalcSize3D();
}

int StubChart::GetAxisWallSize(const TChartAxis &) const
{
    return 0;
}

void StubChart::DrawTitlesAndLegend(bool beforeAxes)
{
    log(beforeAxes ? QStringLiteral("DrawTitlesAndLegend(True)") : QStringLiteral("DrawTitlesAndLegend(False)"));
}

void StubChart::DrawWalls()
{
    log(QStringLiteral("DrawWalls"));
}

bool StubChart::IsFreeSeriesColor(TColor color, bool checkBackground, const TChartSeries *series)
{
    if (checkBackground && color == Color())
        return false;
    for (const TChartSeries *other : SeriesList())
        if (other != series && other->Color() == color)
            return false;
    return true;
}

RecordingCanvas &StubChart::useRecordingCanvas(FakeMetrics metrics)
{
    SetCanvas(std::make_unique<RecordingCanvas>(metrics));
    return *recording();
}

RecordingCanvas *StubChart::recording() const
{
    return dynamic_cast<RecordingCanvas *>(Canvas());
}

void StubChart::drawPass()
{
    Draw(nullptr, GetRectangle());
}

PolylineTestSeries::PolylineTestSeries(QObject *owner)
    : TChartSeries(owner)
    , m_pointer(new TSeriesPointer(this, nullptr, this))
{
    m_pointer->SetVisible(false);
}

void PolylineTestSeries::CalcHorizMargins(int &left, int &right)
{
    left = right = 0;
    m_pointer->CalcHorizMargins(left, right);
}

void PolylineTestSeries::CalcVerticalMargins(int &top, int &bottom)
{
    top = bottom = 0;
    m_pointer->CalcVerticalMargins(top, bottom);
}

void PolylineTestSeries::DrawAllValues()
{
    m_run.clear();
    m_run.reserve(std::size_t(std::max(0, LastValueIndex() - FirstValueIndex() + 1)));
    TChartSeries::DrawAllValues();
    flush();
}

void PolylineTestSeries::DrawValue(int valueIndex)
{
    if (IsNull(valueIndex)) {
        flush();
        return;
    }
    m_run.push_back({CalcXPos(valueIndex), CalcYPos(valueIndex)});
    if (m_pointer->Visible())
        m_pointer->Draw(m_run.back().x, m_run.back().y, GetValueColor(valueIndex), m_pointer->Style());
}

void PolylineTestSeries::DoAfterDrawValues()
{
    flush(); // points a 3D group drew one by one
    TChartSeries::DoAfterDrawValues();
}

void PolylineTestSeries::flush()
{
    if (m_run.empty() || !ParentChart())
        return;
    TCanvas3D &canvas = *ParentChart()->Canvas();
    canvas.Brush()->SetStyle(bsClear);
    canvas.AssignVisiblePenColor(*Pen(), Color());
    if (canvas.projection().is3D)
        canvas.PolylineWithZ(m_run, MiddleZ());
    else
        canvas.Polyline(m_run);
    m_run.clear();
}

void PolylineTestSeries::Added()
{
    m_pointer->SetParentChart(ParentChart());
    TChartSeries::Added();
}

void PolylineTestSeries::Removed()
{
    TChartSeries::Removed();
    m_pointer->SetParentChart(nullptr);
}

SeededSamples::SeededSamples(unsigned seed)
{
    PlotEngine::RandomSeed(seed);
}
