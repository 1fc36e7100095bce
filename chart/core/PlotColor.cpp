// Colour conversions and the fixed system-colour table.
#include "PlotColor.h"

#include "PlotException.h"

#include <algorithm>
#include <limits>

namespace PlotColor {

namespace {

// A fixed table keeps pictures identical on every desktop theme.
TColor systemColor(int index)
{
    switch (index) {
    case 5: return 0xFFFFFF;  // window
    case 8: return 0x000000;  // window text
    case 15: return 0xF0F0F0; // button face
    case 16: return 0xA0A0A0; // button shadow
    case 20: return 0xFFFFFF; // button highlight
    case 21: return 0x696969; // 3D dark shadow
    case 22: return 0xE3E3E3; // 3D light
    case 24: return 0xE1FFFF; // info background
    default: return 0x000000;
    }
}

int clampByte(int v) { return std::clamp(v, 0, 255); }

} // namespace

TColor ColorToRGB(TColor color)
{
    if (color & 0x80000000u)
        return systemColor(int(color & 0xFF));
    return color & 0x00FFFFFFu;
}

QColor toQColor(TColor color)
{
    const TColor c = ColorToRGB(color);
    return QColor(redOf(c), greenOf(c), blueOf(c));
}

QRgb toQRgb(TColor color)
{
    const TColor c = ColorToRGB(color);
    return qRgb(redOf(c), greenOf(c), blueOf(c));
}

TColor fromQRgb(QRgb rgb)
{
    return makeColor(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

TColor lighten(TColor color, int amount)
{
    const TColor c = ColorToRGB(color);
    return makeColor(clampByte(redOf(c) + amount), clampByte(greenOf(c) + amount), clampByte(blueOf(c) + amount));
}

TColor darken(TColor color, int amount)
{
    return lighten(color, -amount);
}

TColor grey(TColor color)
{
    const TColor c = ColorToRGB(color);
    const int g = (redOf(c) + greenOf(c) + blueOf(c)) / 3;
    return makeColor(g, g, g);
}

namespace {

struct NamedColor
{
    const char *name;
    TColor color;
};

constexpr NamedColor kNamedColors[] = {
    {"clBlack", clBlack}, {"clMaroon", clMaroon}, {"clGreen", clGreen}, {"clOlive", clOlive},
    {"clNavy", clNavy}, {"clPurple", clPurple}, {"clTeal", clTeal}, {"clGray", clGray},
    {"clSilver", clSilver}, {"clRed", clRed}, {"clLime", clLime}, {"clYellow", clYellow},
    {"clBlue", clBlue}, {"clFuchsia", clFuchsia}, {"clAqua", clAqua}, {"clWhite", clWhite},
    {"clNone", clNone}, {"clDefault", clDefault}, {"clBtnFace", clBtnFace}, {"clBtnShadow", clBtnShadow},
    {"clBtnHighlight", clBtnHighlight}, {"cl3DDkShadow", cl3DDkShadow}, {"cl3DLight", cl3DLight},
    {"clInfoBk", clInfoBk}, {"clWindow", clWindow}, {"clWindowText", clWindowText},
};

} // namespace

TColor StringToColor(const QString &text)
{
    const QString t = text.trimmed();
    for (const NamedColor &named : kNamedColors)
        if (t.compare(QLatin1String(named.name), Qt::CaseInsensitive) == 0)
            return named.color;
    bool ok = false;
    const qlonglong value = t.startsWith(QLatin1Char('$')) ? t.mid(1).toLongLong(&ok, 16) : t.toLongLong(&ok, 10);
    // 32 bits either way: system colours are written as negative numbers.
    if (!ok || value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::uint32_t>::max())
        throw PlotConvertError(QStringLiteral("Unknown colour: ") + text);
    return TColor(std::uint32_t(value));
}

} // namespace PlotColor
