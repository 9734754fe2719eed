#pragma once

#include <functional>
#include <memory>
#include <vector>

#include <gtest/gtest.h>
#include <juce_core/juce_core.h>

namespace testing_support
{
// Puts back, before every test, what one test may leave to the next in the
// same process, so that the tests pass in any order:
// - the data centres' class statics, which outlive every data centre, and the
//   model the main component shows (taken once, before the first test: what
//   a fresh application starts with);
// - the working directory (the file commands move it to the chosen file's
//   folder, and the framework resolves a relatively started executable, and
//   so the resource folder, against it);
// - the current logger (the test run's log, taken when the listener is made).
class FreshStartListener : public ::testing::EmptyTestEventListener
{
public:
    FreshStartListener();

    void OnTestStart(const ::testing::TestInfo&) override;

private:
    template <typename T>
    void keep(T& object)
    {
        auto copy = std::make_shared<T>(object);
        restorers.push_back([&object, copy] { object = *copy; });
    }

    template <typename T, size_t N>
    void keep(T (&objects)[N])
    {
        for (auto& object : objects)
            keep(object);
    }

    std::vector<std::function<void()>> restorers;
    juce::File workingDirectory;
    juce::Logger* const logger;
};
} // namespace testing_support
