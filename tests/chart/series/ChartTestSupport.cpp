// Chart component test set-up.
#include "ChartTestSupport.h"

#include "ChartClassRegistry.h"
#include "ChartLibrary.h"
#include "ChartTestSetup.h"

#include <stdexcept>

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

const ChartClassDescriptor &registeredClass(const QMetaObject &metaObject)
{
    const ChartClassDescriptor *descriptor = ChartClassRegistry::instance().find(metaObject);
    if (!descriptor)
        throw std::runtime_error(std::string("class not registered: ") + metaObject.className());
    return *descriptor;
}
