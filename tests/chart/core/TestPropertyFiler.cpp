// Map-backed property filer.
#include "TestPropertyFiler.h"

void MapPropertyFiler::load(PropertyDefiner &object, const QVariantMap &stored)
{
    m_loading = true;
    m_values = stored;
    m_defined.clear();
    object.defineProperties(*this);
}

QVariantMap MapPropertyFiler::save(PropertyDefiner &object)
{
    m_loading = false;
    m_values.clear();
    m_defined.clear();
    object.defineProperties(*this);
    return m_values;
}

void MapPropertyFiler::DefineProperty(const QString &name, Reader reader, Writer writer, WrittenWhen writtenWhen)
{
    m_defined << name;
    if (m_loading) {
        if (m_values.contains(name) && reader)
            reader(m_values.value(name));
    } else if (writer && (!writtenWhen || writtenWhen())) {
        m_values.insert(name, writer());
    }
}
