#include "support/FrameworkAssertionWatch.h"

#include <gtest/gtest.h>

namespace testing_support
{
FrameworkAssertionWatch::FrameworkAssertionWatch(std::ostream& watched) : stream(watched), target(watched.rdbuf())
{
    stream.rdbuf(this);
}

FrameworkAssertionWatch::~FrameworkAssertionWatch()
{
    stream.rdbuf(target);
}

void FrameworkAssertionWatch::take(char c)
{
    if (c != '\n')
    {
        line.push_back(c);
        return;
    }
    std::string finished;
    finished.swap(line);
    if (finished.find(marker) != std::string::npos)
        ADD_FAILURE() << "the framework asserted: " << finished;
}

int FrameworkAssertionWatch::overflow(int c)
{
    if (traits_type::eq_int_type(c, traits_type::eof()))
        return traits_type::not_eof(c);
    const std::lock_guard<std::recursive_mutex> guard(lock);
    const auto result = target->sputc(traits_type::to_char_type(c));
    take(traits_type::to_char_type(c));
    return result;
}

std::streamsize FrameworkAssertionWatch::xsputn(const char* s, std::streamsize n)
{
    const std::lock_guard<std::recursive_mutex> guard(lock);
    const auto result = target->sputn(s, n);
    for (std::streamsize i = 0; i < n; ++i)
        take(s[i]);
    return result;
}

int FrameworkAssertionWatch::sync()
{
    const std::lock_guard<std::recursive_mutex> guard(lock);
    return target->pubsync();
}
} // namespace testing_support
