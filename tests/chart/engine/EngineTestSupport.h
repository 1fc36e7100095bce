// Shared set-up of the chart engine tests.
#pragma once

#include <QLocale>

// Sets the default locale for one test and restores the previous one.
class ScopedLocale
{
public:
    explicit ScopedLocale(const QLocale &locale)
        : m_saved(QLocale())
    {
        QLocale::setDefault(locale);
    }
    ~ScopedLocale() { QLocale::setDefault(m_saved); }
    ScopedLocale(const ScopedLocale &) = delete;
    ScopedLocale &operator=(const ScopedLocale &) = delete;

private:
    QLocale m_saved;
};
