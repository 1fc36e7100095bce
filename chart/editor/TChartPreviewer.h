// The component that opens the print preview dialog modally for a chart and decides through its
// options which controls the user may use.
#pragma once

#include "PlotTypes.h"
#include "TCustomChartEditor.h"

#include <QFlags>
#include <QPointer>
#include <QString>

class TChartPreview;

class TChartPreviewer : public TCustomChartEditor
{
    Q_OBJECT
    Q_PROPERTY(TChartPreviewOptions Options READ Options WRITE SetOptions)
    Q_PROPERTY(TColor PaperColor READ PaperColor WRITE SetPaperColor)
    Q_PROPERTY(QString Title READ Title WRITE SetTitle)
    Q_PROPERTY(Qt::WindowStates WindowState READ WindowState WRITE SetWindowState)
public:
    enum TChartPreviewOption {
        cpoChangePrinter = 0x001,
        cpoSetupPrinter = 0x002,
        cpoResizeChart = 0x004,
        cpoMoveChart = 0x008,
        cpoChangeDetail = 0x010,
        cpoChangePaperOrientation = 0x020,
        cpoChangeMargins = 0x040,
        cpoProportional = 0x080,
        cpoDragChart = 0x100,
        cpoPrintPanel = 0x200,
        cpoAsBitmap = 0x400,
    };
    Q_DECLARE_FLAGS(TChartPreviewOptions, TChartPreviewOption)
    Q_FLAG(TChartPreviewOptions)
    // The first eight options.
    static constexpr int kDefaultOptions = 0x0FF;

    explicit TChartPreviewer(QObject *parent = nullptr);

    TChartPreviewOptions Options() const { return m_options; }
    void SetOptions(TChartPreviewOptions value) { m_options = value; }
    TColor PaperColor() const { return m_paperColor; }
    void SetPaperColor(TColor value) { m_paperColor = value; }
    QString Title() const { return m_title; }
    void SetTitle(const QString &value) { m_title = value; }
    Qt::WindowStates WindowState() const { return m_windowState; }
    void SetWindowState(Qt::WindowStates value) { m_windowState = value; }

    // The dialog while it shows; none otherwise.
    TChartPreview *Form() const;
    void Execute() override;

Q_SIGNALS:
    // After each drawing of the preview sheet and, while a job is open, after its page.
    void OnAfterDraw();

private:
    TChartPreviewOptions m_options{kDefaultOptions};
    TColor m_paperColor = clWhite;
    QString m_title;
    Qt::WindowStates m_windowState = Qt::WindowNoState;
    QPointer<TChartPreview> m_form;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TChartPreviewer::TChartPreviewOptions)
