// The metafile format: EMF and WMF records walked, converted by emf2svg and libwmf, drawn by
// rsvg-convert and compared with the screen at probe points, the cursor tool's lines among them.
#include "CursorProbes.h"
#include "ExportTestSupport.h"
#include "TBMPExportFormat.h"
#include "TCursorTool.h"
#include "TEMFExportFormat.h"
#include "TEMFOptions.h"

#include <QCheckBox>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>

namespace {

quint32 u32(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

quint16 u16(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

// The SVG a converter makes of the file, checked by xmllint, then drawn by rsvg-convert.
QImage convertAndDraw(const QString &converter, const QString &input, const QTemporaryDir &dir)
{
    const QString svg = dir.filePath(QStringLiteral("out.svg"));
    const QString png = dir.filePath(QStringLiteral("out.png"));
    QFile::remove(svg);
    const QStringList arguments = converter == QLatin1String("emf2svg-conv")
                                      ? QStringList{QStringLiteral("-i"), input, QStringLiteral("-o"), svg}
                                      : QStringList{QStringLiteral("-o"), svg, input};
    const ToolResult converted = runTool(converter, arguments);
    EXPECT_EQ(converted.exitCode, 0) << converted.err.toStdString();
    const ToolResult lint = runTool(QStringLiteral("xmllint"), {QStringLiteral("--noout"), svg});
    EXPECT_EQ(lint.exitCode, 0) << lint.err.toStdString();
    const ToolResult drawn = runTool(QStringLiteral("rsvg-convert"), {QStringLiteral("-o"), png, svg});
    EXPECT_EQ(drawn.exitCode, 0) << drawn.err.toStdString();
    return QImage(png).convertToFormat(QImage::Format_RGB32);
}

class MetafileExport : public ExportTest
{
protected:
    void SetUp() override
    {
        chart = makeLineChart();
        chart->SetView3D(true); // walls to probe
        format.SetPanel(chart.get());
    }
    std::unique_ptr<TChart> chart;
    TEMFExportFormat format;
};

} // namespace

TEST_F(MetafileExport, EnhancedMetafileRecordsAreWhole)
{
    const QByteArray emf = format.SaveToBytes();
    ASSERT_GT(emf.size(), 108);
    EXPECT_EQ(u32(emf, 0), 1u);
    EXPECT_EQ(emf.mid(40, 4), QByteArray(" EMF"));
    EXPECT_EQ(u32(emf, 48), quint32(emf.size()));
    quint32 records = 0;
    qsizetype at = 0;
    quint32 lastType = 0, lastSize = 0;
    while (at + 8 <= emf.size()) {
        lastType = u32(emf, at);
        lastSize = u32(emf, at + 4);
        ASSERT_GE(lastSize, 8u);
        ASSERT_EQ(lastSize % 4, 0u);
        at += lastSize;
        ++records;
    }
    EXPECT_EQ(at, emf.size());
    EXPECT_EQ(u32(emf, 52), records);
    EXPECT_EQ(lastType, 14u);
    EXPECT_EQ(lastSize, 20u);
}

TEST_F(MetafileExport, WindowsMetafileHeadersAreConsistent)
{
    format.SetEnhanced(false);
    const QByteArray wmf = format.SaveToBytes();
    EXPECT_EQ(wmf.left(4), QByteArray::fromHex("d7cdc69a"));
    quint16 checksum = 0;
    for (int i = 0; i < 10; ++i)
        checksum ^= u16(wmf, 2 * i);
    EXPECT_EQ(u16(wmf, 20), checksum);
    EXPECT_EQ(u32(wmf, 22 + 6), quint32((wmf.size() - 22) / 2));
    EXPECT_EQ(wmf.right(6), QByteArray::fromHex("030000000000"));
    qsizetype at = 22 + 18;
    while (at + 6 <= wmf.size()) {
        const quint32 words = u32(wmf, at);
        ASSERT_GE(words, 3u);
        at += 2 * qsizetype(words);
    }
    EXPECT_EQ(at, wmf.size());
}

TEST_F(MetafileExport, ConvertersDrawWhatTheScreenShows)
{
    const QImage screen = chart->CreateBitmap(chart->paintColor(), chart->GetRectangle());
    const QTemporaryDir dir;
    // Inside the back wall, the left wall, the bottom wall, the panel's back and between curves.
    const QPointF probes[] = {{0.5, 0.3}, {0.03, 0.5}, {0.5, 0.97}, {0.98, 0.02}, {0.7, 0.6}};
    for (const bool enhanced : {true, false}) {
        SCOPED_TRACE(enhanced ? "EMF" : "WMF");
        format.SetEnhanced(enhanced);
        const QString file = dir.filePath(enhanced ? QStringLiteral("chart.emf") : QStringLiteral("chart.wmf"));
        format.SaveToFile(file);
        const QImage drawn = convertAndDraw(enhanced ? QStringLiteral("emf2svg-conv") : QStringLiteral("wmf2svg"), file, dir);
        ASSERT_EQ(drawn.size(), screen.size());
        for (const QPointF &probe : probes) {
            const QPoint at(int(probe.x() * (screen.width() - 1)), int(probe.y() * (screen.height() - 1)));
            SCOPED_TRACE(testing::Message() << at.x() << "," << at.y());
            const QRgb a = screen.pixel(at), b = drawn.pixel(at);
            EXPECT_LE(std::abs(qRed(a) - qRed(b)), 8);
            EXPECT_LE(std::abs(qGreen(a) - qGreen(b)), 8);
            EXPECT_LE(std::abs(qBlue(a) - qBlue(b)), 8);
        }
    }
}

TEST_F(MetafileExport, TheCursorIsRecordedInTheColourTheScreenShows)
{
    // A metafile knows no xor: the cursor's pen colour xor the panel's was recorded (teal for red).
    chart->SetView3D(false);
    chart->SetColor(clSilver);
    const TCursorTool *cursor = addRedCursor(*chart);
    const QImage screen = chart->CreateBitmap(chart->paintColor(), chart->GetRectangle());
    const std::vector<QPoint> probes = cursorProbes(screen, *cursor, qRgb(192, 192, 192));
    for (const QPoint &p : probes)
        EXPECT_EQ(screen.pixel(p) & 0xFFFFFF, 0xFF0000u) << p.x() << "," << p.y();
    const QTemporaryDir dir;
    for (const bool enhanced : {true, false}) {
        SCOPED_TRACE(enhanced ? "EMF" : "WMF");
        format.SetEnhanced(enhanced);
        const QString file = dir.filePath(enhanced ? QStringLiteral("cursor.emf") : QStringLiteral("cursor.wmf"));
        format.SaveToFile(file);
        const QImage drawn = convertAndDraw(enhanced ? QStringLiteral("emf2svg-conv") : QStringLiteral("wmf2svg"), file, dir);
        if (!enhanced) {
            expectCursorLikeScreen(drawn, screen, probes);
            continue;
        }
        // emf2svg draws the extended pen one pixel wide and smoothed: the darkest pixel across the
        // line is the screen's colour over the panel's, blended (never the xor mix, teal).
        ASSERT_EQ(drawn.size(), screen.size());
        for (const QPoint &p : probes) {
            SCOPED_TRACE(testing::Message() << p.x() << "," << p.y());
            const bool vertical = p.x() == cursor->VerticalLineX();
            QColor darkest(Qt::white);
            for (int d = -3; d <= 3; ++d) {
                const QColor c = drawn.pixelColor(vertical ? p + QPoint(d, 0) : p + QPoint(0, d));
                if (c.green() < darkest.green())
                    darkest = c;
            }
            // On the line from silver to red: red stays at least silver's, green and blue fall together.
            EXPECT_GE(darkest.red(), 184);
            EXPECT_LE(darkest.green(), 150);
            EXPECT_LE(std::abs(darkest.green() - darkest.blue()), 8);
        }
    }
}

TEST_F(MetafileExport, SecondFilterOrWmfNameWritesAPlainMetafile)
{
    // Only the bitmap and metafile formats, whatever else the library registers.
    std::vector<PlotExportFormatClass> pictures;
    for (const PlotExportFormatClass &c : PlotExportFormats())
        if (c.name == QLatin1String("TBMPExportFormat") || c.name == QLatin1String("TEMFExportFormat"))
            pictures.push_back(c);
    const ScopedExportFormats only(pictures);
    const ExportFormatList list = createExportFormats(chart.get());
    ASSERT_EQ(list.formats.size(), 2u);
    EXPECT_EQ(list.formats[0]->GetFilterIndex(), 1);
    EXPECT_EQ(list.formats[1]->GetFilterIndex(), 2);
    EXPECT_TRUE(list.formats[1]->WantsFilterIndex(3));
    EXPECT_EQ(list.formats[1]->GetFilterIndex(), 3);
    EXPECT_EQ(list.formats[1]->FileExtension(), QStringLiteral("wmf"));
    EXPECT_EQ(list.filter, QStringLiteral("Bitmaps (*.bmp)|*.bmp|Enhanced Metafiles (*.emf)|*.emf|Metafiles (*.wmf)|*.wmf"));

    static_cast<TEMFExportFormat *>(list.formats[1].get())->SetEnhanced(true);
    TPlotExportFormat *byName = formatForExtension(list, QStringLiteral("WMF"));
    ASSERT_EQ(byName, list.formats[1].get());
    EXPECT_EQ(byName->SaveToBytes().left(4), QByteArray::fromHex("d7cdc69a"));
    // A name of another registered format's extension is written in that format.
    EXPECT_EQ(formatForExtension(list, QStringLiteral("emf"))->SaveToBytes().left(4), QByteArray::fromHex("01000000"));
    EXPECT_EQ(formatForExtension(list, QStringLiteral("bmp")), list.formats[0].get());
}
