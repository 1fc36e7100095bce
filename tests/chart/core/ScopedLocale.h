// Sets the default locale for one scope and puts the previous one back, also when a check fails.
#pragma once

#include <QLocale>

class ScopedLocale
{
public:
    explicit ScopedLocale(const QLocale &locale)
        : m_previous(QLocale())
    {
        QLocale::setDefault(locale);
    }
    ~ScopedLocale() { QLocale::setDefault(m_previous); }
    ScopedLocale(const ScopedLocale &) = delete;
    ScopedLocale &operator=(const ScopedLocale &) = delete;

private:
    QLocale m_previous;
};
