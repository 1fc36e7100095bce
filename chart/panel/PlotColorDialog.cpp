// Colour dialog with custom colours kept for the run.
#include "PlotColorDialog.h"

#include "PlotColor.h"

#include <QColorDialog>

namespace PlotColorDialog {

namespace {

std::optional<TColor> showQtDialog(QWidget *owner, TColor color, QList<QColor> &customColors)
{
    for (int i = 0; i < QColorDialog::customCount() && i < customColors.size(); ++i)
        QColorDialog::setCustomColor(i, customColors.at(i));
    QColorDialog dialog(PlotColor::toQColor(color), owner);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    customColors.clear();
    for (int i = 0; i < QColorDialog::customCount(); ++i)
        customColors << QColorDialog::customColor(i);
    return PlotColor::fromQRgb(dialog.selectedColor().rgb());
}

} // namespace

Hook &DialogHook()
{
    static Hook hook;
    return hook;
}

QList<QColor> &CustomColors()
{
    static QList<QColor> colors;
    return colors;
}

TColor EditColor(QWidget *owner, TColor color)
{
    // The dialog edits a copy: custom colours of a cancelled dialog are not kept.
    QList<QColor> custom = CustomColors();
    const std::optional<TColor> chosen = DialogHook() ? DialogHook()(owner, color, custom)
                                                      : showQtDialog(owner, color, custom);
    if (!chosen)
        return color;
    CustomColors() = custom;
    return *chosen;
}

bool EditColorDialog(QWidget *owner, TColor &color)
{
    const TColor chosen = EditColor(owner, color);
    if (chosen == color)
        return false;
    color = chosen;
    return true;
}

} // namespace PlotColorDialog
