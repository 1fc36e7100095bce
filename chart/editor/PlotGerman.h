// The library in German: the German language list and the German wording of its message texts.
#pragma once

#include <QStringList>

#include <span>

namespace PlotGerman {

// The German language list, lines "KEY=Text", built on first use from the rows compiled into the
// library; none before.
const QStringList *PlotGermanLanguage();
// Builds the German list once; later calls keep it.
void BuildGermanLanguageList();
// Gives the library's message texts their German wording.
void ApplyGermanMessages();
// Makes German the library's language: the list current, the messages German, hotkeys inside
// the text. It may run many times; the list is built once.
void SelectGermanLanguage();

// The tables of numbered texts a language replaces.
enum class MessageTable { Library, Gallery };

struct GermanMessage
{
    MessageTable table;
    int number;
    const char *text; // UTF-8
};

struct EnglishMessage
{
    MessageTable table;
    int number;
    const char *reason;
};

// The German texts, one entry per number, in the order of the English tables.
std::span<const GermanMessage> germanMessages();
// The numbers that keep their English text, each with the reason.
std::span<const EnglishMessage> englishMessages();

} // namespace PlotGerman
