// EMF and WMF pictures (back images, brush pictures, images in chart texts): the metafile format's
// picture class. The file is made SVG by libemf2svg or libwmf and drawn by Qt's SVG renderer.
#pragma once

#include "ImageReaderGraphic.h"
#include "PlotPictures.h"

#include <QByteArray>
#include <QImage>
#include <QSize>

#include <memory>

class QSvgRenderer;

class TMetafileGraphic : public TGraphic
{
public:
    TMetafileGraphic();
    ~TMetafileGraphic() override;

    // Either kind, told by its header. False, with the picture empty, for bytes that are no whole
    // metafile, and for one that declares more pixels than a picture may have (RefusedSize).
    bool LoadFromData(const QByteArray &data) override;
    // At the size the file declares, transparent where it draws nothing; the file's bytes go
    // with it, so a chart file keeps the metafile.
    QImage Image() const override;
    // Drawn afresh at the rectangle's size, not stretched from Image().
    void Draw(TCanvas3D &canvas, const TRect &rect, PlotPanelHost *host) override;

    // The pixels of one drawing, as of a decoded raster picture: 2^25 at 32 bits.
    static constexpr qint64 kMaxPixels = ImageReaderGraphic::kMaxDecodedBytes / 4;

private:
    QImage render(QSize size) const;

    QByteArray m_data;
    QByteArray m_format;
    std::unique_ptr<QSvgRenderer> m_renderer;
    QSize m_size;
    mutable QImage m_image;
    mutable QImage m_drawn; // at the size of the last rectangle drawn into
};

// The metafile format's picture class.
std::unique_ptr<TGraphic> createMetafileGraphic();
