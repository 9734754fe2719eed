#pragma once

#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

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
// are: an exception there would end the process. So are failures while a
// window is modal: the check may stand in a callback that the framework's
// modal loop runs (a test answering a question), and unwinding that loop
// would leave its window's callback pointing into the stack.
class FatalFailureListener : public ::testing::EmptyTestEventListener
{
public:
    void OnTestPartResult(const ::testing::TestPartResult& result) override
    {
        if (result.type() == ::testing::TestPartResult::kFatalFailure && std::this_thread::get_id() == mainThread
            && std::uncaught_exceptions() == 0 && ! aWindowIsModal())
            throw ::testing::AssertionException(result);
    }

    static bool aWindowIsModal()
    {
        auto* modal = juce::ModalComponentManager::getInstanceWithoutCreating();
        return modal != nullptr && modal->getNumModalComponents() > 0;
    }

private:
    const std::thread::id mainThread = std::this_thread::get_id();
};
} // namespace testing_support
