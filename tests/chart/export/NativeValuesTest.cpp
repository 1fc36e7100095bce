// Native chart files holding one extreme number: each is refused with a message naming the
// property, or read and drawn; none crashes the reading program, hangs it or exhausts its memory.
// The files are read in a child process (2 GB of address space), which is started again after a
// file that broke it.
#include "ExportTestSupport.h"
#include "NativeChartFile.h"
#include "NativeValueCases.h"
#include "PlotConst.h"
#include "PlotExceptions.h"
#include "PropertyLimits.h"
#include "TCustomChart.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <optional>
#include <vector>

namespace {

using NativeValueCases::NumericProperty;

// A guard against a hang, not a speed check.
constexpr int kGuardMs = 30000;
// The cases run as this many test entries, which ctest runs side by side.
constexpr int kShards = 8;

struct Outcome
{
    QByteArray kind; // "drawn", "refused", "error", "crashed", "hung"
    QString message;
};

// Reads and draws the files in a child, one by one; a file that ends or stalls the child is
// marked and the child goes on with the next.
std::vector<Outcome> readInChild(const QStringList &files)
{
    std::vector<std::optional<Outcome>> outcomes(files.size());
    qsizetype next = 0;
    while (next < files.size()) {
        QProcess child;
        child.setStandardErrorFile(QProcess::nullDevice());
        child.start(QStringLiteral(NATIVE_VALUES_CHILD), files.mid(next));
        if (!child.waitForStarted()) {
            ADD_FAILURE() << "the child does not start";
            break;
        }
        const qsizetype offset = next;
        qsizetype current = -1;
        QElapsedTimer sinceStart;
        QByteArray pending;
        bool hung = false;
        const auto takeLines = [&] {
            pending += child.readAllStandardOutput();
            for (qsizetype end = pending.indexOf('\n'); end >= 0; end = pending.indexOf('\n')) {
                const QByteArray line = pending.left(end);
                pending.remove(0, end + 1);
                const QList<QByteArray> parts = line.split(' ');
                if (parts.size() < 2)
                    continue;
                const qsizetype index = offset + parts[1].toLongLong();
                if (index < 0 || index >= files.size())
                    continue;
                if (parts[0] == "start") {
                    current = index;
                    sinceStart.start();
                } else {
                    outcomes[index] = Outcome{parts[0], QString::fromUtf8(line.mid(parts[0].size() + parts[1].size() + 2))};
                }
            }
        };
        while (child.state() != QProcess::NotRunning) {
            child.waitForReadyRead(100);
            takeLines();
            if (current >= 0 && !outcomes[current] && sinceStart.elapsed() > kGuardMs) {
                hung = true;
                child.kill();
                child.waitForFinished();
            }
        }
        takeLines();
        // The first file without an outcome is the one that ended the child.
        next = offset;
        while (next < files.size() && outcomes[next])
            ++next;
        if (next < files.size()) {
            outcomes[next] = Outcome{hung ? "hung" : "crashed",
                                     QStringLiteral("exit %1, status %2").arg(child.exitCode()).arg(child.exitStatus())};
            ++next;
        }
    }
    std::vector<Outcome> result;
    for (const std::optional<Outcome> &outcome : outcomes)
        result.push_back(outcome.value_or(Outcome{"crashed", {}}));
    return result;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

class NativeValues : public ExportTest, public testing::WithParamInterface<int>
{
};

using NativeValueLimits = ExportTest;
using NativeValueFindings = ExportTest;

TEST_P(NativeValues, EachNumberAtItsExtremesIsRefusedByNameOrDrawn)
{
    const QByteArray text = NativeValueCases::demoChartText();
    const QList<NumericProperty> properties = NativeValueCases::demoNumericProperties();
    // The walk reaches the view options, the walls, axes, legend, titles, series and the tool.
    ASSERT_GT(properties.size(), 300);
    const QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    struct Case
    {
        NumericProperty property;
        QByteArray value;
    };
    std::vector<Case> cases;
    QStringList files;
    int number = 0;
    for (const NumericProperty &property : properties) {
        for (const QByteArray &value : NativeValueCases::extremeValues()) {
            if (number++ % kShards != GetParam())
                continue;
            const QByteArray changed = NativeValueCases::withValue(text, property, value);
            ASSERT_NE(changed, text) << property.name.constData();
            const QString path = dir.filePath(QStringLiteral("case%1.plot").arg(number));
            ASSERT_TRUE(writeFile(path, changed));
            cases.push_back({property, value});
            files << path;
        }
    }
    const std::vector<Outcome> outcomes = readInChild(files);
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const Outcome &outcome = outcomes[i];
        const QString property = QString::fromLatin1(cases[i].property.name);
        SCOPED_TRACE(QStringLiteral("block %1, %2 = %3: %4 %5")
                         .arg(cases[i].property.block)
                         .arg(property, QString::fromLatin1(cases[i].value), QString::fromLatin1(outcome.kind),
                              outcome.message)
                         .toStdString());
        if (outcome.kind == "refused") {
            EXPECT_TRUE(outcome.message.contains(property));
            EXPECT_TRUE(outcome.message.contains(QDir::toNativeSeparators(files[qsizetype(i)])));
        } else {
            EXPECT_EQ(outcome.kind, "drawn");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Shards, NativeValues, testing::Range(0, kShards));

// Each limit holds at its ends, the plain integer limit of every int property included: a file at
// the limit reads and draws, one past it is refused with the property and the range it has, and
// the file's name.
TEST_F(NativeValueLimits, AFileAtTheLimitReadsAndOnePastItIsRefused)
{
    const QByteArray text = NativeValueCases::demoChartText();
    const QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("limit.plot"));
    int limited = 0;
    for (const NumericProperty &property : NativeValueCases::demoNumericProperties()) {
        const QByteArray own = property.name.split('.').last();
        const PropertyLimit *limit = PropertyLimits::forFile(
            *property.owner, property.owner->property(property.owner->indexOfProperty(own.constData())));
        if (!limit)
            continue;
        ++limited;
        const qint64 minimum = qint64(limit->minimum);
        const qint64 maximum = qint64(limit->maximum);
        for (const qint64 value : {minimum, maximum}) {
            SCOPED_TRACE(testing::Message() << "block " << property.block << ", " << property.name.constData() << " = " << value);
            const QByteArray bytes = NativeValueCases::withValue(text, property, QByteArray::number(value));
            try {
                const std::unique_ptr<TCustomChart> chart = ReadChartFromBytes(bytes);
                chart->setGeometry(0, 0, 400, 300);
                EXPECT_FALSE(chart->CreateBitmap(clWhite, chart->GetRectangle()).isNull());
            } catch (const ChartException &e) {
                // Within the plain limit a setter may still refuse a value of its own ("... must be > 0").
                const bool ownRefusal = !*limit->className && e.message().startsWith(QString::fromLatin1(property.name) + u':');
                EXPECT_TRUE(ownRefusal) << e.what();
            } catch (const PlotException &e) {
                ADD_FAILURE() << e.what();
            }
        }
        for (const qint64 value : {minimum - 1, maximum + 1}) {
            SCOPED_TRACE(testing::Message() << "block " << property.block << ", " << property.name.constData() << " = " << value);
            ASSERT_TRUE(writeFile(path, NativeValueCases::withValue(text, property, QByteArray::number(value))));
            try {
                ReadChartFromFile(path);
                ADD_FAILURE() << "read";
            } catch (const ChartException &e) {
                EXPECT_EQ(e.message().toStdString(),
                          (PlotConst::ValueOutOfRangeText(QString::fromLatin1(property.name), minimum, maximum) + u'\r'
                           + QDir::toNativeSeparators(path))
                              .toStdString());
            }
        }
    }
    // The view's scales and offsets, the 3D depth, the panel's frame, the shapes' bevels and
    // shadows, and every other int property.
    EXPECT_GE(limited, 200);
}

// The files the values fuzz target found, kept for replay: refused or drawn, never worse.
TEST_F(NativeValueFindings, KeptFilesAreRefusedOrDrawn)
{
    const QDir dir(QStringLiteral(TENSIMO_TEST_DATA_DIR "/native-regress/values"));
    QStringList files;
    for (const QString &name : dir.entryList({QStringLiteral("*.plot")}, QDir::Files))
        files << dir.filePath(name);
    ASSERT_FALSE(files.isEmpty());
    const std::vector<Outcome> outcomes = readInChild(files);
    for (qsizetype i = 0; i < files.size(); ++i) {
        SCOPED_TRACE(files[i].toStdString());
        const Outcome &outcome = outcomes[std::size_t(i)];
        EXPECT_TRUE(outcome.kind == "drawn" || outcome.kind == "refused") << outcome.kind.constData() << ' '
                                                                          << outcome.message.toStdString();
    }
}

} // namespace
