// libFuzzer target: the demo chart's text form with one property line given an extreme value.
// Input: two bytes pick the line (one the text has, or a number of the demo chart the writer
// walks, whose line is added when the text leaves it out), one byte the value (below 128 one of
// the table's, else the rest of the input as it is). The chart is read and drawn on a 400 x 300
// picture. With TENSIMO_VALUES_OUT set, the file made from the input is written there first (to
// keep a finding).
#include "NativeFuzzSupport.h"
#include "NativeValueCases.h"

#include <QFile>

#include <cstddef>
#include <cstdint>

namespace {

QByteArray demoText;
QList<int> lines;
QList<NativeValueCases::NumericProperty> numbers;

const QList<QByteArray> &values()
{
    static const QList<QByteArray> table = [] {
        QList<QByteArray> v = NativeValueCases::extremeValues();
        v << "1e308" << "-1e308" << "1.0e308" << "-1.0e308" << "NaN" << "+nan" << "+inf" << "-inf"
          << QByteArray(400, '9') << '-' + QByteArray(400, '9') << "0." + QByteArray(400, '1')
          << QByteArray(20, '9') << "4294967296" << "9223372036854775807" << "";
        return v;
    }();
    return table;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    startChartLibraries(argc, argv);
    demoText = NativeValueCases::demoChartText();
    lines = NativeValueCases::propertyLines(demoText);
    numbers = NativeValueCases::demoNumericProperties();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 3 || lines.size() + numbers.size() == 0)
        return 0;
    const qsizetype pick = (data[0] | data[1] << 8) % (lines.size() + numbers.size());
    const QByteArray value = data[2] < 128 ? values()[data[2] % values().size()]
                                           : QByteArray(reinterpret_cast<const char *>(data + 3), qsizetype(size - 3));
    const QByteArray bytes = pick < lines.size()
                                 ? NativeValueCases::withLineValue(demoText, lines[pick], value)
                                 : NativeValueCases::withValue(demoText, numbers[pick - lines.size()], value);
    if (const QByteArray out = qgetenv("TENSIMO_VALUES_OUT"); !out.isEmpty()) {
        QFile file(QString::fromLocal8Bit(out));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }
    readAndDrawChecked(bytes);
    return 0;
}
