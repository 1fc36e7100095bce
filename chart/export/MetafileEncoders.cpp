// EMF and WMF records. The object bookkeeping (pens, brushes and fonts made, selected, freed,
// and selected again after a clip is undone) is shared; the records differ.
#include "MetafileEncoders.h"

#include "BmpWriter.h"
#include "Cp1252.h"

#include <QtEndian>

#include <algorithm>
#include <optional>

namespace {

class Bytes
{
public:
    void u8(int v) { m_data.append(char(quint8(v))); }
    void u16(int v)
    {
        char b[2];
        qToLittleEndian(quint16(v), b);
        m_data.append(b, 2);
    }
    void u32(qint64 v)
    {
        char b[4];
        qToLittleEndian(quint32(v), b);
        m_data.append(b, 4);
    }
    void bytes(const QByteArray &b) { m_data.append(b); }
    void padTo(int multiple)
    {
        while (m_data.size() % multiple)
            m_data.append('\0');
    }
    qsizetype size() const { return m_data.size(); }
    QByteArray &data() { return m_data; }

private:
    QByteArray m_data;
};

quint32 colorRef(QRgb c)
{
    return quint32(qRed(c)) | quint32(qGreen(c)) << 8 | quint32(qBlue(c)) << 16;
}

// Handles of made objects and what is selected; the encoders write the records.
class ObjectBook
{
public:
    virtual ~ObjectBook() = default;

protected:
    enum Slot { PenSlot, BrushSlot, FontSlot };
    virtual void createPen(int handle, const MetafilePen &pen) = 0;
    virtual void createBrush(int handle, const MetafileBrush &brush) = 0;
    virtual void createFont(int handle, const MetafileFont &font) = 0;
    virtual void selectObject(int handle) = 0;
    virtual void deleteObject(int handle) = 0;

    void usePen(const MetafilePen &pen) { use(PenSlot, m_pen, pen, [&](int h) { createPen(h, pen); }); }
    void useBrush(const MetafileBrush &brush) { use(BrushSlot, m_brush, brush, [&](int h) { createBrush(h, brush); }); }
    void useFont(const MetafileFont &font) { use(FontSlot, m_font, font, [&](int h) { createFont(h, font); }); }
    // A restored device context has the objects of its save selected: select ours again on use.
    void afterRestore() { m_reselect = {true, true, true}; }
    int handleCount() const { return int(m_used.size()); }
    virtual int firstHandle() const = 0;

private:
    // Selects an object of that value: the current one again after a restore, else a new one.
    template <class Value, class Make>
    void use(int slot, std::optional<Value> &current, const Value &value, Make make)
    {
        if (current && *current == value) {
            if (m_reselect[slot])
                selectObject(m_handles[slot]);
        } else {
            replace(slot, make);
            current = value;
        }
        m_reselect[slot] = false;
    }

    template <class Make>
    void replace(int slot, Make make)
    {
        const int handle = allocate();
        make(handle);
        selectObject(handle);
        if (m_handles[slot] >= 0) {
            deleteObject(m_handles[slot]);
            m_used[std::size_t(m_handles[slot] - firstHandle())] = false;
        }
        m_handles[slot] = handle;
    }
    // The lowest free handle: WMF objects take the lowest free place of the object table.
    int allocate()
    {
        const auto it = std::find(m_used.begin(), m_used.end(), false);
        if (it != m_used.end()) {
            *it = true;
            return firstHandle() + int(it - m_used.begin());
        }
        m_used.push_back(true);
        return firstHandle() + int(m_used.size()) - 1;
    }

    std::optional<MetafilePen> m_pen;
    std::optional<MetafileBrush> m_brush;
    std::optional<MetafileFont> m_font;
    std::array<int, 3> m_handles{-1, -1, -1};
    std::array<bool, 3> m_reselect{false, false, false};
    std::vector<bool> m_used;
};

// Walks the operations once; the state records (text colour, back mode, clipping) are shared.
class MetafileEncoder : public ObjectBook
{
public:
    void encode(const MetafileRecording &recording)
    {
        m_size = recording.size;
        begin();
        setTextAlign(24); // TA_BASELINE | TA_LEFT
        setBackMode(1);
        m_opaque = false;
        for (const MetafileOp &op : recording.ops) {
            switch (op.kind) {
            case MetafileOp::Unclip:
                if (m_clipped) {
                    restoreDC();
                    afterRestore();
                    m_clipped = false;
                }
                break;
            case MetafileOp::Clip:
                saveDC();
                intersectClip(op.rect);
                m_clipped = true;
                break;
            case MetafileOp::Polyline:
                usePen(op.pen);
                useBackMode(op.pen.style == 0 || op.pen.style == 5);
                polyline(op.points);
                break;
            case MetafileOp::Polygon:
            case MetafileOp::Rectangle:
            case MetafileOp::Ellipse:
                usePen(op.pen);
                useBrush(op.brush);
                useBackMode(op.brush.style != 2 && (op.pen.style == 0 || op.pen.style == 5));
                if (op.kind == MetafileOp::Polygon)
                    polygon(op.points);
                else
                    shape(op.kind == MetafileOp::Ellipse, op.rect);
                break;
            case MetafileOp::Text:
                useFont(op.font);
                if (m_textColor != op.textColor)
                    setTextColor(*(m_textColor = op.textColor));
                useBackMode(op.opaqueBack);
                if (op.opaqueBack && m_backColor != op.backColor)
                    setBackColor(*(m_backColor = op.backColor));
                text(op.points.front(), op.text, op.advances);
                break;
            case MetafileOp::Image:
                image(op.rect, op.image);
                break;
            }
        }
        if (m_clipped)
            restoreDC();
        finish();
    }

protected:
    virtual void begin() = 0;
    virtual void finish() = 0;
    virtual void setTextAlign(int align) = 0;
    virtual void setBackMode(int mode) = 0;
    virtual void setTextColor(QRgb color) = 0;
    virtual void setBackColor(QRgb color) = 0;
    virtual void saveDC() = 0;
    virtual void restoreDC() = 0;
    virtual void intersectClip(const QRect &rect) = 0;
    virtual void polyline(const std::vector<QPoint> &points) = 0;
    virtual void polygon(const std::vector<QPoint> &points) = 0;
    virtual void shape(bool ellipse, const QRect &rect) = 0;
    virtual void text(QPoint at, const QString &text, const std::vector<int> &advances) = 0;
    virtual void image(const QRect &rect, const QImage &image) = 0;

    // The back mode only shows in hatches, pen dashes and text backs, so solid shapes are drawn in
    // opaque mode: libwmf draws the fills of transparent mode half transparent.
    void useBackMode(bool opaque)
    {
        if (opaque != m_opaque) {
            m_opaque = opaque;
            setBackMode(opaque ? 2 : 1);
        }
    }

    // A 24-bit DIB: the info header and the rows, as in a BMP file without its file header.
    static QByteArray dib(const QImage &image) { return encodeBmp(image, BmpDepth::Bits24).mid(14); }

    QSize m_size;

private:
    bool m_clipped = false;
    bool m_opaque = false;
    std::optional<QRgb> m_textColor;
    std::optional<QRgb> m_backColor;
};

class EmfEncoder : public MetafileEncoder
{
public:
    QByteArray result() { return m_out.data(); }

protected:
    int firstHandle() const override { return 1; } // 0 is the metafile itself

    void record(int type, const QByteArray &payload)
    {
        m_out.u32(type);
        m_out.u32(8 + payload.size());
        m_out.bytes(payload);
        ++m_records;
    }
    static void rect(Bytes &b, const QRect &r)
    {
        b.u32(r.left());
        b.u32(r.top());
        b.u32(r.left() + r.width());
        b.u32(r.top() + r.height());
    }

    void begin() override
    {
        m_out.bytes(QByteArray(108, '\0')); // the header, filled in at the end
        m_records = 1;
    }
    void finish() override
    {
        Bytes eof;
        eof.u32(0);
        eof.u32(16);
        eof.u32(20);
        record(14, eof.data());
        Bytes h;
        h.u32(1);
        h.u32(108);
        const int w = m_size.width(), ht = m_size.height();
        h.u32(0); h.u32(0); h.u32(w); h.u32(ht); // bounds in pixels: converters take right - left as the width
        h.u32(0); h.u32(0); h.u32((w * 2540 + 95) / 96); h.u32((ht * 2540 + 95) / 96); // frame, 0.01 mm, rounded up
        h.u32(0x464D4520);                                              // " EMF"
        h.u32(0x10000);
        h.u32(m_out.size());
        h.u32(m_records);
        h.u16(handleCount() + 1);
        h.u16(0);
        h.u32(0); h.u32(0); h.u32(0);            // description, palette
        h.u32(w); h.u32(ht);                     // reference device, pixels
        h.u32(w * 254 / 960); h.u32(ht * 254 / 960); // and millimetres
        h.u32(0); h.u32(0); h.u32(0);            // pixel format, OpenGL
        h.u32(w * 25400 / 96); h.u32(ht * 25400 / 96); // micrometres
        std::copy(h.data().begin(), h.data().end(), m_out.data().begin());
    }
    void createPen(int handle, const MetafilePen &pen) override
    {
        Bytes b;
        b.u32(handle);
        b.u32(pen.style);
        b.u32(pen.width);
        b.u32(0);
        b.u32(colorRef(pen.color));
        record(38, b.data());
    }
    void createBrush(int handle, const MetafileBrush &brush) override
    {
        Bytes b;
        b.u32(handle);
        b.u32(brush.style);
        b.u32(colorRef(brush.color));
        b.u32(brush.hatch);
        record(39, b.data());
    }
    void createFont(int handle, const MetafileFont &font) override
    {
        Bytes b;
        b.u32(handle);
        b.u32(-font.height);
        b.u32(0);
        b.u32(font.escapement);
        b.u32(font.escapement);
        b.u32(font.weight);
        b.u8(font.italic);
        b.u8(font.underline);
        b.u8(font.strikeOut);
        b.u8(1); // DEFAULT_CHARSET
        b.u8(0);
        b.u8(0);
        b.u8(0);
        b.u8(0);
        const QString face = font.family.left(31);
        for (int i = 0; i < 32; ++i)
            b.u16(i < face.size() ? face[i].unicode() : 0);
        record(82, b.data());
    }
    void selectObject(int handle) override { record(37, int32(handle)); }
    void deleteObject(int handle) override { record(40, int32(handle)); }
    void setTextAlign(int align) override { record(22, int32(align)); }
    void setBackMode(int mode) override { record(18, int32(mode)); }
    void setTextColor(QRgb color) override { record(24, int32(colorRef(color))); }
    void setBackColor(QRgb color) override { record(25, int32(colorRef(color))); }
    void saveDC() override { record(33, {}); }
    void restoreDC() override { record(34, int32(-1)); }
    void intersectClip(const QRect &r) override
    {
        Bytes b;
        rect(b, r);
        record(30, b.data());
    }
    void points(int type16, int type32, const std::vector<QPoint> &pts)
    {
        const bool small = std::all_of(pts.begin(), pts.end(), [](QPoint p) {
            return p.x() >= -32768 && p.x() <= 32767 && p.y() >= -32768 && p.y() <= 32767;
        });
        QRect bounds;
        for (const QPoint &p : pts)
            bounds |= QRect(p, QSize(1, 1));
        Bytes b;
        b.u32(bounds.left());
        b.u32(bounds.top());
        b.u32(bounds.right());
        b.u32(bounds.bottom());
        b.u32(qint64(pts.size()));
        for (const QPoint &p : pts) {
            if (small) {
                b.u16(p.x());
                b.u16(p.y());
            } else {
                b.u32(p.x());
                b.u32(p.y());
            }
        }
        b.padTo(4);
        record(small ? type16 : type32, b.data());
    }
    void polyline(const std::vector<QPoint> &pts) override { points(87, 4, pts); }
    void polygon(const std::vector<QPoint> &pts) override { points(86, 3, pts); }
    void shape(bool ellipse, const QRect &r) override
    {
        Bytes b;
        rect(b, r);
        record(ellipse ? 42 : 43, b.data());
    }
    void text(QPoint at, const QString &text, const std::vector<int> &advances) override
    {
        const qint64 chars = text.size();
        const qint64 offString = 76;
        const qint64 stringBytes = (chars * 2 + 3) / 4 * 4;
        Bytes b;
        b.u32(at.x()); b.u32(at.y()); b.u32(at.x()); b.u32(at.y()); // bounds (not computed)
        b.u32(1);                     // GM_COMPATIBLE
        b.u32(0); b.u32(0);           // scales
        b.u32(at.x()); b.u32(at.y());
        b.u32(chars);
        b.u32(offString);
        b.u32(0);                     // options
        b.u32(0); b.u32(0); b.u32(-1); b.u32(-1);
        b.u32(offString + stringBytes);
        for (const QChar c : text)
            b.u16(c.unicode());
        b.padTo(4);
        for (qint64 i = 0; i < chars; ++i)
            b.u32(i < qint64(advances.size()) ? advances[std::size_t(i)] : 0);
        record(84, b.data());
    }
    void image(const QRect &r, const QImage &img) override
    {
        const QByteArray bits = dib(img);
        Bytes b;
        rect(b, r);
        b.u32(r.left()); b.u32(r.top());
        b.u32(0); b.u32(0);
        b.u32(img.width()); b.u32(img.height());
        b.u32(80); b.u32(40);                     // the info header after this record's 80 bytes
        b.u32(120); b.u32(bits.size() - 40);      // then the rows
        b.u32(0);                                 // DIB_RGB_COLORS
        b.u32(0x00CC0020);                        // SRCCOPY
        b.u32(r.width()); b.u32(r.height());
        b.bytes(bits);
        b.padTo(4);
        record(81, b.data());
    }

private:
    static QByteArray int32(qint64 v)
    {
        Bytes b;
        b.u32(v);
        return b.data();
    }

    Bytes m_out;
    int m_records = 0;
};

class WmfEncoder : public MetafileEncoder
{
public:
    QByteArray result() { return m_out.data(); }

protected:
    int firstHandle() const override { return 0; }

    static int clamp16(int v) { return std::clamp(v, -32767, 32767); }

    void record(int function, const QByteArray &params)
    {
        const qint64 words = 3 + params.size() / 2;
        m_out.u32(words);
        m_out.u16(function);
        m_out.bytes(params);
        m_maxRecord = std::max(m_maxRecord, words);
    }
    static QByteArray words(std::initializer_list<int> values)
    {
        Bytes b;
        for (int v : values)
            b.u16(v);
        return b.data();
    }

    void begin() override
    {
        m_out.bytes(QByteArray(22 + 18, '\0')); // placeable and META_HEADER, filled in at the end
        record(0x020B, words({0, 0}));                                            // window origin
        record(0x020C, words({clamp16(m_size.height()), clamp16(m_size.width())})); // extent
    }
    void finish() override
    {
        record(0x0000, {});
        Bytes placeable;
        placeable.u32(0x9AC6CDD7);
        placeable.u16(0);
        placeable.u16(0);
        placeable.u16(0);
        placeable.u16(clamp16(m_size.width()));
        placeable.u16(clamp16(m_size.height()));
        placeable.u16(96);
        placeable.u32(0);
        quint16 checksum = 0;
        for (int i = 0; i < 10; ++i)
            checksum ^= qFromLittleEndian<quint16>(placeable.data().constData() + 2 * i);
        placeable.u16(checksum);
        Bytes header;
        header.u16(1);
        header.u16(9);
        header.u16(0x0300);
        header.u32((m_out.size() - 22) / 2);
        header.u16(handleCount());
        header.u32(m_maxRecord);
        header.u16(0);
        const QByteArray front = placeable.data() + header.data();
        std::copy(front.begin(), front.end(), m_out.data().begin());
    }
    void createPen(int, const MetafilePen &pen) override
    {
        Bytes b;
        b.u16(pen.style);
        b.u16(pen.width);
        b.u16(0);
        b.u32(colorRef(pen.color));
        record(0x02FA, b.data());
    }
    void createBrush(int, const MetafileBrush &brush) override
    {
        Bytes b;
        b.u16(brush.style);
        b.u32(colorRef(brush.color));
        b.u16(brush.hatch);
        record(0x02FC, b.data());
    }
    void createFont(int, const MetafileFont &font) override
    {
        Bytes b;
        b.u16(-font.height);
        b.u16(0);
        b.u16(font.escapement);
        b.u16(font.escapement);
        b.u16(font.weight);
        b.u8(font.italic);
        b.u8(font.underline);
        b.u8(font.strikeOut);
        b.u8(0); // ANSI_CHARSET
        b.u8(0);
        b.u8(0);
        b.u8(0);
        b.u8(0);
        QByteArray face = toCp1252(font.family).left(31);
        face.resize(32, '\0');
        b.bytes(face);
        record(0x02FB, b.data());
    }
    void selectObject(int handle) override { record(0x012D, words({handle})); }
    void deleteObject(int handle) override { record(0x01F0, words({handle})); }
    void setTextAlign(int align) override { record(0x012E, words({align})); }
    void setBackMode(int mode) override { record(0x0102, words({mode})); }
    void setTextColor(QRgb color) override
    {
        Bytes b;
        b.u32(colorRef(color));
        record(0x0209, b.data());
    }
    void setBackColor(QRgb color) override
    {
        Bytes b;
        b.u32(colorRef(color));
        record(0x0201, b.data());
    }
    void saveDC() override { record(0x001E, {}); }
    void restoreDC() override { record(0x0127, words({-1})); }
    void intersectClip(const QRect &r) override
    {
        record(0x0416, words({clamp16(r.top() + r.height()), clamp16(r.left() + r.width()), clamp16(r.top()),
                              clamp16(r.left())}));
    }
    void points(int function, const std::vector<QPoint> &pts)
    {
        Bytes b;
        b.u16(int(std::min<std::size_t>(pts.size(), 32767)));
        for (std::size_t i = 0; i < pts.size() && i < 32767; ++i) {
            b.u16(clamp16(pts[i].x()));
            b.u16(clamp16(pts[i].y()));
        }
        record(function, b.data());
    }
    // One record per segment: libwmf's SVG leaves a polyline's fill unset, and SVG readers then
    // fill the area of a longer one in black.
    void polyline(const std::vector<QPoint> &pts) override
    {
        for (std::size_t i = 1; i < pts.size(); ++i)
            points(0x0325, {pts[i - 1], pts[i]});
    }
    void polygon(const std::vector<QPoint> &pts) override { points(0x0324, pts); }
    void shape(bool ellipse, const QRect &r) override
    {
        record(ellipse ? 0x0418 : 0x041B, words({clamp16(r.top() + r.height()), clamp16(r.left() + r.width()),
                                                 clamp16(r.top()), clamp16(r.left())}));
    }
    void text(QPoint at, const QString &text, const std::vector<int> &advances) override
    {
        const QByteArray bytes = toCp1252(text);
        Bytes b;
        b.u16(clamp16(at.y()));
        b.u16(clamp16(at.x()));
        b.u16(int(bytes.size()));
        b.u16(0);
        b.bytes(bytes);
        b.padTo(2);
        for (qsizetype i = 0; i < bytes.size(); ++i)
            b.u16(i < qsizetype(advances.size()) ? advances[std::size_t(i)] : 0);
        record(0x0A32, b.data());
    }
    void image(const QRect &r, const QImage &img) override
    {
        Bytes b;
        b.u32(0x00CC0020); // SRCCOPY
        b.u16(0);          // DIB_RGB_COLORS
        b.u16(img.height());
        b.u16(img.width());
        b.u16(0);
        b.u16(0);
        b.u16(clamp16(r.height()));
        b.u16(clamp16(r.width()));
        b.u16(clamp16(r.top()));
        b.u16(clamp16(r.left()));
        b.bytes(dib(img));
        b.padTo(2);
        record(0x0F43, b.data());
    }

private:
    Bytes m_out;
    qint64 m_maxRecord = 0;
};

} // namespace

QByteArray encodeEmf(const MetafileRecording &recording)
{
    EmfEncoder encoder;
    encoder.encode(recording);
    return encoder.result();
}

QByteArray encodeWmf(const MetafileRecording &recording)
{
    WmfEncoder encoder;
    encoder.encode(recording);
    return encoder.result();
}
