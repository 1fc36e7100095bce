// Line-end normalisation of data sources before they are encrypted.
#include "LineEnds.h"

QByteArray toCrLfLineEnds(const QByteArray &text)
{
    QByteArray result;
    result.reserve(text.size() + text.size() / 16);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text.at(i);
        if (c == '\r') {
            if (i + 1 < text.size() && text.at(i + 1) == '\n')
                ++i;
            result.append("\r\n");
        } else if (c == '\n') {
            result.append("\r\n");
        } else {
            result.append(c);
        }
    }
    return result;
}
