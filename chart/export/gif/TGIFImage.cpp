// GIF picture: file reading and writing, assignment, clipboard.
#include "TGIFImage.h"

#include "GIFException.h"
#include "GIFInput.h"
#include "GIFOutput.h"
#include "GIFPalettes.h"
#include "GIFText.h"
#include "TGIFExtension.h"

#include <QBuffer>
#include <QByteArray>
#include <QClipboard>
#include <QFile>
#include <QImage>
#include <QMimeData>

#include <algorithm>

void TGIFItem::Warning(TGIFSeverity severity, const char *message) const
{
    if (m_image)
        m_image->Warning(severity, message);
}

TGIFImage::TGIFImage()
    : m_header(this)
{
}

TGIFImage::~TGIFImage()
{
    // Frames report their pixels back; let them do it while the image is whole.
    m_frames.clear();
}

void TGIFImage::Warning(TGIFSeverity severity, const char *message)
{
    if (m_onWarning)
        m_onWarning(*this, severity, QString::fromLatin1(message));
}

void TGIFImage::Progress(TProgressStage stage, int percent, const char *message)
{
    if (m_onProgress)
        m_onProgress(*this, stage, percent, QString::fromLatin1(message));
}

void TGIFImage::ReservePixels(std::int64_t newCount, std::int64_t oldCount)
{
    const std::int64_t total = m_totalPixels - oldCount + newCount;
    if (total > kGIFMaxImagePixels)
        throw GIFException(GIFText::ImageTooLarge);
    m_totalPixels = total;
}

void TGIFImage::ReleasePixels(std::int64_t count)
{
    m_totalPixels = std::max<std::int64_t>(0, m_totalPixels - count);
}

void TGIFImage::CoverFrame(std::int64_t right, std::int64_t bottom)
{
    const bool hadSize = m_header.Width() > 0 || m_header.Height() > 0;
    const bool wider = right > m_header.Width();
    const bool taller = bottom > m_header.Height();
    if (!wider && !taller)
        return;
    if (hadSize) {
        if (wider)
            Warning(gsWarning, GIFText::WidthTooSmall);
        if (taller)
            Warning(gsWarning, GIFText::HeightTooSmall);
        Warning(gsWarning, GIFText::ExceedsScreen);
    }
    m_header.SetScreenSize(std::max(right, m_header.Width()), std::max(bottom, m_header.Height()));
}

void TGIFImage::SetWidth(int value)
{
    for (const auto &frame : m_frames)
        if (std::int64_t(frame->Left()) + frame->Width() > value)
            throw GIFException(GIFText::WidthTooSmall);
    m_header.SetScreenSize(value, m_header.Height());
}

void TGIFImage::SetHeight(int value)
{
    for (const auto &frame : m_frames)
        if (std::int64_t(frame->Top()) + frame->Height() > value)
            throw GIFException(GIFText::HeightTooSmall);
    m_header.SetScreenSize(m_header.Width(), value);
}

TGIFVersion TGIFImage::Version() const
{
    if (m_frames.empty())
        return gvUnknown;
    TGIFVersion version = m_header.GetVersion();
    for (const auto &frame : m_frames)
        version = std::max(version, frame->GetVersion());
    return version;
}

int TGIFImage::BitsPerPixel() const
{
    int bits = m_header.ColorMap().BitsPerPixel();
    for (const auto &frame : m_frames)
        bits = std::max(bits, frame->ColorMap().BitsPerPixel());
    return bits;
}

TGIFPalette TGIFImage::Palette() const
{
    if (m_drawOptions & doDither)
        return WebPalette();
    if (m_header.ColorMap().Count() > 0)
        return m_header.ColorMap().ExportPalette();
    if (!m_frames.empty())
        return m_frames.front()->ColorMap().ExportPalette();
    return {};
}

void TGIFImage::OptimizeColorMaps()
{
    if (m_frames.empty())
        return;
    m_header.ColorMap().Optimize();
    for (const auto &frame : m_frames)
        frame->ColorMap().Optimize();
}

void TGIFImage::Clear()
{
    m_frames.clear();
    m_totalPixels = 0;
    m_header.Clear();
}

void TGIFImage::DeleteImage(int index)
{
    if (index >= 0 && index < Count())
        m_frames.erase(m_frames.begin() + index);
}

void TGIFImage::LoadFromData(const std::uint8_t *data, std::int64_t size)
{
    Progress(psStarting, 0, GIFText::Loading);
    bool finished = false;
    try {
        Clear();
        GIFInput stream(data, size);
        m_header.LoadFromStream(stream);
        LoadFrames(stream);
        TGIFTrailer(this).LoadFromStream(stream);
        finished = true;
    } catch (...) {
        Progress(psEnding, 0, GIFText::Loading);
        throw;
    }
    Progress(psEnding, finished ? 100 : 0, GIFText::Loading);
}

void TGIFImage::LoadFrames(GIFInput &stream)
{
    const auto skipZeros = [&stream] {
        while (stream.PeekByte() == 0)
            stream.ReadByte();
    };
    skipZeros();
    for (int next = stream.PeekByte(); next >= 0 && next != bsTrailer; next = stream.PeekByte()) {
        if (next != bsExtensionIntroducer && next != bsImageSeparator) {
            Warning(gsWarning, GIFText::UnknownBlockType);
            break;
        }
        auto frame = std::make_unique<TGIFSubImage>(this);
        frame->LoadFromStream(stream);
        m_frames.push_back(std::move(frame));
        if (stream.Size() > 0)
            Progress(psRunning, int(stream.Position() * 100 / stream.Size()), GIFText::Loading);
        skipZeros();
    }
}

void TGIFImage::LoadFromStream(QIODevice &stream)
{
    // Files are read whole and parsed in memory.
    const QByteArray bytes = stream.readAll();
    LoadFromData(reinterpret_cast<const std::uint8_t *>(bytes.constData()), bytes.size());
}

QByteArray TGIFImage::SaveToData()
{
    Progress(psStarting, 0, GIFText::Saving);
    GIFOutput stream;
    try {
        m_header.SaveToStream(stream);
        for (int i = 0; i < Count(); ++i) {
            m_frames[std::size_t(i)]->SaveToStream(stream);
            Progress(psRunning, int(std::int64_t(i + 1) * 100 / Count()), GIFText::Saving);
        }
        TGIFTrailer(this).SaveToStream(stream);
    } catch (...) {
        Progress(psEnding, 0, GIFText::Saving);
        throw;
    }
    Progress(psEnding, 100, GIFText::Saving);
    const std::vector<std::uint8_t> &bytes = stream.Bytes();
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size()));
}

void TGIFImage::SaveToStream(QIODevice &stream)
{
    const QByteArray bytes = SaveToData();
    if (stream.write(bytes) != bytes.size())
        throw GIFException(GIFText::InvalidStreamOperation);
}

void TGIFImage::LoadFromFile(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw GIFException(GIFText::InvalidStreamOperation);
    LoadFromStream(file);
}

void TGIFImage::SaveToFile(const QString &fileName)
{
    const QByteArray bytes = SaveToData();
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()
        || !file.flush())
        throw GIFException(GIFText::InvalidStreamOperation);
}

void TGIFImage::Assign(const TGIFImage &source)
{
    if (&source == this)
        return;
    Clear();
    m_header.Assign(source.m_header);
    m_threadPriority = source.m_threadPriority;
    m_drawBackgroundColor = source.m_drawBackgroundColor;
    m_drawOptions = source.m_drawOptions;
    m_colorReduction = source.m_colorReduction;
    m_ditherMode = source.m_ditherMode;
    for (int i = 0; i < source.Count(); ++i) {
        Add(source.Images(i));
        Progress(psRunning, int(std::int64_t(i + 1) * 100 / source.Count()), GIFText::Copying);
    }
}

void TGIFImage::Assign(const QImage &source)
{
    Clear();
    if (source.isNull())
        return;
    Add(source);
}

TGIFSubImage &TGIFImage::Add(const TGIFSubImage &source)
{
    auto frame = std::make_unique<TGIFSubImage>(this);
    frame->Assign(source);
    m_frames.push_back(std::move(frame));
    return *m_frames.back();
}

TGIFSubImage &TGIFImage::Add(const QImage &source)
{
    auto frame = std::make_unique<TGIFSubImage>(this);
    Progress(psStarting, 0, GIFText::Converting);
    frame->Assign(source);
    Progress(psEnding, 100, GIFText::Converting);
    m_frames.push_back(std::move(frame));
    return *m_frames.back();
}

QImage TGIFImage::ToImage(int frame) const
{
    if (frame < 0 || frame >= Count())
        return {};
    return m_frames[std::size_t(frame)]->ToImage();
}

std::unique_ptr<QMimeData> TGIFImage::SaveToMimeData()
{
    if (Empty())
        return nullptr;
    auto data = std::make_unique<QMimeData>();
    data->setData(QString::fromLatin1(kMimeType), SaveToData());
    data->setImageData(ToImage(0));
    return data;
}

void TGIFImage::LoadFromMimeData(const QMimeData &data)
{
    const QString gif = QString::fromLatin1(kMimeType);
    if (data.hasFormat(gif)) {
        const QByteArray bytes = data.data(gif);
        LoadFromData(reinterpret_cast<const std::uint8_t *>(bytes.constData()), bytes.size());
    } else if (data.hasImage()) {
        Assign(qvariant_cast<QImage>(data.imageData()));
    } else {
        throw GIFException(GIFText::ObjectNotSupported);
    }
}

void TGIFImage::SaveToClipboardFormat(QClipboard &clipboard)
{
    std::unique_ptr<QMimeData> data = SaveToMimeData();
    if (!data)
        return;
    clipboard.setMimeData(data.release()); // the clipboard owns it from here
    const QMimeData *stored = clipboard.mimeData();
    if (!stored || !stored->hasFormat(QString::fromLatin1(kMimeType)))
        throw GIFException(GIFText::ClipboardFailed);
}

void TGIFImage::LoadFromClipboardFormat(const QClipboard &clipboard)
{
    const QMimeData *data = clipboard.mimeData();
    if (!data)
        throw GIFException(GIFText::ObjectNotSupported);
    LoadFromMimeData(*data);
}
