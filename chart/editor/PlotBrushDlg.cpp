// Font and picture choices of the editor forms.
#include "PlotBrushDlg.h"

#include "PlotConst.h"
#include "PropertyLimits.h"
#include "RangeValidator.h"
#include "TFont.h"
#include "TPicture.h"
#include "platform/DialogService.h"
#include "platform/MessageService.h"

#include <QApplication>
#include <QFont>
#include <QFontDialog>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QLineEdit>
#include <QTimer>

#include <algorithm>

namespace PlotBrushDlg {

namespace {

// Qt's font dialog drops the keystroke that takes its size past 512 without a word: its size
// field is given our validator, which keeps the typed number, holds it to the sizes a chart can
// lay out and says so.
void sayFontSizeRange()
{
    auto *dialog = qobject_cast<QFontDialog *>(QApplication::activeModalWidget());
    if (!dialog)
        return;
    for (QLineEdit *edit : dialog->findChildren<QLineEdit *>()) {
        const auto *sizes = qobject_cast<const QIntValidator *>(edit->validator());
        if (sizes && !qobject_cast<const RangeValidator *>(sizes))
            edit->setValidator(new RangeValidator(sizes->bottom(), PropertyLimits::kMaxFontPoints, edit));
    }
}

} // namespace

bool EditFont(QWidget *owner, TFont &font)
{
    QFont shown(font.Name());
    if (font.Size() > 0)
        shown.setPointSize(font.Size());
    else
        shown.setPixelSize(std::max(1, font.pixelSize()));
    const TFontStyles style = font.Style();
    shown.setBold(style.testFlag(fsBold));
    shown.setItalic(style.testFlag(fsItalic));
    shown.setUnderline(style.testFlag(fsUnderline));
    shown.setStrikeOut(style.testFlag(fsStrikeOut));

    QTimer::singleShot(0, owner ? static_cast<QObject *>(owner) : qApp, &sayFontSizeRange);
    const std::optional<QFont> chosen = DialogService::instance().chooseFont(owner, shown);
    if (!chosen)
        return false;
    TFontStyles chosenStyle;
    chosenStyle.setFlag(fsBold, chosen->bold());
    chosenStyle.setFlag(fsItalic, chosen->italic());
    chosenStyle.setFlag(fsUnderline, chosen->underline());
    chosenStyle.setFlag(fsStrikeOut, chosen->strikeOut());
    font.SetName(chosen->family());
    if (chosen->pointSize() > 0)
        font.SetSize(chosen->pointSize());
    else if (chosen->pixelSize() > 0)
        font.SetHeight(-chosen->pixelSize());
    font.SetStyle(chosenStyle);
    return true;
}

QString GetPictureFileName(QWidget *owner)
{
    return DialogService::instance().openPictureFile(owner, PlotConst::message(PlotConst::msgPictures));
}

bool LoadPictureFile(const QString &fileName, QImage &image)
{
    // Qt's readers decode the file and refuse pictures beyond their allocation limit, so a
    // header claiming a huge size fails here instead of exhausting memory.
    QImageReader reader(fileName);
    reader.setDecideFormatFromContent(true);
    QImage read = reader.read();
    if (read.isNull()) {
        showMessage(PlotConst::plotFormat(PlotConst::message(PlotConst::msgPictureUnreadable), {fileName}),
                    QGuiApplication::applicationDisplayName(), MbOk | MbIconError);
        return false;
    }
    // Brushes and back images draw from a plain bitmap, whatever the file held.
    image = read.format() == QImage::Format_ARGB32 ? read : read.convertToFormat(QImage::Format_ARGB32);
    return true;
}

void LoadClearPicture(QWidget *owner, TPicture &picture)
{
    if (!picture.IsEmpty()) {
        picture.SetGraphic(QImage());
        return;
    }
    const QString fileName = GetPictureFileName(owner);
    QImage image;
    if (!fileName.isEmpty() && LoadPictureFile(fileName, image))
        picture.SetGraphic(image);
}

} // namespace PlotBrushDlg
