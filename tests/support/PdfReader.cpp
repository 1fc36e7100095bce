// Reads a printed PDF back through poppler-utils.
#include "PdfReader.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

QString run(const QString &program, const QStringList &arguments)
{
    const QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty())
        return {};
    QProcess process;
    process.start(path, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

PdfInfo pdfInfo(const QString &file)
{
    const QString text = run(QStringLiteral("pdfinfo"), {file});
    PdfInfo info;
    const QRegularExpressionMatch pages = QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"),
                                                             QRegularExpression::MultilineOption)
                                              .match(text);
    if (pages.hasMatch())
        info.pages = pages.captured(1).toInt();
    const QRegularExpressionMatch size =
        QRegularExpression(QStringLiteral("^Page size:\\s+([\\d.]+) x ([\\d.]+) pts"), QRegularExpression::MultilineOption)
            .match(text);
    if (size.hasMatch())
        info.pageSizePoints = {size.captured(1).toDouble(), size.captured(2).toDouble()};
    return info;
}

QList<PdfWord> pdfWords(const QString &file)
{
    const QString html = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), file, QStringLiteral("-")});
    static const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    QList<PdfWord> words;
    for (const QRegularExpressionMatch &m : word.globalMatch(html)) {
        const QPointF topLeft(m.captured(1).toDouble(), m.captured(2).toDouble());
        const QPointF bottomRight(m.captured(3).toDouble(), m.captured(4).toDouble());
        words.append({m.captured(5), QRectF(topLeft, bottomRight)});
    }
    return words;
}

QImage pdfPageImage(const QString &file, int dotsPerInch)
{
    const QString prefix = file + QStringLiteral("-page");
    run(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(dotsPerInch),
                                     QStringLiteral("-singlefile"), file, prefix});
    return QImage(prefix + QStringLiteral(".png"));
}
