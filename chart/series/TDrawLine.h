// The lines of a draw line tool: two points in axis values, a style and an optional own pen.
#pragma once

#include "ToolTypes.h"

#include "StreamCollection.h"
#include "TChartPen.h"

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

class TDrawLineTool;

class TDrawLine : public QObject
{
    Q_OBJECT
    Q_PROPERTY(double X0 READ X0 WRITE SetX0)
    Q_PROPERTY(double Y0 READ Y0 WRITE SetY0)
    Q_PROPERTY(double X1 READ X1 WRITE SetX1)
    Q_PROPERTY(double Y1 READ Y1 WRITE SetY1)
    Q_PROPERTY(ToolEnums::TDrawLineStyle Style READ Style WRITE SetStyle)
    Q_PROPERTY(TChartPen *Pen READ penIfAny WRITE SetPen)
public:
    explicit TDrawLine(TDrawLineTool *tool = nullptr);
    ~TDrawLine() override;

    double X0() const { return m_x0; }
    void SetX0(double value) { store(m_x0, value); }
    double Y0() const { return m_y0; }
    void SetY0(double value) { store(m_y0, value); }
    double X1() const { return m_x1; }
    void SetX1(double value) { store(m_x1, value); }
    double Y1() const { return m_y1; }
    void SetY1(double value) { store(m_y1, value); }
    TDrawLineStyle Style() const { return m_style; }
    void SetStyle(TDrawLineStyle value);
    // Created on first read as a copy of the tool's pen; until then the tool's pen draws the line.
    // A chart file reaches an own pen through it.
    Q_INVOKABLE TChartPen *Pen();
    TChartPen *penIfAny() const { return m_pen.get(); }
    // None frees the own pen; a pen is copied.
    void SetPen(const TChartPen *value);
    Q_INVOKABLE bool IsPenStored() const { return m_pen != nullptr; }
    // Points, style and pen (or no own pen) of the other line.
    void Assign(const TDrawLine &source);
    // All four coordinates are numbers: a line with a NaN or infinite point is neither drawn nor hit.
    bool IsFinite() const;

    TDrawLineTool *Tool() const { return m_tool; }

private:
    void store(double &variable, double value);
    void repaint() const;

    TDrawLineTool *m_tool = nullptr;
    double m_x0 = 0;
    double m_y0 = 0;
    double m_x1 = 0;
    double m_y1 = 0;
    TDrawLineStyle m_style = dlLine;
    std::unique_ptr<TChartPen> m_pen;
};

// The tool's lines; a chart file writes them as a collection.
class TDrawLines : public QObject, public StreamCollection
{
    Q_OBJECT
public:
    // Makes the new lines; a descendant of TDrawLine may be put in its place.
    using LineFactory = std::function<std::unique_ptr<TDrawLine>(TDrawLineTool *tool)>;
    static LineFactory &lineClass();

    explicit TDrawLines(TDrawLineTool *tool)
        : m_tool(tool)
    {
    }

    int Count() const { return int(m_items.size()); }
    TDrawLine *Item(int index) const { return m_items.at(std::size_t(index)).get(); }
    TDrawLine *Add();
    void Delete(int index);
    void Clear();
    // Copies every line of the other collection.
    void Assign(const TDrawLines &source);

    int collectionCount() const override { return Count(); }
    QObject *collectionItem(int index) const override { return Item(index); }
    void collectionClear() override { Clear(); }
    QObject *collectionAdd() override { return Add(); }

private:
    TDrawLineTool *m_tool = nullptr;
    std::vector<std::unique_ptr<TDrawLine>> m_items;
};
