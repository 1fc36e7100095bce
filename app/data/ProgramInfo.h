// The program's fixed title and version texts.
#pragma once

#include <QString>

inline QString programTitle()
{
    return QStringLiteral("Korvex Tensimo 3.0");
}

inline QString programVersionText()
{
    return QStringLiteral("3.0 - 15.02.2007");
}
