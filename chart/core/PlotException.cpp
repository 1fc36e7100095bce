// The library's exception base.
#include "PlotException.h"

PlotException::PlotException(const QString &message)
    : std::runtime_error(message.toUtf8().toStdString())
    , m_message(message)
{
}
