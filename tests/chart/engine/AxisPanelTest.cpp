// Axis panel: the order of the contents draw, pages, 3D size, automatic ranges, free colours,
// margins, the axes list, the chart end to end on the recording and the screen canvas, and
// failures inside a real paint.
#include "StubChart.h"

#include "PlotExceptions.h"
#include "TChartDepthAxis.h"
#include "TPlotCustomTool.h"

#include "ChartTestSetup.h"
#include "PlotLibrary.h"
#include "PlotProcs.h"
#include "ScopedLocale.h"
#include "ScriptedMessageService.h"
#include "TPlotCanvas3D.h"

#include "PrinterInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

namespace {

class LoggingTool : public TPlotCustomTool
{
public:
    LoggingTool(QObject *owner, QStringList &log)
        : TPlotCustomTool(owner)
        , m_log(log)
    {
    }
    void ChartEvent(int kind) override { m_log << QString::number(kind); }

private:
    QStringList &m_log;
};

// Logs the points it draws; a point is under the mouse at x = 10 * index.
class LoggingSeries : public TChartSeries
{
public:
    LoggingSeries(QObject *owner, QStringList &log, const QString &name)
        : TChartSeries(owner)
        , m_log(log)
        , m_name(name)
    {
    }
    void DrawValue(int valueIndex) override { m_log << m_name + QString::number(valueIndex); }
    int Clicked(int x, int) const override { return x % 10 == 0 && x / 10 < Count() ? x / 10 : -1; }

private:
    QStringList &m_log;
    QString m_name;
};

int indexOf(const QStringList &ops, const QString &op, int from = 0)
{
    return int(ops.indexOf(op, from));
}

// The vapour-pressure example: 101 points from 0.0123 bar at 0 to 45.6 bar at 100.
PolylineTestSeries *addVapourPressure(TCustomAxisPanel &chart)
{
    auto *series = new PolylineTestSeries(&chart);
    chart.AddSeries(series);
    series->SetSeriesColor(clRed);
    for (int i = 0; i <= 100; ++i)
        series->AddXY(i, 0.0123 * std::pow(45.6 / 0.0123, i / 100.0));
    chart.LeftAxis()->SetLogarithmic(true);
    return series;
}

bool isCurve(QRgb pixel)
{
    return qRed(pixel) > 200 && qGreen(pixel) < 80 && qBlue(pixel) < 80;
}

// Curve pixels outside the chart rectangle.
int curveOutside(const QImage &image, const TRect &r)
{
    int outside = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (isCurve(image.pixel(x, y)) && (x < r.left || x > r.right || y < r.top || y > r.bottom))
                ++outside;
    return outside;
}

} // namespace

TEST(TCustomAxisPanel, ContentsDrawRunsItsStepsInOrder)
{
    for (const bool behind : {true, false}) {
        SCOPED_TRACE(behind ? "axes behind" : "axes in front");
        StubChart chart;
        RecordingCanvas &canvas = chart.useRecordingCanvas();
        PolylineTestSeries *series = addVapourPressure(chart);
        Q_UNUSED(series);
        QStringList log;
        chart.Tools().Add(new LoggingTool(&chart, log));
        chart.OnBeforeDrawChart = [&](TCustomAxisPanel *) { log << QStringLiteral("chart"); };
        chart.OnBeforeDrawSeries = [&](TCustomAxisPanel *) { log << QStringLiteral("series"); };
        QObject::connect(&chart, &TCustomPlotPanelExtended::OnAfterDraw, [&] { log << QStringLiteral("after"); });
        chart.SetAxisBehind(behind);
        chart.drawPass();
        EXPECT_EQ(log.join(u' '), behind ? QStringLiteral("2 chart 3 1 series 4 0 after")
                                         : QStringLiteral("2 chart 1 series 4 3 0 after"));

        const QStringList ops = canvas.opNames();
        const int walls = indexOf(ops, QStringLiteral("DrawWalls"));
        const int firstLabel = indexOf(ops, QStringLiteral("TextOut"));
        const int curve = indexOf(ops, QStringLiteral("Polyline"), walls); // the bevel draws polylines too
        EXPECT_LT(indexOf(ops, QStringLiteral("DrawTitlesAndLegend(True)")), indexOf(ops, QStringLiteral("CalcWallsRect")));
        EXPECT_LT(walls, firstLabel);
        EXPECT_LT(walls, curve);
        EXPECT_EQ(curve < firstLabel, !behind);
        EXPECT_GT(indexOf(ops, QStringLiteral("DrawTitlesAndLegend(False)")), std::max(curve, firstLabel));
    }
}

TEST(TCustomAxisPanel, ExportCanvasesGetBackgroundAndTitlesAfterTheLayout)
{
    for (const bool nonGdi : {false, true}) {
        StubChart chart;
        RecordingCanvas &canvas = chart.useRecordingCanvas();
        canvas.setNonGdi(nonGdi);
        chart.drawPass();
        const QStringList ops = canvas.opNames();
        const int walls = indexOf(ops, QStringLiteral("CalcWallsRect"));
        const int titles = indexOf(ops, QStringLiteral("DrawTitlesAndLegend(True)"));
        const int background = indexOf(ops, QStringLiteral("FillRect"));
        ASSERT_GE(background, 0) << canvas.dump().toStdString();
        EXPECT_EQ(walls < titles, nonGdi);
        EXPECT_EQ(walls < background, nonGdi);
    }
}

TEST(TCustomAxisPanel, SeriesOfOneDepthDrawPointByPointInTurn)
{
    StubChart chart;
    chart.useRecordingCanvas();
    chart.SetView3D(true);
    QStringList log;
    auto *a = new LoggingSeries(&chart, log, QStringLiteral("a"));
    auto *b = new LoggingSeries(&chart, log, QStringLiteral("b"));
    for (TChartSeries *s : {static_cast<TChartSeries *>(a), static_cast<TChartSeries *>(b)}) {
        chart.AddSeries(s);
        for (int i = 0; i < 3; ++i)
            s->AddXY(i, i);
    }
    chart.drawPass();
    EXPECT_EQ(log.join(u' '), QStringLiteral("a0 a1 a2 b0 b1 b2"));
    EXPECT_EQ(a->GetZOrder(), 1); // the first series stands at the back
    EXPECT_EQ(b->GetZOrder(), 0);
    a->SetZOrder(0);
    b->SetZOrder(0);
    log.clear();
    chart.drawPass();
    EXPECT_EQ(log.join(u' '), QStringLiteral("a0 b0 a1 b1 a2 b2"));
}

TEST(TChartSeries, LegendSymbolAndMouseOverPoints)
{
    StubChart chart;
    RecordingCanvas &canvas = chart.useRecordingCanvas();
    QStringList log;
    auto *series = new LoggingSeries(&chart, log, QStringLiteral("s"));
    chart.AddSeries(series);
    series->AddXY(0, 1);
    series->AddXY(1, 2, QString(), clRed);
    series->DrawLegend(1, {10, 10, 20, 20});
    series->DrawLegend(-1, {30, 10, 40, 20});
    series->SetColorEachPoint(true);
    series->DrawLegend(-1, {50, 10, 60, 20}); // the points have their own colours: no symbol
    const auto boxes = canvas.calls(QStringLiteral("Rectangle"));
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].args, (std::vector<int>{10, 10, 20, 20}));
    EXPECT_EQ(boxes[0].brushColor, clRed);
    EXPECT_EQ(boxes[1].brushColor, series->Color());
    EXPECT_TRUE(chart.AutoRepaint);

    int entered = 0;
    int left = 0;
    series->OnMouseEnter = [&](TChartSeries *) { ++entered; };
    series->OnMouseLeave = [&](TChartSeries *) { ++left; };
    for (int x : {10, 10, 5, 0, 25})
        chart.CheckMouseOverSeries(x, 0);
    EXPECT_EQ(std::pair(entered, left), std::pair(2, 2));
}

TEST(TCustomAxisPanel, PagesScaleTheBottomAxis)
{
    StubChart chart;
    chart.useRecordingCanvas();
    auto *series = new TChartSeries(&chart);
    chart.AddSeries(series);
    for (int i = 0; i < 25; ++i)
        series->AddXY(i, i % 4);
    chart.SetMaxPointsPerPage(10);
    EXPECT_EQ(chart.NumPages(), 3);
    chart.SetPage(7);
    EXPECT_EQ(chart.Page(), 3);
    chart.drawPass();
    EXPECT_EQ(std::pair(chart.BottomAxis()->Minimum(), chart.BottomAxis()->Maximum()), std::pair(20.0, 24.0));
    chart.SetScaleLastPage(false);
    chart.drawPass();
    EXPECT_EQ(std::pair(chart.BottomAxis()->Minimum(), chart.BottomAxis()->Maximum()), std::pair(20.0, 28.0));
    try {
        chart.SetMaxPointsPerPage(-1);
        ADD_FAILURE() << "no exception";
    } catch (const ChartException &e) {
        EXPECT_EQ(e.message(), QStringLiteral("MaxPointsPerPage must be >= 0"));
    }
    EXPECT_EQ(chart.MaxPointsPerPage(), 10);
}

TEST(TCustomAxisPanel, PrintsOnePrinterPagePerPageOfPoints)
{
    const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
    if (pdfinfo.isEmpty())
        GTEST_SKIP() << "pdfinfo (poppler-utils) is not installed";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("pages.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    PrinterDevice device(printer);
    StubChart chart;
    chart.SetPrinterInfo(&device);
    auto *series = new TChartSeries(&chart);
    chart.AddSeries(series);
    for (int i = 0; i < 25; ++i)
        series->AddXY(i, i);
    chart.SetMaxPointsPerPage(10);
    chart.SetPage(2);
    chart.PrintPages();
    EXPECT_EQ(chart.Page(), 2);
    QProcess info;
    info.start(pdfinfo, {file});
    ASSERT_TRUE(info.waitForFinished(30000));
    const QString output = QString::fromUtf8(info.readAllStandardOutput());
    EXPECT_TRUE(output.contains(QRegularExpression(QStringLiteral("Pages:\\s+3\\b")))) << output.toStdString();
}

TEST(TCustomAxisPanel, DepthPercentAndTheSizeOfOneSeriesIn3D)
{
    StubChart chart;
    bool chartException = false;
    try {
        chart.SetChart3DPercent(0);
    } catch (const ChartException &) {
        chartException = true;
    } catch (const PlotException &e) {
        EXPECT_EQ(e.message(), QStringLiteral("3D effect percent must be between 1 and 100"));
    }
    EXPECT_FALSE(chartException);
    EXPECT_EQ(chart.Chart3DPercent(), 15);
    chart.SetChart3DPercent(100);
    chart.SetChart3DPercent(15);

    chart.SetView3D(true);
    chart.View3DOptions()->SetOrthogonal(true);
    chart.View3DOptions()->SetOrthoAngle(45);
    chart.ChartWidth = 400;
    chart.CalcSize3D();
    EXPECT_EQ(std::pair(chart.SeriesWidth3D, chart.SeriesHeight3D), std::pair(6, 6));
    chart.View3DOptions()->SetOrthogonal(false);
    chart.CalcSize3D();
    EXPECT_EQ(chart.SeriesWidth3D, 12);
}

TEST(TCustomAxisPanel, AutomaticRangesTakeInactiveSeriesAndNullPoints)
{
    StubChart chart;
    chart.useRecordingCanvas();
    auto *series = new TChartSeries(&chart);
    chart.AddSeries(series);
    for (int y = 5; y <= 9; ++y)
        series->Add(y);
    series->SetActive(false);
    chart.drawPass();
    EXPECT_EQ(std::pair(chart.LeftAxis()->Minimum(), chart.LeftAxis()->Maximum()), std::pair(5.0, 9.0));
    series->SetActive(true);
    series->AddNull();
    chart.drawPass();
    EXPECT_EQ(chart.LeftAxis()->Minimum(), 0.0);
}

TEST(TCustomAxisPanel, NewSeriesTakeTheFirstFreePaletteColour)
{
    StubChart chart;
    auto *first = new TChartSeries(&chart);
    auto *second = new TChartSeries(&chart);
    chart.AddSeries(first);
    chart.AddSeries(second);
    EXPECT_EQ(first->DefaultColor(), 0x0000FFu);
    EXPECT_EQ(second->DefaultColor(), 0x008000u);
    EXPECT_EQ(first->SeriesColor(), 0x20000000u);
    const QMetaObject *meta = first->metaObject();
    EXPECT_FALSE(IsPropertyStored(*first, meta->property(meta->indexOfProperty("SeriesColor"))));

    StubChart full;
    for (int i = 0; i < PlotProcs::DefaultPaletteLength(); ++i) {
        auto *s = new TChartSeries(&full);
        s->SetSeriesColor(PlotProcs::GetDefaultColor(i));
        full.AddSeries(s);
    }
    auto *last = new TChartSeries(&full);
    full.AddSeries(last);
    EXPECT_EQ(last->DefaultColor(), 0x0000FFu);
}

TEST(TCustomAxisPanel, PointerMarginsWidenTheAxisRange)
{
    StubChart chart;
    chart.useRecordingCanvas();
    chart.CustomChartRect = true;
    chart.ChartRect = {0, 0, 400, 250};
    auto *series = new PolylineTestSeries(&chart);
    chart.AddSeries(series);
    series->Pointer()->SetVisible(true);
    series->Pointer()->SetHorizSize(4);
    for (int x = 0; x <= 10; ++x)
        series->AddXY(x, 1);
    int left = 0;
    int right = 0;
    series->CalcHorizMargins(left, right);
    EXPECT_EQ(std::pair(left, right), std::pair(5, 5));
    chart.drawPass();
    EXPECT_NEAR(chart.BottomAxis()->WorkMinimum(), -0.1282051282, 1e-9);
    EXPECT_NEAR(chart.BottomAxis()->WorkMaximum(), 10.1282051282, 1e-9);
}

TEST(TCustomAxisPanel, AxesListOrderAndCustomAxes)
{
    StubChart chart;
    const TChartAxes &axes = chart.Axes();
    const std::vector<TChartAxis *> standard{chart.LeftAxis(),  chart.RightAxis(), chart.TopAxis(),
                                             chart.BottomAxis(), chart.DepthAxis(), chart.DepthTopAxis()};
    EXPECT_EQ(axes.Items(), standard);
    EXPECT_EQ(chart.TopAxis()->ZPosition(), 100.0);
    EXPECT_EQ(chart.RightAxis()->Title()->Angle(), 270);
    // The axes draw in list order: left, right, top, bottom.
    RecordingCanvas &canvas = chart.useRecordingCanvas();
    auto *series = new TChartSeries(&chart);
    chart.AddSeries(series);
    series->SetHorizAxis(aBothHorizAxis);
    series->SetVertAxis(aBothVertAxis);
    series->AddXY(1, 1);
    series->AddXY(2, 2);
    chart.drawPass();
    const TRect r = chart.ChartRect;
    QStringList sides;
    for (const RecordedCall &c : canvas.calls(QStringLiteral("TextOut"))) {
        const int x = c.args[0];
        const int y = c.args[1];
        const QString side = x < r.left ? QStringLiteral("left") : x > r.right ? QStringLiteral("right")
                             : y < r.top ? QStringLiteral("top") : QStringLiteral("bottom");
        if (sides.isEmpty() || sides.last() != side)
            sides << side;
    }
    EXPECT_EQ(sides, (QStringList{QStringLiteral("left"), QStringLiteral("right"), QStringLiteral("top"),
                                  QStringLiteral("bottom")}));

    // A removed custom axis hands its series back to the standard axis.
    TChartAxis *custom = chart.AddCustomAxis();
    EXPECT_EQ(axes.IndexOf(custom), 6);
    series->SetCustomVertAxis(custom);
    EXPECT_EQ(series->GetVertAxis(), custom);
    chart.RemoveCustomAxis(0);
    EXPECT_EQ(series->VertAxis(), aLeftAxis);
    EXPECT_EQ(series->GetVertAxis(), chart.LeftAxis());
}

TEST(TCustomAxisPanel, EndToEndOnTheRecordingCanvas)
{
    const ScopedLocale english(QLocale::English);
    for (const bool behind : {true, false}) {
        StubChart chart;
        RecordingCanvas &canvas = chart.useRecordingCanvas();
        addVapourPressure(chart);
        chart.SetAxisBehind(behind);
        chart.drawPass();
        const TRect r = chart.ChartRect;
        const QStringList ops = canvas.opNames();
        const int background = indexOf(ops, QStringLiteral("FillRect"));
        const int walls = indexOf(ops, QStringLiteral("DrawWalls"));
        const int clip = indexOf(ops, QStringLiteral("ClipRectangle"), walls);
        const int curve = indexOf(ops, QStringLiteral("Polyline"), walls);
        const int unclip = indexOf(ops, QStringLiteral("UnClipRectangle"), curve);
        EXPECT_LT(background, walls);
        EXPECT_LT(walls, clip);
        EXPECT_LT(clip, curve);
        EXPECT_EQ(canvas.calls()[std::size_t(clip)].args, (std::vector<int>{r.left + 1, r.top + 1, r.right, r.bottom}));
        EXPECT_EQ(indexOf(ops, QStringLiteral("Polyline"), curve + 1), -1);
        const RecordedCall &line = canvas.calls()[std::size_t(curve)];
        EXPECT_EQ(line.points.size(), 101u);
        for (const TPoint &p : line.points)
            EXPECT_TRUE(p.x >= r.left && p.x <= r.right && p.y >= r.top && p.y <= r.bottom) << p.x << "," << p.y;
        EXPECT_GT(unclip, curve);

        QStringList left;
        int lastLeftLabel = -1;
        int firstBottomLabel = -1;
        for (int i = 0; i < int(canvas.calls().size()); ++i) {
            const RecordedCall &c = canvas.calls()[std::size_t(i)];
            if (c.op != QStringLiteral("TextOut"))
                continue;
            if (c.args[0] < r.left) {
                left << c.text;
                lastLeftLabel = i;
            } else if (c.args[1] > r.bottom && firstBottomLabel < 0) {
                firstBottomLabel = i;
            }
        }
        left.sort();
        EXPECT_EQ(left, (QStringList{QStringLiteral("0.1"), QStringLiteral("1"), QStringLiteral("10")}));
        EXPECT_LT(lastLeftLabel, firstBottomLabel);
        EXPECT_GT(walls, background);
        EXPECT_EQ(lastLeftLabel < curve, behind);
    }
}

TEST(TCustomAxisPanel, OnTheScreenTheCurveStaysInsideTheChart)
{
    StubChart chart;
    PolylineTestSeries *series = addVapourPressure(chart);
    series->Pen()->SetWidth(3);
    QImage image = chart.CreateDefaultBitmap();
    EXPECT_EQ(curveOutside(image, chart.ChartRect), 0);
    int inside = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            inside += isCurve(image.pixel(x, y)) ? 1 : 0;
    EXPECT_GT(inside, 300);

    chart.BottomAxis()->SetMinMax(40, 60); // most points lie outside now
    image = chart.CreateDefaultBitmap();
    EXPECT_EQ(curveOutside(image, chart.ChartRect), 0);
}

TEST(TCustomAxisPanel, FarAwayLineEndsReachTheCanvasAsOneRow)
{
    StubChart chart;
    chart.SetClipPoints(false);
    chart.BottomAxis()->SetMinMax(0, 1);
    chart.LeftAxis()->SetMinMax(0, 1);
    auto *series = new PolylineTestSeries(&chart);
    chart.AddSeries(series);
    series->SetSeriesColor(clRed);
    series->VisibleRangeOnly = false; // both points lie outside the axis range
    const QImage without = chart.CreateDefaultBitmap(); // the series holds no point yet
    series->AddXY(-1e5, 0.5); // some 3 * 10^7 pixels to either side
    series->AddXY(1e5, 0.5);
    const QImage with = chart.CreateDefaultBitmap();
    QList<int> rows;
    int changed = 0;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            if (with.pixel(x, y) != without.pixel(x, y)) {
                ++changed;
                if (!rows.contains(y))
                    rows << y;
            }
    EXPECT_EQ(rows.size(), 1);
    EXPECT_EQ(changed, with.width());
}

TEST(TCustomAxisPanel, ALabelHandlerThatThrowsInAPaintIsReportedOnceAndLeavesThePanelSound)
{
    ScriptedMessageService messages;
    StubChart chart;
    addVapourPressure(chart);
    bool fail = false;
    GuiCanvas *buffer = nullptr;
    chart.OnBeforeDrawChart = [&](TCustomAxisPanel *) { buffer = chart.Canvas()->ReferenceCanvas(); };
    chart.OnGetAxisLabel = [&](const TChartAxis *, AxisSeriesView *, int, QString &) {
        if (fail)
            throw ChartException(QStringLiteral("no label today"));
    };
    chart.grab();
    ASSERT_NE(buffer, nullptr);
    const PenValues pen = buffer->Pen()->values();
    const BrushValues brush = buffer->Brush()->values();

    fail = true;
    chart.Invalidate();
    chart.grab();
    auto &screen = dynamic_cast<TPlotCanvas3D &>(*chart.Canvas());
    EXPECT_EQ(screen.GetHandle(), nullptr);
    EXPECT_FALSE(screen.buffer()->paintingActive());
    EXPECT_FALSE(buffer->dc().hasClip());
    EXPECT_TRUE(chart.AutoRepaint);
    EXPECT_TRUE(buffer->Pen()->values() == pen);
    EXPECT_TRUE(buffer->Brush()->values() == brush);
    EXPECT_TRUE(messages.shown().isEmpty()); // not inside the paint
    QCoreApplication::processEvents();
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown()[0].text, QStringLiteral("no label today"));

    chart.grab();
    QCoreApplication::processEvents();
    EXPECT_EQ(messages.shown().size(), 1); // the same failure again: no new box
    chart.LeftAxis()->SetLogarithmic(false);
    chart.grab();
    QCoreApplication::processEvents();
    EXPECT_EQ(messages.shown().size(), 2); // the chart changed: news again
}

TEST(TCustomAxisPanel, ThePictureOfTheVapourPressureChart)
{
    PlotInstallFontSubstitutions();
    const ScopedLocale english(QLocale::English);
    StubChart chart;
    chart.resize(800, 500);
    PolylineTestSeries *series = addVapourPressure(chart);
    series->Pen()->SetWidth(2);
    series->Marks()->SetVisible(true);
    series->Marks()->SetStyle(smsValue);
    series->Marks()->SetDrawEvery(10);
    series->SetValueFormat(QStringLiteral("0.###"));
    chart.LeftAxis()->Title()->SetCaption(QStringLiteral("p / bar"));
    chart.BottomAxis()->Title()->SetCaption(QStringLiteral("t / °C"));
    const QImage image = chart.CreateDefaultBitmap();
    QDir().mkpath(QStringLiteral(TENSIMO_TEST_OUTPUT_DIR));
    image.save(QStringLiteral(TENSIMO_TEST_OUTPUT_DIR "/engine-series.png"));
    const TRect r = chart.ChartRect;
    EXPECT_EQ(curveOutside(image, r), 0);
    // Each mark's box sits just above its point: the marks' colour shows there, not the panel's.
    const QRgb panel = image.pixel(r.left + 2, r.top + 2);
    for (int i = 0; i <= 100; i += 10) {
        const int x = series->CalcXPos(i);
        const int y = series->CalcYPos(i);
        if (y - 6 < r.top)
            continue;
        EXPECT_NE(image.pixel(x, y - 6), panel) << "point " << i;
    }
}
