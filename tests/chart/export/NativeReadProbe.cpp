// Reads one native chart file in a process of its own under an address-space limit: what the
// process takes once started (and warmed by reading a small chart), plus the megabytes and the
// bytes per byte of the file given. Exit status: 0 read, 1 refused, 2 out of memory, 3 bad use.
#include "ChartEditorLibrary.h"
#include "ChartLibrary.h"
#include "ExportLibrary.h"
#include "NativeChartFile.h"
#include "PlotException.h"
#include "TChart.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>

#include <malloc.h>
#include <sys/resource.h>

#include <new>

namespace {

qint64 addressSpaceInUse()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmSize:"))
            return line.mid(7).trimmed().split(' ').first().toLongLong() * 1024;
    return -1;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 4)
        return 3;
    registerChartLibrary();
    registerChartEditor();
    registerExportFormats();
    const QString path = QString::fromLocal8Bit(argv[1]);
    const qint64 fixedBytes = QByteArray(argv[2]).toLongLong() * 1024 * 1024;
    const qint64 perByte = QByteArray(argv[3]).toLongLong();
    {
        TChart small;
        ReadChartFromBytes(SaveChartToBytes(small, true, true));
    }
    malloc_trim(0);
    const qint64 inUse = addressSpaceInUse();
    if (inUse <= 0)
        return 3;
    const auto allowed = rlim_t(inUse + fixedBytes + perByte * QFileInfo(path).size());
    const rlimit limit{allowed, allowed};
    if (setrlimit(RLIMIT_AS, &limit) != 0)
        return 3;
    try {
        return ReadChartFromFile(path) ? 0 : 1;
    } catch (const PlotException &) {
        return 1;
    } catch (const std::bad_alloc &) {
        return 2;
    }
}
