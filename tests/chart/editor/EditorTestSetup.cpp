// Chart editor test helpers.
#include "EditorTestSetup.h"

#include "ChartEditorLibrary.h"
#include "ChartLibrary.h"
#include "ChartTestSetup.h"
#include "PlotException.h"
#include "TCanvas3D.h"
#include "TChart.h"
#include "TCustomPlotNavigator.h"
#include "TLineSeries.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QMouseEvent>
#include <QSettings>

#include <utility>

void PrintTo(const TRect &r, std::ostream *os)
{
    *os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

void expectShownAtButtonHeight(const TCustomPlotNavigator &navigator)
{
    QCoreApplication::processEvents(); // the layouts place it in posted events
    ASSERT_TRUE(navigator.isVisible());
    EXPECT_EQ(navigator.height(), TCustomPlotNavigator::kButtonHeight);
    // Not squeezed to a strip nor pushed under its neighbours: all of it can be seen.
    EXPECT_EQ(navigator.visibleRegion().boundingRect(), navigator.rect());
    int shown = 0;
    for (const QWidget *button : navigator.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (button->isHidden())
            continue;
        ++shown;
        EXPECT_EQ(button->height(), navigator.height()) << button->objectName().toStdString();
        EXPECT_TRUE(navigator.rect().contains(button->geometry())) << button->objectName().toStdString();
    }
    EXPECT_GE(shown, 4);
}

void PrintTo(const QRect &r, std::ostream *os)
{
    *os << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
}

void PrintTo(const QSize &s, std::ostream *os)
{
    *os << s.width() << "x" << s.height();
}

SamplePanel::SamplePanel(QWidget *parent)
    : TCustomPlotPanelExtended(parent)
{
    registerTestFont();
    setObjectName(QStringLiteral("Chart1"));
    SetColor(clWhite);
    SetPrintMargins({10, 10, 10, 10});
    SetPrintProportional(false);
    resize(400, 250);
}

void SamplePanel::DrawChartContents(const TRect &bounds)
{
    TCustomPlotPanelExtended::DrawChartContents(bounds);
    drawnBounds.append(bounds);
    if (failWhilePrinting && Printing())
        throw PlotException(QStringLiteral("Series1: no values to draw"));
    TCanvas3D &canvas = *Canvas();
    canvas.Begin2D();
    canvas.Pen()->SetColor(clNavy);
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(clBlue);
    canvas.RectangleRect(ChartRect);
    canvas.Font()->SetSize(12);
    canvas.Font()->SetColor(clWhite);
    canvas.SetBackMode(cbmTransparent);
    canvas.TextOut(ChartRect.left + 10, ChartRect.top + 10, caption);
    canvas.End2D();
}

ScopedGalleryHooks::ScopedGalleryHooks(PlotGalleryHooks::CreateNewSeriesHook create,
                                       PlotGalleryHooks::ChangeSeriesTypeHook change)
    : m_create(std::exchange(PlotGalleryHooks::CreateNewSeriesGallery(), std::move(create)))
    , m_change(std::exchange(PlotGalleryHooks::ChangeSeriesTypeGallery(), std::move(change)))
{
}

ScopedGalleryHooks::~ScopedGalleryHooks()
{
    PlotGalleryHooks::CreateNewSeriesGallery() = std::move(m_create);
    PlotGalleryHooks::ChangeSeriesTypeGallery() = std::move(m_change);
}

void sendMouse(QWidget &widget, QEvent::Type type, int x, int y, Qt::MouseButtons buttons)
{
    const QPointF local(x, y);
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    if (type == QEvent::MouseButtonRelease)
        buttons = Qt::NoButton;
    QMouseEvent event(type, local, widget.mapToGlobal(local), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &event);
}

EditorChartTest::EditorChartTest()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
    registerChartLibrary();
    registerChartEditor();
    registerTestFont();
    chart = std::make_unique<TChart>();
    chart->setObjectName(QStringLiteral("Chart1"));
    chart->resize(400, 300);
}

EditorChartTest::~EditorChartTest() = default;

TLineSeries *EditorChartTest::addLineSeries()
{
    auto *series = chart->AddSeriesOfClass<TLineSeries>();
    series->SetTitle(QStringLiteral("S%1").arg(chart->SeriesCount()));
    for (int i = 0; i < 5; ++i)
        series->AddXY(i, (i * 7 + chart->SeriesCount()) % 5);
    return series;
}

QString editorSettingsText(const QTemporaryDir &dir)
{
    QDirIterator it(dir.path(), {QStringLiteral("Plot.conf")}, QDir::Files, QDirIterator::Subdirectories);
    if (!it.hasNext())
        return {};
    QFile file(it.next());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}
