// Translation of the library's forms into the current language: the walk over a form, one
// caption, the lookup in the language list, and the globals that select the language.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QObject;

namespace PlotTranslate {

// The list of the current language, lines "KEY=Text"; none while the library speaks English.
inline const QStringList *PlotCurrentLanguage = nullptr;
// When set, a translated caption carries its hotkey in parentheses after it: "Schließen(&C)".
inline bool PlotHotkeyAfterText = false;

// A widget whose texts are the user's (a series list, a source list) carries this property set
// to true: the walk leaves it and everything in it alone.
inline constexpr char kUserTextsProperty[] = "plotUserTexts";
// A combo box whose items are kept sorted carries this property set to true.
inline constexpr char kSortedProperty[] = "plotSorted";
// A list item whose data under this role is true keeps its text (a name whose word the language
// list translates in another sense).
inline constexpr int kKeepTextRole = Qt::UserRole + 0x7000;

// The translation hook: translates the form's fixed texts (caption, labels, buttons, group titles,
// fixed-choice items, tabs, menus and hints), leaving out the objects in except and their
// contents. Nothing happens without a current language.
void TranslateControlTexts(QObject *control, const QList<QObject *> &except);
// Translates one caption in place; usedHotkeys collects the hotkey letters given out so far on
// the form. True when the text was replaced.
bool TranslateCaptionText(QString &text, QString &usedHotkeys);
// The text of the first line of the current language whose key is key; empty when none.
QString LookupLanguageText(const QString &key);

} // namespace PlotTranslate
