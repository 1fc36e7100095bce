// Translation of the library's forms into the current language.
#include "PlotTranslate.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QCollator>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>

#include <algorithm>

namespace PlotTranslate {

namespace {

bool isAsciiLetterOrDigit(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

QString asciiUpper(const QString &text)
{
    QString upper = text;
    for (QChar &c : upper)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - 32);
    return upper;
}

bool flagged(const QObject *object, const char *property)
{
    return object->property(property).toBool();
}

// One walk over a form: the hotkeys given out and the objects to leave alone.
class FormWalk
{
public:
    explicit FormWalk(const QList<QObject *> &except)
        : m_except(except)
    {
    }

    // Sets the text through the setter when its translation differs.
    template <class Setter>
    bool translate(const QString &text, Setter set)
    {
        QString translated = text;
        if (!TranslateCaptionText(translated, m_usedHotkeys) || translated == text)
            return false;
        set(translated);
        return true;
    }

    void walkChildren(QObject *parent)
    {
        for (QObject *child : parent->children()) {
            if (m_except.contains(child) || flagged(child, kUserTextsProperty))
                continue;
            translateObject(child);
            if (!isComposite(child))
                walkChildren(child);
        }
    }

    void translateObject(QObject *object)
    {
        const QSignalBlocker blocker(object);
        translateTexts(object);
    }

private:
    // Widgets whose inner objects are their own machinery (a combo's line edit and list, a spin
    // box's edit) or the user's data.
    static bool isComposite(const QObject *object)
    {
        return qobject_cast<const QComboBox *>(object) || qobject_cast<const QAbstractSpinBox *>(object) ||
               qobject_cast<const QAbstractItemView *>(object) || qobject_cast<const QLineEdit *>(object) ||
               qobject_cast<const QTextEdit *>(object) || qobject_cast<const QPlainTextEdit *>(object) ||
               qobject_cast<const QTabBar *>(object);
    }

    void translateTexts(QObject *object)
    {
        if (auto *label = qobject_cast<QLabel *>(object)) {
            if (translate(label->text(), [label](const QString &t) { label->setText(t); }))
                label->adjustSize();
        } else if (auto *group = qobject_cast<QGroupBox *>(object)) {
            translate(group->title(), [group](const QString &t) { group->setTitle(t); });
        } else if (auto *button = qobject_cast<QAbstractButton *>(object)) {
            translate(button->text(), [button](const QString &t) { button->setText(t); });
        } else if (auto *combo = qobject_cast<QComboBox *>(object)) {
            if (!combo->isEditable())
                translateCombo(*combo);
        } else if (auto *list = qobject_cast<QListWidget *>(object)) {
            translateList(*list);
        } else if (auto *tabs = qobject_cast<QTabWidget *>(object)) {
            for (int i = 0; i < tabs->count(); ++i)
                translate(tabs->tabText(i), [tabs, i](const QString &t) { tabs->setTabText(i, t); });
        } else if (auto *bar = qobject_cast<QTabBar *>(object)) {
            if (!qobject_cast<QTabWidget *>(bar->parent())) // a tab widget translates its own bar
                for (int i = 0; i < bar->count(); ++i)
                    translate(bar->tabText(i), [bar, i](const QString &t) { bar->setTabText(i, t); });
        } else if (auto *menu = qobject_cast<QMenu *>(object)) {
            translate(menu->title(), [menu](const QString &t) { menu->setTitle(t); });
        } else if (auto *action = qobject_cast<QAction *>(object)) {
            if (!action->isSeparator())
                translate(action->text(), [action](const QString &t) { action->setText(t); });
        }
        if (auto *widget = qobject_cast<QWidget *>(object); widget && !widget->toolTip().isEmpty())
            translate(widget->toolTip(), [widget](const QString &t) { widget->setToolTip(t); });
    }

    // A sorted box keeps the item that was selected; an unsorted one keeps the index.
    void translateCombo(QComboBox &combo)
    {
        const int selected = combo.currentIndex();
        bool changed = false;
        for (int i = 0; i < combo.count(); ++i)
            translate(combo.itemText(i), [&combo, &changed, i](const QString &t) {
                combo.setItemText(i, t);
                changed = true;
            });
        // A box keeps the widths measured on its English items, and a layout short of room
        // squeezed it to them ("Automatisch" showed as "Autom"): one whose items changed measures
        // them again and is never narrower than its longest.
        if (changed && combo.sizeAdjustPolicy() == QComboBox::AdjustToContentsOnFirstShow) {
            combo.setSizeAdjustPolicy(QComboBox::AdjustToContents);
            combo.setMinimumWidth(combo.sizeHint().width());
        }
        if (!flagged(&combo, kSortedProperty)) {
            combo.setCurrentIndex(selected);
            return;
        }
        const QString current = selected >= 0 ? combo.itemText(selected) : QString();
        QList<std::pair<QString, QVariant>> items;
        for (int i = 0; i < combo.count(); ++i)
            items.append({combo.itemText(i), combo.itemData(i)});
        sortByText(items);
        combo.clear();
        for (const auto &[text, data] : items)
            combo.addItem(text, data);
        combo.setCurrentIndex(selected >= 0 ? combo.findText(current) : -1);
    }

    void translateList(QListWidget &list)
    {
        // Qt's own sorting compares code points; a sorted list is ordered by the German collation
        // instead and keeps the mark that it is sorted.
        const bool sorted = list.isSortingEnabled() || flagged(&list, kSortedProperty);
        list.setSortingEnabled(false);
        const int selected = list.currentRow();
        for (int i = 0; i < list.count(); ++i) {
            QListWidgetItem *item = list.item(i);
            if (!item->data(kKeepTextRole).toBool())
                translate(item->text(), [item](const QString &t) { item->setText(t); });
        }
        if (!sorted) {
            list.setCurrentRow(selected);
            return;
        }
        list.setProperty(kSortedProperty, true);
        const QString current = selected >= 0 ? list.item(selected)->text() : QString();
        QList<QListWidgetItem *> items;
        while (list.count() > 0)
            items.append(list.takeItem(0));
        QCollator collator{QLocale(QLocale::German, QLocale::Germany)};
        std::stable_sort(items.begin(), items.end(), [&collator](const QListWidgetItem *a, const QListWidgetItem *b) {
            return collator.compare(a->text(), b->text()) < 0;
        });
        int found = -1;
        for (QListWidgetItem *item : items) {
            if (found < 0 && selected >= 0 && item->text() == current)
                found = list.count();
            list.addItem(item);
        }
        list.setCurrentRow(found);
    }

    static void sortByText(QList<std::pair<QString, QVariant>> &items)
    {
        QCollator collator{QLocale(QLocale::German, QLocale::Germany)};
        std::stable_sort(items.begin(), items.end(),
                         [&collator](const auto &a, const auto &b) { return collator.compare(a.first, b.first) < 0; });
    }

    const QList<QObject *> &m_except;
    QString m_usedHotkeys;
};

} // namespace

QString LookupLanguageText(const QString &key)
{
    if (!PlotCurrentLanguage)
        return {};
    for (const QString &line : *PlotCurrentLanguage) {
        const qsizetype p = line.indexOf(u'=');
        if (p > 0 && QStringView(line).left(p) == key)
            return line.mid(p + 1);
    }
    return {};
}

bool TranslateCaptionText(QString &text, QString &usedHotkeys)
{
    if (text == u"?" || text == u"%" || text == u"0")
        return false;
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) <= u' ')
        ++first;
    while (last > first && text.at(last - 1) <= u' ')
        --last;
    const QString trimmed = text.mid(first, last - first);
    if (trimmed.isEmpty())
        return false;

    // The hotkey marker goes; "&&" stands for one ampersand.
    QString stripped;
    bool hasHotkey = false;
    QChar hotkey;
    for (qsizetype i = 0; i < trimmed.size(); ++i) {
        const QChar c = trimmed.at(i);
        if (c != u'&') {
            stripped.append(c);
        } else if (i + 1 < trimmed.size() && trimmed.at(i + 1) == u'&') {
            stripped.append(c);
            ++i;
        } else if (!hasHotkey) {
            hasHotkey = true;
            hotkey = i + 1 < trimmed.size() ? trimmed.at(i + 1) : QChar();
        }
    }

    QString key = asciiUpper(stripped);
    const bool colon = key.endsWith(u':');
    if (colon)
        key.chop(1);
    const bool dots = key.endsWith(QStringLiteral("..."));
    if (dots)
        key.chop(3);
    QString result = LookupLanguageText(key);
    if (result.isEmpty())
        return false;

    if (hasHotkey && PlotHotkeyAfterText) {
        result += QStringLiteral("(&") + hotkey.toUpper() + u')';
    } else if (hasHotkey) {
        // The first letter or digit that no other caption of the form has taken. Alt+R and
        // Alt+r are one key: a letter taken in either case is taken.
        for (qsizetype i = 0; i < result.size(); ++i) {
            const QChar c = result.at(i);
            if (isAsciiLetterOrDigit(c) && !usedHotkeys.contains(c, Qt::CaseInsensitive)) {
                usedHotkeys.append(c);
                result.insert(i, u'&');
                break;
            }
        }
    }
    if (dots)
        result += QStringLiteral("...");
    if (colon)
        result += u':';
    text = result;
    return true;
}

void TranslateControlTexts(QObject *control, const QList<QObject *> &except)
{
    if (!PlotCurrentLanguage || !control)
        return;
    FormWalk walk(except);
    if (auto *form = qobject_cast<QWidget *>(control)) {
        const QSignalBlocker blocker(form);
        walk.translate(form->windowTitle(), [form](const QString &t) { form->setWindowTitle(t); });
    }
    // The control's own texts too: a tab widget handed in alone has its tab titles translated.
    walk.translateObject(control);
    walk.walkChildren(control);
}

} // namespace PlotTranslate
