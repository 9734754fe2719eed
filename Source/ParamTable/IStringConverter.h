#pragma once

#include <string>
#include <utility>

// Turns a parameter's stored integer into the text an editor shows, typed
// text back into an integer, and states the parameter's integer range.
class IStringConverter
{
public:
    virtual ~IStringConverter() = default;

    // A multi-string: display text, NUL, alternative text, NUL.
    virtual std::string Format(int value) const = 0;
    virtual int Parse(const char* text) const = 0;
    // (min, max)
    virtual std::pair<int, int> Range() const = 0;
};
