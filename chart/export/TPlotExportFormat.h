// Base of every picture format a chart is exported to: the panel, the size, the save-dialog filter
// and the delivery to the clipboard, a stream or a file.
#pragma once

#include <QPointer>
#include <QString>

#include <memory>

class QIODevice;
class QWidget;
class TCustomPlotPanel;
class TGraphic;

class TPlotExportFormat
{
public:
    // Makes a new empty picture that reads files of the format.
    using GraphicFactory = std::unique_ptr<TGraphic> (*)();

    TPlotExportFormat() = default;
    virtual ~TPlotExportFormat();
    TPlotExportFormat(const TPlotExportFormat &) = delete;
    TPlotExportFormat &operator=(const TPlotExportFormat &) = delete;

    TCustomPlotPanel *Panel() const;
    void SetPanel(TCustomPlotPanel *panel);
    // Picture size in pixels; 0 means the panel's.
    int Width() const { return m_width; }
    void SetWidth(int value) { m_width = value; }
    int Height() const { return m_height; }
    void SetHeight(int value) { m_height = value; }
    // 1-based position of the format's first filter in the picture save dialog's filter list.
    int FilterIndex() const { return m_filterIndex; }

    virtual int GetFilterIndex() const { return m_filterIndex; }
    // Takes the next position of the running counter; a format with two filters takes two.
    virtual void SetFilterIndex(int &counter);
    virtual bool WantsFilterIndex(int index) { return index == m_filterIndex; }
    // True when the format writes files of this extension (without dot, any case); a format of
    // several extensions sets itself up for the one asked.
    virtual bool WantsExtension(const QString &extension);
    // The same question, changing nothing: FileExtension, or any of a format of several.
    virtual bool HasExtension(const QString &extension) const;

    // The caption of the format list, with its accelerator ("as &Bitmap").
    virtual QString Description() const = 0;
    // Without dot ("bmp").
    virtual QString FileExtension() const = 0;
    // "Bitmaps (*.bmp)|*.bmp".
    virtual QString FileFilter() const = 0;
    // The picture class that reads the format's files; none here.
    virtual GraphicFactory GraphicClass() const { return nullptr; }
    // The format's options form, made first when create is set; none here. The format owns it.
    virtual QWidget *Options(bool create = true);

    // Width and height 0 take the panel's.
    void CheckSize();
    // Both need the panel (PlotException otherwise), make the options form and check the size.
    void CopyToClipboard();
    // Writes the whole file or, failing, keeps the old one and raises a PlotException naming the
    // file and the reason.
    void SaveToFile(const QString &fileName);
    // The bytes SaveToFile writes.
    QByteArray SaveToBytes();

    // Writes the picture; a failure raises a PlotException.
    virtual void SaveToStream(QIODevice &stream) = 0;

protected:
    // Puts the picture on the clipboard; called with panel, options and size settled.
    virtual void DoCopyToClipboard() = 0;
    // The panel, or a PlotException "Panel property is not set in Export format".
    TCustomPlotPanel &panel() const;

private:
    void prepare();

    QPointer<TCustomPlotPanel> m_panel;
    int m_filterIndex = 0;
    int m_width = 0;
    int m_height = 0;
};
