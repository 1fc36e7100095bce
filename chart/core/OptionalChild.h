// An optional sub-object of a chart object: created on first read as a child of its owner,
// connected to the owner's repaint on creation, freed when none is written.
#pragma once

#include <QObject>

#include <functional>
#include <memory>

template <class T>
class OptionalChild
{
public:
    // connect runs once on each newly created child, e.g. to forward its changes to the owner.
    explicit OptionalChild(QObject *owner, std::function<void(T *child)> connect = {})
        : m_owner(owner)
        , m_connect(std::move(connect))
    {
    }

    // The child, or none; reading it this way creates nothing.
    T *get() const { return m_child.get(); }
    explicit operator bool() const { return m_child != nullptr; }
    T *operator->() const { return m_child.get(); }

    T *getOrCreate()
    {
        if (!m_child) {
            m_child = std::make_unique<T>(m_owner);
            if (m_connect)
                m_connect(m_child.get());
        }
        return m_child.get();
    }

    // Copies a value in (creating the child) or frees the child for none. True when a child was
    // freed: the owner's picture changed and it repaints; a copied value announces itself.
    bool set(const T *value)
    {
        if (value) {
            getOrCreate()->Assign(*value);
            return false;
        }
        const bool had = m_child != nullptr;
        m_child.reset();
        return had;
    }

private:
    QObject *m_owner;
    std::function<void(T *)> m_connect;
    std::unique_ptr<T> m_child; // freed before the owner's QObject base deletes its children
};
