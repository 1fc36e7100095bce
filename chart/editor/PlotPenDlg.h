// What every editor form of the library uses: creating a form centred on its owner, embedding a
// form into a page, Yes/No questions, the value-format list, the arrow glyphs, moving list items.
#pragma once

#include <QList>
#include <QMargins>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <memory>

class QComboBox;
class QImage;
class QListWidget;

namespace PlotPenDlg {

// The window of an owner widget; nullptr for no owner or one that is not a widget (a component
// cannot be a widget's parent).
QWidget *EditorOwnerForm(QObject *owner);

// Gives a new form the look of an editor dialog: a dialog window that, each time it shows as a
// window, is centred on its parent's window (else on the screen) and lies wholly on that screen.
void PrepareEditorForm(QWidget &form);

// The available area (without task bars) of the screen at the point, else of the primary screen.
QRect ScreenAreaAt(const QPoint &point);
// The rectangle moved, and shrunk where it is larger, so that it lies wholly in the area.
QRect FitIntoArea(const QRect &rect, const QRect &area);
// The window frame around the client area as Qt reports it; before the window manager has
// framed the window (none reported yet) the frame of the nearest framed window it belongs to.
QMargins WindowFrameMargins(const QWidget &window);
// Places a top-level window so that its frame, title bar and border included, covers the rectangle.
void SetFrameGeometry(QWidget &window, const QRect &frame);
// The window's frame rectangle centred on the rectangle and fitted into the area.
QRect CentredFrame(const QWidget &window, const QRect &around, const QRect &area);

// Creates an editor form of the class, a child of the owner's window. The caller keeps it for a
// shorter time than the owner lives (a modal dialog on the stack of a handler).
template <class Form>
std::unique_ptr<Form> CreateEditorForm(QObject *owner)
{
    auto form = std::make_unique<Form>(EditorOwnerForm(owner));
    PrepareEditorForm(*form);
    return form;
}

// Makes the form a borderless page of the host: no window of its own, the host's background,
// the tag kept in its "Tag" property, placed at left 4 and at most 4 from the top, and shown.
void EmbedForm(QWidget &form, QWidget &host, int tag = 0);

// Shows or hides every control given; absent ones are skipped.
void ShowControls(bool visible, const QList<QWidget *> &controls);

// A Yes/No question; its box is placed at the owner's origin + (20, 30) when an owner is given.
// True for Yes.
bool PlotYesNo(const QString &message, const QWidget *owner = nullptr);
// "Delete <name> ?"
bool PlotYesNoDelete(const QString &name, const QWidget *owner = nullptr);

// Appends the library's value formats, the default one first.
void AddDefaultValueFormats(QStringList &formats);
void AddDefaultValueFormats(QComboBox &combo);

// The up and down glyphs of the move buttons.
void LoadArrowBitmaps(QImage &up, QImage &down);

// Moves the selected items, with their data, to the end of the destination in their order.
void MoveListSelected(QListWidget &source, QListWidget &destination);
// Moves every item, with its data, to the end of the destination.
void MoveListAll(QListWidget &source, QListWidget &destination);

} // namespace PlotPenDlg
