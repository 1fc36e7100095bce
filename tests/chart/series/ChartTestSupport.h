// Shared set-up of the chart component tests: the library started once, a 400 x 250 chart that can
// draw onto a recording canvas with fake metrics or onto a white image.
#pragma once

#include "TChart.h"

#include "RecordingCanvas.h"

#include <QImage>

#include <gtest/gtest.h>

// A TChart of 400 x 250 in a test: View3D as the test sets it, drawn on demand.
class TestChart : public TChart
{
    Q_OBJECT
public:
    explicit TestChart(QWidget *parent = nullptr);

    // Puts a recording canvas with the fake metrics in the chart's place and returns it.
    RecordingCanvas &useRecordingCanvas(FakeMetrics metrics = {});
    RecordingCanvas *recording() const;
    // One whole pass over the chart's rectangle onto its canvas.
    void drawPass();
    // The chart as the screen shows it, drawn into a new image of its size.
    QImage render();
};

// Base of the chart tests: starts the chart library and puts the bundled test font in for Arial.
class ChartTest : public testing::Test
{
protected:
    static void SetUpTestSuite();
};

struct ChartClassDescriptor;
struct QMetaObject;
// The registered descriptor of a chart class; a failure of the test when the class is unknown.
const ChartClassDescriptor &registeredClass(const QMetaObject &metaObject);
