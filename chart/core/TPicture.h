// A picture held by brushes and back images; empty until a graphic is given. A picture given as a
// graphic of a registered format keeps it, so that an animated one plays where the picture is drawn.
#pragma once

#include "PlotTypes.h"

#include <QImage>
#include <QObject>

#include <memory>

class TCanvas3D;
class TGraphic;

class TPicture : public QObject
{
    Q_OBJECT
public:
    explicit TPicture(QObject *parent = nullptr);
    ~TPicture() override;
    // The picture as it shows now: the graphic's current frame, or the image given.
    QImage Graphic() const;
    // Drops a graphic held before.
    void SetGraphic(const QImage &image);
    void SetGraphic(std::shared_ptr<TGraphic> graphic);
    const std::shared_ptr<TGraphic> &SharedGraphic() const { return m_shared; }
    bool IsEmpty() const;
    // Shares the source's graphic.
    void Assign(const TPicture &source);
    // Hands canvas and rectangle to the graphic, with the first panel among this picture's parents;
    // a plain image is stretched.
    void Draw(TCanvas3D &canvas, const TRect &rect) const;
Q_SIGNALS:
    void changed();

private:
    QImage m_graphic;
    std::shared_ptr<TGraphic> m_shared;
};
