// The one exception class of the GIF codec; its message is a text of GIFText.
#pragma once

#include <stdexcept>

class GIFException : public std::runtime_error
{
public:
    explicit GIFException(const char *message)
        : std::runtime_error(message)
    {
    }
};
