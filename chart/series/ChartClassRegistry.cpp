// Run-time class descriptors of the chart library.
#include "ChartClassRegistry.h"

#include <QMetaObject>
#include <QObject>

bool ChartClassDescriptor::inherits(const ChartClassDescriptor &other) const
{
    for (const ChartClassDescriptor *d = this; d; d = d->parent)
        if (d == &other)
            return true;
    return false;
}

ChartClassRegistry &ChartClassRegistry::instance()
{
    static ChartClassRegistry registry;
    return registry;
}

const ChartClassDescriptor &ChartClassRegistry::add(const QMetaObject &metaObject,
                                                    std::function<std::unique_ptr<QObject>()> factory,
                                                    const QString &editorClassName)
{
    const QString name = QString::fromLatin1(metaObject.className());
    if (const ChartClassDescriptor *known = find(name))
        return *known;
    // Parents first, so every descriptor's chain is complete the moment it exists.
    const ChartClassDescriptor *parent = metaObject.superClass() ? &add(*metaObject.superClass()) : nullptr;
    auto descriptor = std::make_unique<ChartClassDescriptor>();
    descriptor->name = name;
    descriptor->metaObject = &metaObject;
    descriptor->factory = std::move(factory);
    descriptor->parent = parent;
    descriptor->editorClassName = editorClassName;
    const ChartClassDescriptor &added = *descriptor;
    m_order.push_back(&added);
    m_byName.emplace(name, std::move(descriptor));
    return added;
}

const ChartClassDescriptor *ChartClassRegistry::find(const QString &name) const
{
    const auto it = m_byName.find(name);
    return it == m_byName.end() ? nullptr : it->second.get();
}

const ChartClassDescriptor *ChartClassRegistry::find(const QMetaObject &metaObject) const
{
    return find(QString::fromLatin1(metaObject.className()));
}

std::unique_ptr<QObject> ChartClassRegistry::create(const QString &name) const
{
    const ChartClassDescriptor *descriptor = find(name);
    if (!descriptor || !descriptor->factory)
        return nullptr;
    return descriptor->factory();
}

QString ChartClassRegistry::editorClassName(const QObject &object) const
{
    for (const QMetaObject *meta = object.metaObject(); meta; meta = meta->superClass())
        if (const ChartClassDescriptor *d = find(*meta); d && !d->editorClassName.isEmpty())
            return d->editorClassName;
    return {};
}

std::vector<const ChartClassDescriptor *> ChartClassRegistry::descriptors() const
{
    return m_order;
}
