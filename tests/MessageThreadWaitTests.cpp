// The quit's give-up of the waits for the message thread: a MIDI handler that
// asked for the message thread just as the application quit, and whose
// request the stopped loop will never read, gives up once the shutdown waits
// for it, so that the application ends.
#include "Platform/MessageThreadWait.h"
#include "support/ChildTestRun.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

#if JUCE_LINUX
#include <juce_events/native/juce_linux_EventLoopInternal.h>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#endif

#include <atomic>
#include <thread>

namespace
{
// The framework keeps the message loop's end to itself. A request for the
// message thread that comes just as the loop ends is only left unread when
// the thread asking is held up for that moment; the test ends the loop as
// it ends then, with the request queued and unread.
using QuitFlag = juce::Atomic<int> juce::MessageManager::*;
QuitFlag quitReceivedFlag();
template <QuitFlag flag>
struct QuitReceivedAccess
{
    friend QuitFlag quitReceivedFlag() { return flag; }
};
template struct QuitReceivedAccess<&juce::MessageManager::quitMessageReceived>;

#if JUCE_LINUX
// The message loop's own queue is the one unnamed socket pair among the
// event loop's descriptors (a display's connection has a named peer or is
// reached over the network).
int messageQueueDescriptor()
{
    for (const int fd : juce::LinuxEventLoopInternal::getRegisteredFds())
    {
        sockaddr_un peer {};
        socklen_t length = sizeof(peer);
        if (::getpeername(fd, reinterpret_cast<sockaddr*>(&peer), &length) == 0 && peer.sun_family == AF_UNIX
            && length <= (socklen_t) sizeof(sa_family_t))
            return fd;
    }
    return -1;
}

// Whether a message was posted to the queue within the time.
bool messagePosted(int queue, int timeoutMs)
{
    pollfd request { queue, POLLIN, 0 };
    return ::poll(&request, 1, timeoutMs) == 1;
}
#endif
} // namespace

// The scenario stops the message loop for good, so it runs in a child of its
// own; without the give-up the child never ends and is ended after the time.
TEST(MessageThreadWait, AHandlerWaitingWhenTheLoopStopsGivesUpAndTheQuitEnds)
{
    const testing_support::ChildTestRun run({ "RIGSMITH_LOOP_STOPS=1" }, "ChildOnlyMessageThreadWaitWhenTheLoopStops.*",
                                            testing_support::patienceMs);
    EXPECT_TRUE(run.passed(1)) << run.output;
}

// Runs only in that child (a suite whose name starts with ChildOnly is not a
// test of its own for ctest, nor for the one-process pass).
TEST(ChildOnlyMessageThreadWaitWhenTheLoopStops, TheWaitForTheHandlerEndsAndTheHandlerGainsNoLock)
{
    if (juce::SystemStats::getEnvironmentVariable("RIGSMITH_LOOP_STOPS", {}).isEmpty())
        GTEST_SKIP() << "stops the message loop: runs in a child (MessageThreadWait)";
#if JUCE_LINUX
    auto* mm = juce::MessageManager::getInstance();
    ASSERT_TRUE(testing_support::pumpUntilPostedHandled());
    const int queue = messageQueueDescriptor();
    ASSERT_GE(queue, 0);
    ASSERT_FALSE(messagePosted(queue, 0));

    // A handler holds its lock and asks for the message thread.
    juce::CriticalSection handlerLock;
    std::atomic<int> gained { -1 };
    std::thread handler([&] {
        const juce::ScopedLock sl(handlerLock);
        const MessageThreadLock lock;
        gained = lock.lockWasGained() ? 1 : 0;
    });
    const bool asked = messagePosted(queue, testing_support::patienceMs);

    // The loop stops before it reads the request, and the shutdown waits
    // for the handler to let its lock go.
    mm->stopDispatchLoop();
    mm->*quitReceivedFlag() = 1;
    EXPECT_FALSE(mm->runDispatchLoopUntil(1));
    const auto start = juce::Time::getMillisecondCounter();
    waitUntilLockIsFree(handlerLock);
    const auto waited = juce::Time::getMillisecondCounter() - start;
    handler.join();

    ASSERT_TRUE(asked) << "the handler's request never reached the queue";
    EXPECT_EQ(gained.load(), 0);
    // At once on a quiet machine; the bound leaves room for a busy one.
    EXPECT_LT(waited, 5000u);
#endif
}
