// The demo's file commands, run as a user runs them: save through the registered formats, read a
// saved chart and save it again, and the exit status of each failure; its application object.
#include "ExportTestSupport.h"
#include "platform/MessageService.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>

TEST(ChartDemoCommands, SaveThroughTheFormatOfTheExtensionAndConvertSavedCharts)
{
    const QTemporaryDir dir;
    const QString demo = QStringLiteral(TENSIMO_CHART_DEMO);
    const auto path = [&](const char *name) { return dir.filePath(QString::fromLatin1(name)); };
    const struct { QStringList arguments; int status; const char *file; QByteArray start; } cases[] = {
        {{QStringLiteral("--save"), path("a.bmp"), QStringLiteral("--width"), QStringLiteral("200"),
          QStringLiteral("--height"), QStringLiteral("100")}, 0, "a.bmp", "BM"},
        {{QStringLiteral("--save"), path("c.plot")}, 0, "c.plot", QByteArray::fromHex("6030570154504630")},
        {{QStringLiteral("--chart"), path("c.plot"), QStringLiteral("--save"), path("d.emf")}, 0, "d.emf",
         QByteArray::fromHex("01000000")},
        {{QStringLiteral("--chart"), path("c.plot"), QStringLiteral("--save"), path("e.wmf")}, 0, "e.wmf",
         QByteArray::fromHex("d7cdc69a")},
        {{QStringLiteral("--save"), path("x.xyz")}, 1, "x.xyz", {}},
        {{QStringLiteral("--chart"), path("a.bmp")}, 2, nullptr, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        const ToolResult result = runTool(demo, c.arguments);
        EXPECT_EQ(result.exitCode, c.status) << result.err.toStdString();
        if (c.status == 0)
            EXPECT_TRUE(readFile(path(c.file)).startsWith(c.start));
        else if (c.file)
            EXPECT_FALSE(QFile::exists(path(c.file)));
        else
            EXPECT_TRUE(result.err.contains(QDir::toNativeSeparators(path("a.bmp")).toUtf8())) << result.err.toStdString();
    }
    const QByteArray bmp = readFile(path("a.bmp"));
    ASSERT_GE(bmp.size(), 26);
    EXPECT_EQ(qFromLittleEndian<qint32>(bmp.constData() + 18), 200);
    EXPECT_EQ(qFromLittleEndian<qint32>(bmp.constData() + 22), 100);
}

TEST(ChartDemoCommands, TheExportDialogTheEditorTheToolsAndSavedChartsShowAsPictures)
{
    const QTemporaryDir dir;
    const QString demo = QStringLiteral(TENSIMO_CHART_DEMO);
    const auto path = [&](const char *name) { return dir.filePath(QString::fromLatin1(name)); };
    ASSERT_EQ(runTool(demo, {QStringLiteral("--save"), path("c.plot")}).exitCode, 0);
    const struct { QStringList arguments; int status; const char *picture; } cases[] = {
        {{QStringLiteral("--export"), QStringLiteral("--page"), QStringLiteral("Native"), QStringLiteral("--screenshot"),
          path("native.png")}, 0, "native.png"},
        {{QStringLiteral("--german"), QStringLiteral("--export"), QStringLiteral("--format"), QStringLiteral("pdf"),
          QStringLiteral("--screenshot"), path("bild.png")}, 0, "bild.png"},
        {{QStringLiteral("--chart"), path("c.plot"), QStringLiteral("--screenshot"), path("chart.png")}, 0, "chart.png"},
        {{QStringLiteral("--export"), QStringLiteral("--page"), QStringLiteral("Nowhere"), QStringLiteral("--screenshot"),
          path("none.png")}, 2, "none.png"},
        {{QStringLiteral("--export"), QStringLiteral("--format"), QStringLiteral("xyz"), QStringLiteral("--screenshot"),
          path("xyz.png")}, 2, "xyz.png"},
        {{QStringLiteral("--edit"), QStringLiteral("data"), QStringLiteral("--screenshot"), path("grid.png")}, 0, "grid.png"},
        {{QStringLiteral("--edit"), QStringLiteral("gallery"), QStringLiteral("--screenshot"), path("gallery.png")}, 0,
         "gallery.png"},
        {{QStringLiteral("--edit"), QStringLiteral("nowhere"), QStringLiteral("--screenshot"), path("nowhere.png")}, 2,
         "nowhere.png"},
        // The tools scene fails when a tool leaves pixels that a fresh redraw does not draw.
        {{QStringLiteral("--tools"), QStringLiteral("--screenshot"), path("tools.png")}, 0, "tools.png"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        const ToolResult result = runTool(demo, c.arguments);
        EXPECT_EQ(result.exitCode, c.status) << result.err.toStdString();
        const QImage picture(path(c.picture));
        if (c.status == 0) {
            EXPECT_GE(picture.width(), 300);
            EXPECT_GE(picture.height(), 200);
        } else {
            EXPECT_TRUE(picture.isNull());
        }
    }
}

TEST(ChartDemoCommands, TheDemosApplicationReportsAFailureGoesOnAndShowsQtsTextsInItsLanguage)
{
    struct Case
    {
        QStringList arguments;
        const char *caption;
        QList<QByteArray> fileDialogTexts; // Qt's own
    };
    const Case cases[] = {
        {{}, "Error", {"&Save", "Cancel", "File &name:"}},
        {{QStringLiteral("--german")}, "Fehler", {"S&peichern", "Abbrechen", "Datei&name:"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.caption);
        const ToolResult result = runTool(QStringLiteral(TENSIMO_DEMO_APPLICATION_PROBE), c.arguments);
        EXPECT_EQ(result.exitCode, 0) << result.out.toStdString() << result.err.toStdString();
        const QList<QByteArray> lines = result.out.split('\n');
        // One error box, through the message service, for the one exception.
        EXPECT_EQ(lines.count(QByteArray("box\t") + c.caption + "\tDivision durch Null\t" + QByteArray::number(MbIconError)), 1)
            << result.out.toStdString();
        for (const QByteArray &text : c.fileDialogTexts)
            EXPECT_TRUE(lines.contains("file dialog\t" + text)) << text.toStdString() << '\n' << result.out.toStdString();
    }
}
