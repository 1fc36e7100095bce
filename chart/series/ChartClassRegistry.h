// The chart library's classes known at run time: name, factory, parent class and editor form.
// Galleries, streaming by class name and the editor lookup find classes here.
#pragma once

#include <QString>

#include <functional>
#include <map>
#include <memory>
#include <vector>

class QObject;
struct QMetaObject;

struct ChartClassDescriptor
{
    // moc's class name: the name files, class bitmaps and editors use.
    QString name;
    const QMetaObject *metaObject = nullptr;
    // Makes an instance without owner; empty for a class that cannot be made (an abstract base).
    std::function<std::unique_ptr<QObject>()> factory;
    // The descriptor of the meta-object's superclass; none for the root.
    const ChartClassDescriptor *parent = nullptr;
    // Editor form class of the class; empty when it has none (then the parent's applies).
    QString editorClassName;

    // True when this class is the other or derives from it.
    bool inherits(const ChartClassDescriptor &other) const;
};

class ChartClassRegistry
{
public:
    // The registry of the running program.
    static ChartClassRegistry &instance();

    // Registers the class (and, without factory, each of its superclasses not yet known). A class
    // registered already keeps its descriptor: registering again adds nothing. Returns the
    // descriptor.
    const ChartClassDescriptor &add(const QMetaObject &metaObject,
                                    std::function<std::unique_ptr<QObject>()> factory = {},
                                    const QString &editorClassName = {});
    template <class T>
    const ChartClassDescriptor &add(const QString &editorClassName = {})
    {
        return add(T::staticMetaObject, [] { return std::unique_ptr<QObject>(std::make_unique<T>()); },
                   editorClassName);
    }

    // The descriptor of that name, or none.
    const ChartClassDescriptor *find(const QString &name) const;
    const ChartClassDescriptor *find(const QMetaObject &metaObject) const;
    // A new instance of the named class without owner, or none when the class is unknown or abstract.
    std::unique_ptr<QObject> create(const QString &name) const;
    // The editor form class of the object's class, looked up the class chain; empty when none.
    QString editorClassName(const QObject &object) const;

    // Descriptors in the order they were registered.
    std::vector<const ChartClassDescriptor *> descriptors() const;
    int count() const { return int(m_order.size()); }

private:
    std::map<QString, std::unique_ptr<ChartClassDescriptor>> m_byName;
    std::vector<const ChartClassDescriptor *> m_order;
};
