// The German language list and the selection of German.
#include "PlotGerman.h"

#include "PlotConst.h"
#include "PlotProCo.h"
#include "PlotTranslate.h"

#include <QFile>

#include <memory>

namespace PlotGerman {

namespace {

std::unique_ptr<QStringList> &germanList()
{
    static std::unique_ptr<QStringList> list;
    return list;
}

} // namespace

const QStringList *PlotGermanLanguage()
{
    return germanList().get();
}

void BuildGermanLanguageList()
{
    if (germanList())
        return;
    auto list = std::make_unique<QStringList>();
    QFile rows(QStringLiteral(":/plot/language/PlotGerman.txt"));
    if (rows.open(QIODevice::ReadOnly))
        *list = QString::fromUtf8(rows.readAll()).split(u'\n', Qt::SkipEmptyParts);
    germanList() = std::move(list);
}

void ApplyGermanMessages()
{
    for (const GermanMessage &m : germanMessages()) {
        if (m.table == MessageTable::Library)
            PlotConst::setMessage(m.number, QString::fromUtf8(m.text));
        else
            PlotProCo::setText(m.number, QString::fromUtf8(m.text));
    }
}

void SelectGermanLanguage()
{
    BuildGermanLanguageList();
    PlotTranslate::PlotCurrentLanguage = germanList().get();
    ApplyGermanMessages();
    PlotTranslate::PlotHotkeyAfterText = false;
}

} // namespace PlotGerman
