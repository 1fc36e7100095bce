// The annotation tool: a text in a framed box at a corner of the chart or at a position of its
// own, optionally with a callout arrow to a pixel of the chart.
#pragma once

#include "TAnnotationCallout.h"
#include "TPlotShapePosition.h"
#include "ToolTypes.h"

#include "PlotTypes.h"
#include "TPlotCustomTool.h"

#include <QMetaObject>
#include <QString>

#include <functional>

class TAnnotationTool;

using TAnnotationClick = std::function<void(TAnnotationTool *sender, TMouseButton button, TShiftState shift, int x, int y)>;

class TAnnotationTool : public TPlotCustomTool
{
    Q_OBJECT
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(TAnnotationCallout *Callout READ Callout WRITE SetCallout)
    Q_PROPERTY(int Cursor READ Cursor WRITE SetCursor)
    Q_PROPERTY(ToolEnums::TAnnotationPosition Position READ Position WRITE SetPosition)
    Q_PROPERTY(PlotEnums::TPlotUnits PositionUnits READ PositionUnits WRITE SetPositionUnits)
    Q_PROPERTY(TPlotShapePosition *Shape READ Shape WRITE SetShape)
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    Q_PROPERTY(PlotEnums::TAlignment TextAlignment READ TextAlignment WRITE SetTextAlignment)
    Q_PROPERTY(int Width READ Width WRITE SetWidth)
    Q_PROPERTY(int Height READ Height WRITE SetHeight)
public:
    Q_INVOKABLE explicit TAnnotationTool(QObject *owner = nullptr);
    ~TAnnotationTool() override;

    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool value) { SetBooleanProperty(m_autoSize, value); }
    Q_INVOKABLE bool IsAutoSizeStored() const { return !m_autoSize; }
    TAnnotationCallout *Callout() const { return m_callout; }
    void SetCallout(const TAnnotationCallout *value);
    // A cursor number shown over the box; 0 shows none.
    int Cursor() const { return m_cursor; }
    void SetCursor(int value) { m_cursor = value; }
    Q_INVOKABLE bool IsCursorStored() const { return m_cursor != 0; }
    TAnnotationPosition Position() const { return m_position; }
    // Also gives up the box's own position.
    void SetPosition(TAnnotationPosition value);
    Q_INVOKABLE bool IsPositionStored() const { return m_position != ppLeftTop; }
    TPlotUnits PositionUnits() const { return m_positionUnits; }
    void SetPositionUnits(TPlotUnits value) { setProperty(m_positionUnits, value); }
    Q_INVOKABLE bool IsPositionUnitsStored() const { return m_positionUnits != muPixels; }
    TPlotShapePosition *Shape() const { return m_shape; }
    void SetShape(const TPlotShapePosition *value);
    QString Text() const { return m_text; }
    void SetText(const QString &value) { SetStringProperty(m_text, value); }
    TAlignment TextAlignment() const { return m_textAlignment; }
    void SetTextAlignment(TAlignment value) { setProperty(m_textAlignment, value); }
    Q_INVOKABLE bool IsTextAlignmentStored() const { return m_textAlignment != taLeftJustify; }
    // The box's size; a new value turns AutoSize off.
    int Width() const;
    void SetWidth(int value);
    int Height() const;
    void SetHeight(int value);
    Q_INVOKABLE bool IsWidthStored() const { return !m_autoSize; }
    Q_INVOKABLE bool IsHeightStored() const { return !m_autoSize; }
    // The box's own position, in PositionUnits; moving keeps its size.
    int Left() const;
    void SetLeft(int value);
    int Top() const;
    void SetTop(int value);

    TAnnotationClick OnClick;

    // The text shown; the page number tool computes its own.
    virtual QString GetText() const { return m_text; }
    // The box as the next draw places it, and the text anchor inside it.
    TRect BoxRect(TPoint *anchor = nullptr, int *lineHeight = nullptr) const;
    bool Clicked(int x, int y) const;

    void SetParentChart(TCustomAxisPanel *value) override;
    void ChartEvent(int kind) override;
    void ChartMouseEvent(TChartMouseEventKind kind, TMouseButton button, TShiftState shift, int x, int y) override;
    QString Description() const override;
    QString GetEditorClassName() const override { return QStringLiteral("TAnnotationToolEdit"); }

protected:
    void drawAnnotation();
    void drawCallout(const TRect &box);

private:
    bool m_autoSize = true;
    TAnnotationCallout *m_callout = nullptr; // children
    TPlotShapePosition *m_shape = nullptr;
    int m_cursor = 0;
    TAnnotationPosition m_position = ppLeftTop;
    TPlotUnits m_positionUnits = muPixels;
    QString m_text;
    TAlignment m_textAlignment = taLeftJustify;
    QMetaObject::Connection m_chartGone;
};
