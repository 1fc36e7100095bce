// Buttons of the chart editor forms: a push button that draws a symbol through a chart canvas,
// optionally linked to a published property of an object; and its colour-swatch form.
#pragma once

#include "PlotTypes.h"

#include <QMetaProperty>
#include <QPointer>
#include <QPushButton>

#include <functional>

class TCanvas3D;

class TPlotButton : public QPushButton
{
    Q_OBJECT
public:
    explicit TPlotButton(QWidget *parent = nullptr);

    // Links the button to the published property of the instance named; an empty or unknown name
    // links no property. Repaints.
    void LinkProperty(QObject *instance, const QString &propName);
    QObject *LinkedObject() const { return m_instance; }
    bool HasLinkedProperty() const { return m_instance && m_property.isValid(); }

    // Where a swatch goes: right-aligned, a quarter of the height from top and bottom.
    TRect GetSwatchRect() const;
    // Where the caption is drawn: left of the swatch, which covered its end when centred over the
    // whole button.
    QRect CaptionRect() const;

    // Room for the caption and, beside it, the swatch.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    // Draws over the finished button; nothing here. A failure is reported after the paint.
    virtual void DrawSymbol(TCanvas3D &canvas) { Q_UNUSED(canvas); }
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

    QVariant readLinked() const;
    void writeLinked(const QVariant &value);

private:
    QPointer<QObject> m_instance;
    QMetaProperty m_property;
    bool m_failureReported = false;
};

class TButtonColor : public TPlotButton
{
    Q_OBJECT
public:
    explicit TButtonColor(QWidget *parent = nullptr);

    // The query's answer when one is set; else the linked property as a colour; else the own colour.
    TColor GetLinkedColor() const;
    // Writes the linked property, or the own colour without one.
    void SetLinkedColor(TColor color);
    // Decides the shown colour when set.
    std::function<TColor()> GetColorQuery;

Q_SIGNALS:
    // After the user picked another colour in the dialog and it was written.
    void OnClick();

protected:
    void DrawSymbol(TCanvas3D &canvas) override;

private:
    void pickColor();

    TColor m_color = clBlack;
};
