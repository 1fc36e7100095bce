// Pictures by file extension and the loader of image sources: two hooks, empty until a later part
// of the program installs them (the export formats, a host that fetches images).
#pragma once

#include "PlotTypes.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>

class PlotPanelHost;
class TCanvas3D;

// A picture of one registered format, loaded from its file's bytes.
class TGraphic
{
public:
    virtual ~TGraphic() = default;
    // False when the bytes are no picture of this format.
    virtual bool LoadFromData(const QByteArray &data) = 0;
    // The picture as it shows now; for an animated one, its current frame.
    virtual QImage Image() const = 0;
    // Paints into the rectangle, for the panel it shows on (none off screen): an animated picture
    // keeps playing there. The default stretches Image().
    virtual void Draw(TCanvas3D &canvas, const TRect &rect, PlotPanelHost *host);

    // After LoadFromData refused a picture for its size alone: the size its header declares and
    // the most pixels a picture of that kind may have. An empty size otherwise.
    QSize RefusedSize() const { return m_refusedSize; }
    qint64 PixelLimit() const { return m_pixelLimit; }

protected:
    void setRefusedSize(QSize declared = {}, qint64 pixelLimit = 0)
    {
        m_refusedSize = declared;
        m_pixelLimit = pixelLimit;
    }

private:
    QSize m_refusedSize;
    qint64 m_pixelLimit = 0;
};

namespace PlotPictures {

// Given an extension with its dot, upper case (".PNG"), a new empty picture of the format that
// claims it, or none.
using GraphicClassLookup = std::function<std::unique_ptr<TGraphic>(const QString &extension)>;
GraphicClassLookup &PlotGraphicClassForExtension();

// Given an image source as markup names it and an empty buffer, fills the buffer with the
// picture's bytes; 0 on success, any other number when it failed.
using ImageLoader = std::function<int(const QString &source, QByteArray &stream)>;
ImageLoader &PlotImageLoader();

} // namespace PlotPictures
