// The options form of an export format: made on first use and owned by the format, unless a
// dialog page took it as its child and destroyed it first.
#pragma once

#include <QPointer>

#include <memory>

template <class Form>
class OwnedOptionsForm
{
public:
    OwnedOptionsForm() = default;
    ~OwnedOptionsForm()
    {
        if (!m_form)
            (void)m_owned.release(); // its Qt parent destroyed it
    }
    OwnedOptionsForm(const OwnedOptionsForm &) = delete;
    OwnedOptionsForm &operator=(const OwnedOptionsForm &) = delete;

    Form *get(bool create)
    {
        if (!m_form && create) {
            (void)m_owned.release();
            m_owned = std::make_unique<Form>();
            m_form = m_owned.get();
        }
        return m_form;
    }
    Form *get() const { return m_form; }

private:
    QPointer<Form> m_form;
    std::unique_ptr<Form> m_owned;
};
