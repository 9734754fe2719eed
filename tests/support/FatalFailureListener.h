#pragma once

#include <gtest/gtest.h>

#include <exception>
#include <thread>

namespace testing_support
{
// Ends the running test at its first fatal failure, wherever the failed
// ASSERT stands. Without it a failed ASSERT in a helper only leaves the
// helper: the test goes on with what the helper did not set up (a null data
// centre, a view never built) and may take the whole run down with it.
//
// The failure is reported first (the listener comes after the printer); the
// exception that follows is one the framework knows and does not report
// again. Failures on other threads and during unwinding are left as they
// are: an exception there would end the process.
class FatalFailureListener : public ::testing::EmptyTestEventListener
{
public:
    void OnTestPartResult(const ::testing::TestPartResult& result) override
    {
        if (result.type() == ::testing::TestPartResult::kFatalFailure && std::this_thread::get_id() == mainThread
            && std::uncaught_exceptions() == 0)
            throw ::testing::AssertionException(result);
    }

private:
    const std::thread::id mainThread = std::this_thread::get_id();
};
} // namespace testing_support
