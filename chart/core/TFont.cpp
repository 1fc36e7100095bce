// Font values and their Qt form.
#include "TFont.h"

#include "PlotRound.h"

#include <algorithm>
#include <cstdlib>

TFont::TFont(QObject *parent)
    : QObject(parent)
{
}

void TFont::SetName(const QString &value)
{
    if (value == m_name)
        return;
    m_name = value;
    Changed();
}

void TFont::SetSize(int value)
{
    if (value == m_size)
        return;
    m_size = value;
    Changed();
}

int TFont::Height() const
{
    return m_size < 0 ? m_size : -mulDiv(m_size, m_pixelsPerInch, 72);
}

void TFont::SetHeight(int value)
{
    SetSize(value < 0 ? mulDiv(-value, 72, m_pixelsPerInch) : -value);
}

void TFont::SetStyle(TFontStyles value)
{
    if (value == m_style)
        return;
    m_style = value;
    Changed();
}

void TFont::SetColor(TColor value)
{
    if (value == m_color)
        return;
    m_color = value;
    Changed();
}

void TFont::SetCharset(int value)
{
    if (value == m_charset)
        return;
    m_charset = value;
    Changed();
}

bool TFont::copyFontValues(const TFont &source)
{
    if (m_name == source.m_name && m_size == source.m_size && m_style == source.m_style
        && m_color == source.m_color && m_charset == source.m_charset
        && m_pixelsPerInch == source.m_pixelsPerInch)
        return false;
    m_name = source.m_name;
    m_size = source.m_size;
    m_style = source.m_style;
    m_color = source.m_color;
    m_charset = source.m_charset;
    m_pixelsPerInch = source.m_pixelsPerInch;
    return true;
}

void TFont::Assign(const TFont &source)
{
    if (&source != this && copyFontValues(source))
        Changed();
}

int TFont::pixelSize() const
{
    return std::max(1, std::abs(Height()));
}

void TFont::SetPixelsPerInch(int value)
{
    if (value == m_pixelsPerInch)
        return;
    m_pixelsPerInch = value;
    Changed();
}

QFont TFont::toQFont() const
{
    if (m_qfont)
        return *m_qfont;
    QFont &font = m_qfont.emplace(m_name);
    font.setPixelSize(pixelSize());
    font.setBold(m_style.testFlag(fsBold));
    font.setItalic(m_style.testFlag(fsItalic));
    font.setUnderline(m_style.testFlag(fsUnderline));
    font.setStrikeOut(m_style.testFlag(fsStrikeOut));
    return font;
}
