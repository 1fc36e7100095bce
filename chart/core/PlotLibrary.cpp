// Library start: font substitutions and the default font.
#include "PlotLibrary.h"

#include "PlotConst.h"

#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QScreen>

namespace {

struct DefaultFont
{
    QString name;
    int size = 8;
};

DefaultFont &defaultFont()
{
    static DefaultFont font;
    return font;
}

DefaultFont computeDefaultFont()
{
    DefaultFont font{PlotConst::message(PlotConst::msgDefaultFontName),
                     PlotConst::message(PlotConst::msgDefaultFontSize).toInt()};
    if (QLocale::system().language() != QLocale::Japanese || !qGuiApp)
        return font;
    const QFont system = QGuiApplication::font();
    const QScreen *screen = QGuiApplication::primaryScreen();
    const double ppi = screen ? screen->logicalDotsPerInch() : 96.0;
    if (font.size == 8)
        font.size = -int(QFontInfo(system).pixelSize() * 72 / ppi);
    if (font.name == QLatin1String("Arial"))
        font.name = system.family();
    return font;
}

} // namespace

void PlotInstallFontSubstitutions()
{
    for (const auto &[family, substitute] : {std::pair{"Arial", "Liberation Sans"}, std::pair{"Courier New", "Liberation Mono"}}) {
        QFont::removeSubstitutions(QLatin1String(family));
        QFont::insertSubstitution(QLatin1String(family), QLatin1String(substitute));
    }
}

void PlotLibraryStart()
{
    static const bool started = [] {
        PlotInstallFontSubstitutions();
        defaultFont() = computeDefaultFont();
        return true;
    }();
    Q_UNUSED(started);
}

QString PlotDefaultFontName()
{
    PlotLibraryStart();
    return defaultFont().name;
}

int PlotDefaultFontSize()
{
    PlotLibraryStart();
    return defaultFont().size;
}
