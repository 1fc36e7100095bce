// Qt's own texts in the program's language.
#include "platform/QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

bool installQtTranslation(QChar languageLetter, QObject *owner)
{
    QString language;
    switch (languageLetter.unicode()) {
    case u'D':
        language = QStringLiteral("de");
        break;
    case u'F':
        language = QStringLiteral("fr");
        break;
    case u'H':
        language = QStringLiteral("nl");
        break;
    default:
        return false;
    }
    // Debian's qt6-translations-l10n.
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    // The owner's child: a destroyed translator leaves the application by itself.
    translator->setParent(owner);
    return QCoreApplication::installTranslator(translator.release());
}
