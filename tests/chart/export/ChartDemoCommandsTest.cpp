// The demo's file commands, run as a user runs them: save through the registered formats, read a
// saved chart and save it again, and the exit status of each failure.
#include "ExportTestSupport.h"

#include <QDir>
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
