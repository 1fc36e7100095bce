// The data passwords, the tensocrypt tool and the build step that encrypts data sources.
#include "ContainerTestData.h"
#include "DataPasswords.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace ContainerTestData;

namespace {

struct RunResult
{
    int exitCode = -1;
    QByteArray errorText;
};

RunResult runTensocrypt(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(TENSOCRYPT_PATH), arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), process.readAllStandardError()};
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

QByteArray withCrLf(QByteArray text)
{
    return text.replace("\r\n", "\n").replace('\n', "\r\n");
}

} // namespace

TEST(DataPasswords, HaveTheirFixedFormsAndUseTheSmallestKey)
{
    struct Case { const char *name; QString password; int length; QString pattern; };
    const Case cases[] = {
        {"database", QString::fromLatin1(DataPasswords::kDatabase), 8, QStringLiteral("[a-z0-9]+")},
        {"language", QString::fromLatin1(DataPasswords::kLanguage), 8, QStringLiteral("[a-z0-9]+")},
        {"solids", QString::fromLatin1(DataPasswords::kSolids), 9, QStringLiteral("\\S+")},
        {"measured", QString::fromLatin1(DataPasswords::kMeasuredValues), 11, QStringLiteral("\\S+")},
        {"aqueous", QString::fromLatin1(DataPasswords::kAqueous), 9, QStringLiteral("[a-z0-9]*,[a-z0-9]*")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.password.size(), c.length);
        EXPECT_TRUE(QRegularExpression(QRegularExpression::anchoredPattern(c.pattern)).match(c.password).hasMatch());
        EXPECT_EQ(TCrypt::modeForPasswordLength(c.password.size()), 1);
    }
    EXPECT_NE(QString::fromLatin1(DataPasswords::kDatabase), QString::fromLatin1(DataPasswords::kLanguage));
}

TEST(Tensocrypt, BuildStepOutputDecryptsToTheSourceWithCrLfLineEnds)
{
    const QByteArray source = readFile(QStringLiteral(TENSIMO_TEST_DATA_DIR "/container/sample.tsv"));
    ASSERT_FALSE(source.isEmpty());
    const QByteArray built = readFile(QStringLiteral(BUILT_SAMPLE_PATH));
    ASSERT_EQ(built.size(), source.count('\n') + source.size() + 20); // one CR added per line
    const Decrypted back = decrypt(QString::fromLatin1(DataPasswords::kDatabase), 262144, built);
    EXPECT_TRUE(back.ok);
    EXPECT_EQ(back.plaintext, withCrLf(source));
}

TEST(Tensocrypt, RoundTripsEveryPasswordAndNormalisesLineEnds)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString plain = dir.filePath(QStringLiteral("plain.tsv"));
    const QString encrypted = dir.filePath(QStringLiteral("data.dad"));
    const QString decrypted = dir.filePath(QStringLiteral("back.tsv"));
    ASSERT_TRUE(writeFile(plain, QByteArray("A\tB\r\nC\tD\nE\rF\n\nG")));
    for (const char *name : {"database", "language", "solids", "measured", "aqueous"}) {
        SCOPED_TRACE(name);
        const QString password = QString::fromLatin1(name);
        EXPECT_EQ(runTensocrypt({QStringLiteral("encrypt"), password, plain, encrypted}).exitCode, 0);
        EXPECT_EQ(runTensocrypt({QStringLiteral("decrypt"), password, encrypted, decrypted}).exitCode, 0);
        EXPECT_EQ(readFile(decrypted), QByteArray("A\tB\r\nC\tD\r\nE\r\nF\r\n\r\nG"));
        QFile::remove(decrypted);
    }
}

TEST(Tensocrypt, RefusesWrongPasswordsDamagedFilesAndBadArguments)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString plain = dir.filePath(QStringLiteral("plain.tsv"));
    const QString encrypted = dir.filePath(QStringLiteral("data.dad"));
    const QString damaged = dir.filePath(QStringLiteral("damaged.dad"));
    const QString truncated = dir.filePath(QStringLiteral("truncated.dad"));
    const QString output = dir.filePath(QStringLiteral("out.tsv"));
    ASSERT_TRUE(writeFile(plain, QByteArray("Zeile 1\nZeile 2\n")));
    ASSERT_EQ(runTensocrypt({QStringLiteral("encrypt"), QStringLiteral("solids"), plain, encrypted}).exitCode, 0);
    QByteArray bytes = readFile(encrypted);
    ASSERT_FALSE(bytes.isEmpty());
    ASSERT_TRUE(writeFile(truncated, bytes.left(bytes.size() - 1)));
    bytes[14] = char(bytes[14] ^ 0x01);
    ASSERT_TRUE(writeFile(damaged, bytes));

    const QStringList failing[] = {
        {QStringLiteral("decrypt"), QStringLiteral("measured"), encrypted, output},
        {QStringLiteral("decrypt"), QStringLiteral("solids"), damaged, output},
        {QStringLiteral("decrypt"), QStringLiteral("solids"), truncated, output},
        {QStringLiteral("decrypt"), QStringLiteral("solids"), dir.filePath(QStringLiteral("missing")), output},
        {QStringLiteral("encrypt"), QStringLiteral("nosuchname"), plain, output},
        {QStringLiteral("shuffle"), QStringLiteral("solids"), plain, output},
        {QStringLiteral("encrypt"), QStringLiteral("solids"), plain},
    };
    for (const QStringList &arguments : failing) {
        SCOPED_TRACE(qPrintable(arguments.join(QLatin1Char(' '))));
        const RunResult result = runTensocrypt(arguments);
        EXPECT_NE(result.exitCode, 0);
        EXPECT_NE(result.exitCode, -1); // it ran and ended by itself
        EXPECT_FALSE(result.errorText.isEmpty());
        EXPECT_FALSE(QFile::exists(output));
    }
}
