// Watching the system's MIDI ports without polling: where no sequencer runs
// yet, the sound device folder is watched for its device to appear.
#include "Platform/AlsaPortWatch.h"
#include "support/ThreadWakes.h"

#include <gtest/gtest.h>

#include <atomic>

#if JUCE_LINUX

namespace
{
bool waitFor(const std::function<bool()>& condition, int timeoutMs = 2000)
{
    const auto end = juce::Time::getMillisecondCounter() + (juce::uint32) timeoutMs;
    while (! condition() && juce::Time::getMillisecondCounter() < end)
        juce::Thread::sleep(5);
    return condition();
}
} // namespace

TEST(AlsaPortWatch, TheSequencerDeviceAppearingIsToldAndTheWatchSleepsOtherwise)
{
    const auto parent = juce::File::createTempFile("portwatch");
    ASSERT_TRUE(parent.createDirectory());
    const auto folder = parent.getChildFile("snd");

    std::atomic<int> changes { 0 };
    const auto before = testing_support::threadIds();
    {
        AlsaPortWatch watch([&] { ++changes; }, folder);
        ASSERT_TRUE(watch.isWatching());
        EXPECT_FALSE(watch.hasSequencer());

        // Nothing happens: nothing wakes.
        int threads = 0;
        EXPECT_LE(testing_support::wakesOfNewThreadsWithin(before, 400, &threads), 1);
        EXPECT_EQ(threads, 1);
        EXPECT_EQ(changes.load(), 0);

        // The folder comes (a sound driver loads), then its devices; other
        // files in the folder above are none of its business.
        ASSERT_TRUE(parent.getChildFile("other").create());
        ASSERT_TRUE(folder.createDirectory());
        ASSERT_TRUE(waitFor([&] { return changes.load() == 1; }));
        ASSERT_TRUE(folder.getChildFile("controlC0").create());
        juce::Thread::sleep(100);
        EXPECT_EQ(changes.load(), 1);

        // A file called like the sequencer's device, not a device: told, but
        // no sequencer is opened on it.
        ASSERT_TRUE(folder.getChildFile("seq").create());
        ASSERT_TRUE(waitFor([&] { return changes.load() == 2; }));
        EXPECT_FALSE(watch.hasSequencer());

        // The folder going and coming back is followed too.
        ASSERT_TRUE(folder.deleteRecursively());
        ASSERT_TRUE(waitFor([&] { return changes.load() >= 3; }));
        const int afterRemoval = changes.load();
        ASSERT_TRUE(folder.createDirectory());
        ASSERT_TRUE(waitFor([&] { return changes.load() > afterRemoval; }));
        const int afterReturn = changes.load();
        ASSERT_TRUE(folder.getChildFile("seq").create());
        ASSERT_TRUE(waitFor([&] { return changes.load() > afterReturn; }));
    }
    // Destroyed, its thread is gone.
    for (const int id : testing_support::threadIds())
        EXPECT_EQ(before.count(id), 1u);
    parent.deleteRecursively();
}
#endif
