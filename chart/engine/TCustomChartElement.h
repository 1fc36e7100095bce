// A non-visual part of a chart (a series, a tool): it belongs to one axis panel, owns a pen and a
// brush, and asks its chart to repaint when one of its properties changes.
#pragma once

#include "PlotTypes.h"
#include "PropertyFiler.h"
#include "TChartBrush.h"
#include "TChartPen.h"

#include <QObject>
#include <QPointer>
#include <QString>

class TCustomAxisPanel;

class TCustomChartElement : public QObject, public PropertyDefiner
{
    Q_OBJECT
    Q_PROPERTY(bool Active READ Active WRITE SetActive)
    Q_PROPERTY(bool ShowInEditor READ ShowInEditor WRITE SetShowInEditor)
    Q_PROPERTY(int Tag READ Tag WRITE SetTag)
public:
    // The owner is the element's Qt parent (not its chart); the element joins a chart through
    // SetParentChart.
    explicit TCustomChartElement(QObject *owner = nullptr);
    ~TCustomChartElement() override;

    bool Active() const { return m_active; }
    virtual void SetActive(bool value);
    TChartBrush *Brush() const { return m_brush; }
    void SetBrush(const TChartBrush *value);
    TChartPen *Pen() const { return m_pen; }
    virtual void SetPen(const TChartPen *value);
    bool ShowInEditor() const { return m_showInEditor; }
    void SetShowInEditor(bool value) { m_showInEditor = value; }
    int Tag() const { return m_tag; }
    void SetTag(int value) { m_tag = value; }
    // The component name is the Qt object name, so that unique names look among siblings.
    QString Name() const { return objectName(); }
    void SetName(const QString &value) { setObjectName(value); }

    TCustomAxisPanel *ParentChart() const;
    virtual void SetParentChart(TCustomAxisPanel *value);
    // The editor form class of the element; none in the base.
    virtual QString GetEditorClassName() const { return {}; }

    // True between BeginLoading and Loaded, while a stream is read into the element.
    bool IsLoading() const { return m_loading; }
    void BeginLoading() { m_loading = true; }
    virtual void Loaded() { m_loading = false; }
    // True once the element's destructor has started: notifications then stay away.
    bool IsDestroying() const { return m_destroying; }

    // Copies Active, brush, pen and Tag from another element.
    virtual void Assign(const TCustomChartElement &source);
    void defineProperties(PropertyFiler &filer) override { Q_UNUSED(filer); }

    // Asks the parent chart, when there is one, to repaint.
    void Repaint();
    // The change method of the owned pen and brush.
    virtual void CanvasChanged() { Repaint(); }

protected:
    // The setter routines: store a value and repaint only when it changed.
    void SetBooleanProperty(bool &variable, bool value) { setProperty(variable, value); }
    void SetColorProperty(TColor &variable, TColor value) { setProperty(variable, value); }
    void SetDoubleProperty(double &variable, double value) { setProperty(variable, value); }
    void SetIntegerProperty(int &variable, int value) { setProperty(variable, value); }
    void SetStringProperty(QString &variable, const QString &value) { setProperty(variable, value); }
    template <class T>
    void setProperty(T &variable, const T &value)
    {
        if (variable == value)
            return;
        variable = value;
        Repaint();
    }
    void markDestroying() { m_destroying = true; }
    void storeParentChart(TCustomAxisPanel *value);

private:
    bool m_active = true;
    TChartBrush *m_brush = nullptr; // children
    TChartPen *m_pen = nullptr;
    bool m_showInEditor = true;
    int m_tag = 0;
    bool m_loading = false;
    bool m_destroying = false;
    QPointer<TCustomAxisPanel> m_parentChart;
};
