// Chart component test set-up.
#include "ChartTestSupport.h"

#include "ChartLibrary.h"
#include "ChartTestSetup.h"

TestChart::TestChart(QWidget *parent)
    : TChart(parent)
{
    resize(400, 250);
}

RecordingCanvas &TestChart::useRecordingCanvas(FakeMetrics metrics)
{
    SetCanvas(std::make_unique<RecordingCanvas>(metrics));
    return *recording();
}

RecordingCanvas *TestChart::recording() const
{
    return dynamic_cast<RecordingCanvas *>(Canvas());
}

void TestChart::drawPass()
{
    Draw(nullptr, GetRectangle());
}

QImage TestChart::render()
{
    return CreateBitmap(clWhite, GetRectangle());
}

void ChartTest::SetUpTestSuite()
{
    registerChartLibrary();
    registerTestFont();
}
