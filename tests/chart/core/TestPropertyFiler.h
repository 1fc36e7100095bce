// A property filer over a map of values, and a panel host that counts its repaints: for tests of
// stream properties and of elements that draw on a panel's canvas.
#pragma once

#include "PlotPanelHost.h"
#include "PropertyFiler.h"

#include <QStringList>
#include <QVariantMap>

class MapPropertyFiler : public PropertyFiler
{
public:
    // Gives every stream property of the object the value stored under its name, if any.
    void load(PropertyDefiner &object, const QVariantMap &stored);
    // What the object writes: each property with a writer whose predicate holds.
    QVariantMap save(PropertyDefiner &object);
    // The names the object defined on the last load or save.
    const QStringList &defined() const { return m_defined; }

    void DefineProperty(const QString &name, Reader reader, Writer writer, WrittenWhen writtenWhen) override;

private:
    bool m_loading = false;
    QVariantMap m_values;
    QStringList m_defined;
};

class StubPanelHost : public PlotPanelHost
{
public:
    explicit StubPanelHost(TCanvas3D *canvas = nullptr)
        : canvas(canvas)
    {
    }
    TCanvas3D *Canvas() const override { return canvas; }
    void Invalidate() override { ++invalidations; }

    TCanvas3D *canvas;
    int invalidations = 0;
};
