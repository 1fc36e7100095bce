// Delivery of exported series data: clipboard, stream and file, all as UTF-8.
#include "TPlotExportData.h"

#include "FileSizeLimit.h"

#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class FixedExport : public TPlotExportData
{
public:
    explicit FixedExport(QString text)
        : m_text(std::move(text))
    {
    }
    QString AsString() const override { return m_text; }

private:
    QString m_text;
};

const QString kTable = QStringLiteral("T [\u00B0C]\tp [mm H2O]\r\n25,5\t3\u00A0167\r\n");

} // namespace

TEST(TPlotExportData, BaseExportsNothing)
{
    const TPlotExportData base;
    QBuffer buffer;
    ASSERT_TRUE(buffer.open(QIODevice::WriteOnly));
    EXPECT_TRUE(base.SaveToStream(buffer));
    EXPECT_TRUE(buffer.data().isEmpty());
}

TEST(TPlotExportData, StreamGetsTheTextAsUtf8WithoutTerminator)
{
    const FixedExport data(kTable);
    QBuffer buffer;
    ASSERT_TRUE(buffer.open(QIODevice::WriteOnly));
    buffer.write("head:");
    EXPECT_TRUE(data.SaveToStream(buffer));
    EXPECT_EQ(buffer.data(), QByteArray("head:") + kTable.toUtf8());

    QBuffer closed; // not open: the failure is reported
    EXPECT_FALSE(data.SaveToStream(closed));
}

TEST(TPlotExportData, FileIsCreatedOrTruncated)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("series.txt"));
    {
        QFile longer(path);
        ASSERT_TRUE(longer.open(QIODevice::WriteOnly));
        longer.write(QByteArray(500, 'x'));
    }
    const FixedExport data(kTable);
    ASSERT_TRUE(data.SaveToFile(path));
    QFile in(path);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    EXPECT_EQ(in.readAll(), kTable.toUtf8());

    QString error;
    EXPECT_FALSE(data.SaveToFile(dir.filePath(QStringLiteral("missing/folder/series.txt")), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(TPlotExportData, FailedWriteKeepsTheOldFileAndSaysWhy)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("series.txt"));
    const FixedExport old(QStringLiteral("old"));
    ASSERT_TRUE(old.SaveToFile(path));
    QString error;
    {
        const FileSizeLimit fullDisk;
        EXPECT_FALSE(FixedExport(kTable).SaveToFile(path, &error));
    }
    EXPECT_FALSE(error.isEmpty());
    QFile in(path);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    EXPECT_EQ(in.readAll(), QByteArray("old"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("series.txt")});
}

TEST(TPlotExportData, ClipboardGetsTheText)
{
    ASSERT_NE(QGuiApplication::clipboard(), nullptr);
    QGuiApplication::clipboard()->clear();
    const FixedExport data(kTable);
    data.CopyToClipboard();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), kTable);
}
