// Base of the parts of a GIF picture that mirror the file: header, frames, extensions and trailer.
#pragma once

#include "GIFTypes.h"

class GIFInput;
class GIFOutput;
class TGIFImage;

class TGIFItem
{
public:
    explicit TGIFItem(TGIFImage *image)
        : m_image(image)
    {
    }
    virtual ~TGIFItem() = default;
    TGIFItem(const TGIFItem &) = delete;
    TGIFItem &operator=(const TGIFItem &) = delete;

    TGIFImage *Image() const { return m_image; }
    // The lowest version of the format that can hold the item.
    virtual TGIFVersion GetVersion() const { return gv87a; }
    // Passed on to the image's warning event.
    virtual void Warning(TGIFSeverity severity, const char *message) const;
    virtual void SaveToStream(GIFOutput &stream) const = 0;
    virtual void LoadFromStream(GIFInput &stream) = 0;

protected:
    TGIFImage *m_image = nullptr;
};
