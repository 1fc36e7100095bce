// The exceptions the chart engine raises; each carries only its message.
#pragma once

#include <QString>

#include <stdexcept>

class ChartException : public std::runtime_error
{
public:
    explicit ChartException(const QString &message)
        : std::runtime_error(message.toStdString())
    {
    }
};

class AxisException : public std::runtime_error
{
public:
    explicit AxisException(const QString &message)
        : std::runtime_error(message.toStdString())
    {
    }
};

class LegendException : public std::runtime_error
{
public:
    explicit LegendException(const QString &message)
        : std::runtime_error(message.toStdString())
    {
    }
};
