#pragma once

#include <mutex>
#include <ostream>
#include <streambuf>
#include <string>

namespace testing_support
{
// Watches what goes to std::cerr, where the framework writes its assertion
// failures ("JUCE Assertion failure in juce_Component.cpp:2990"): each one
// fails the test that is running (from any thread), so that no assertion
// passes unseen. Everything written goes on to the stream as before.
class FrameworkAssertionWatch : private std::streambuf
{
public:
    explicit FrameworkAssertionWatch(std::ostream& stream);
    ~FrameworkAssertionWatch() override;

    static constexpr const char* marker = "JUCE Assertion failure";

private:
    int overflow(int c) override;
    std::streamsize xsputn(const char* s, std::streamsize n) override;
    int sync() override;
    void take(char c);

    std::ostream& stream;
    std::streambuf* const target;
    std::recursive_mutex lock;
    std::string line;
};
} // namespace testing_support
