// The GUI library's font: name, size in points (negative: pixel height), style, colour.
#pragma once

#include "PlotTypes.h"

#include <QFont>
#include <QObject>

#include <optional>

class TFont : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString Name READ Name WRITE SetName NOTIFY changed)
    Q_PROPERTY(int Size READ Size WRITE SetSize NOTIFY changed)
    Q_PROPERTY(PlotEnums::TFontStyles Style READ Style WRITE SetStyle NOTIFY changed)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor NOTIFY changed)
    Q_PROPERTY(int Charset READ Charset WRITE SetCharset NOTIFY changed)
public:
    explicit TFont(QObject *parent = nullptr);

    QString Name() const { return m_name; }
    void SetName(const QString &value);
    int Size() const { return m_size; }
    void SetSize(int value);
    // Pixel height, negative as the platform gives it.
    int Height() const;
    void SetHeight(int value);
    TFontStyles Style() const { return m_style; }
    void SetStyle(TFontStyles value);
    TColor Color() const { return m_color; }
    void SetColor(TColor value);
    int Charset() const { return m_charset; }
    void SetCharset(int value);
    int PixelsPerInch() const { return m_pixelsPerInch; }
    void SetPixelsPerInch(int value);

    virtual void Assign(const TFont &source);

    int pixelSize() const;
    // Built once per change of a value.
    QFont toQFont() const;

Q_SIGNALS:
    void changed();

protected:
    void Changed()
    {
        m_qfont.reset();
        Q_EMIT changed();
    }
    // Copies the font part of source without notifying; true when a value changed.
    bool copyFontValues(const TFont &source);

private:
    QString m_name = QStringLiteral("Arial");
    int m_size = 8;
    TFontStyles m_style;
    TColor m_color = clBlack;
    int m_charset = 1;
    int m_pixelsPerInch = 96;
    mutable std::optional<QFont> m_qfont;
};
