// Qt's own texts (the Yes and No buttons of the question boxes, the print dialog) in the
// program's language.
#pragma once

#include <QChar>

class QObject;

// Installs Qt's translation for the language letter ('D' German, 'F' French, 'H' Dutch; Qt's own
// texts are English) for as long as the owner lives. The letter decides, not the system's
// locale. False when the translation is not installed on this machine (the texts stay English).
bool installQtTranslation(QChar languageLetter, QObject *owner);
