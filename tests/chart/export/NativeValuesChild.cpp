// Reads each native chart file named on the command line and draws it at 400 x 300 offscreen,
// within 2 GB of address space. Per file it writes "start N" and then "drawn N", "refused N
// MESSAGE" (the reader's ChartException) or "error N MESSAGE" (any other exception) to stdout, so
// that the test running it can tell which file crashed or hung it.
#include "ChartEditorLibrary.h"
#include "ChartLibrary.h"
#include "ExportLibrary.h"
#include "NativeChartFile.h"
#include "PlotExceptions.h"
#include "TCustomChart.h"

#include <QApplication>
#include <QImage>

#include <sys/resource.h>

#include <cstdio>
#include <exception>
#include <memory>

namespace {

// AddressSanitizer reserves terabytes of address space for its shadow memory: there the limit
// would stop the program before it starts, and the sanitizer bounds allocations itself.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kLimitAddressSpace = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kLimitAddressSpace = false;
#else
constexpr bool kLimitAddressSpace = true;
#endif
#else
constexpr bool kLimitAddressSpace = true;
#endif

constexpr rlim_t kAddressSpaceBytes = rlim_t(2) << 30;

void report(const char *kind, int index, const QString &message = {})
{
    QString line = message;
    line.replace(u'\r', QStringLiteral(" | ")).replace(u'\n', QStringLiteral(" | "));
    std::printf("%s %d %s\n", kind, index, line.toUtf8().constData());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    if (kLimitAddressSpace) {
        const rlimit limit{kAddressSpaceBytes, kAddressSpaceBytes};
        if (setrlimit(RLIMIT_AS, &limit) != 0) {
            std::perror("setrlimit");
            return 2;
        }
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    registerChartLibrary();
    registerChartEditor();
    registerExportFormats();
    const QStringList files = app.arguments().mid(1);
    for (int i = 0; i < files.size(); ++i) {
        report("start", i);
        try {
            const std::unique_ptr<TCustomChart> chart = ReadChartFromFile(files[i]);
            chart->setGeometry(0, 0, 400, 300);
            const QImage image = chart->CreateBitmap(clWhite, chart->GetRectangle());
            report(image.isNull() ? "error" : "drawn", i);
        } catch (const ChartException &e) {
            report("refused", i, e.message());
        } catch (const PlotException &e) {
            report("error", i, e.message());
        } catch (const std::exception &e) {
            report("error", i, QString::fromLocal8Bit(e.what()));
        }
    }
    return 0;
}
