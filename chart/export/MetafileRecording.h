// A chart drawn into a list of metafile drawing operations: a paint device whose engine keeps
// each QPainter primitive in device pixels, with the pen, brush and font it was drawn with. The
// EMF and WMF encoders write the same list.
#pragma once

#include <QImage>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QString>

#include <memory>
#include <vector>

// GDI's pen, brush and font descriptions.
struct MetafilePen
{
    int style = 0; // PS_SOLID 0, PS_DASH 1, PS_DOT 2, PS_DASHDOT 3, PS_DASHDOTDOT 4, PS_NULL 5
    int width = 1;
    QRgb color = 0;
    friend bool operator==(const MetafilePen &, const MetafilePen &) = default;
};

struct MetafileBrush
{
    int style = 0; // BS_SOLID 0, BS_NULL 1, BS_HATCHED 2
    QRgb color = 0;
    int hatch = 0;
    friend bool operator==(const MetafileBrush &, const MetafileBrush &) = default;
};

struct MetafileFont
{
    QString family;
    int height = 12;     // character height in pixels
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int escapement = 0;  // tenths of a degree, counter-clockwise
    friend bool operator==(const MetafileFont &, const MetafileFont &) = default;
};

struct MetafileOp
{
    enum Kind { Polygon, Polyline, Rectangle, Ellipse, Text, Image, Clip, Unclip };
    Kind kind = Polygon;
    MetafilePen pen;
    MetafileBrush brush;
    std::vector<QPoint> points;
    QRect rect;
    // Text: at points[0] (base line, left), with the font, colour and advance of each character.
    QString text;
    MetafileFont font;
    QRgb textColor = 0;
    bool opaqueBack = false;
    QRgb backColor = 0xFFFFFFFF;
    std::vector<int> advances;
    QImage image; // RGB32, drawn into rect
};

struct MetafileRecording
{
    QSize size;
    std::vector<MetafileOp> ops;
};

class MetafileDevice : public QPaintDevice
{
public:
    explicit MetafileDevice(QSize size);
    ~MetafileDevice() override;

    QPaintEngine *paintEngine() const override;
    const MetafileRecording &recording() const { return m_recording; }

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    MetafileRecording m_recording;
    std::unique_ptr<QPaintEngine> m_engine;
};
