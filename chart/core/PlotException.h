// The chart library's exceptions: the general one, markup parsing errors and conversion errors.
#pragma once

#include <QString>

#include <stdexcept>

// The library's general exception. Its message is kept as written; what() gives it in UTF-8.
// The engine's exceptions derive from it, so a caller catching PlotException catches them all.
class PlotException : public std::runtime_error
{
public:
    explicit PlotException(const QString &message);
    const QString &message() const { return m_message; }

private:
    QString m_message;
};

// A text that should hold a number or a colour name does not: "Not a number: x", "Unknown colour: x".
class PlotConvertError : public PlotException
{
public:
    using PlotException::PlotException;
};

// A value a file gives a property that the property cannot take ("unknown colour name x"): the
// file's reader, which knows the property's name and object, puts them before the message.
class PropertyValueError : public PlotException
{
public:
    using PlotException::PlotException;
};

// Chart text markup that cannot be read, such as a tag without its ">".
class HtmlParserException : public PlotException
{
public:
    using PlotException::PlotException;
};
