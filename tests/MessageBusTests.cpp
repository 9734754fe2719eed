#include "Core/MessageEngine.h"
#include "Core/MessageIds.h"
#include "Singleton.h"
#include "support/TestHelpers.h"

#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace
{
struct BusFixture : ::testing::Test
{
    void SetUp() override { bus = ZEZESingleton<MessageEngine>::CreateInstance(); }
    void TearDown() override
    {
        testing_support::pumpFor(10);
        ZEZESingleton<MessageEngine>::DestroyInstance();
    }
    MessageEngine* bus = nullptr;
};

// Records the ids it receives under a name, and may run an action on receipt.
struct RecordingListener : juce::MessageListener
{
    RecordingListener(std::vector<juce::String>& log, juce::String n) : journal(log), name(std::move(n)) {}

    void handleMessage(const juce::Message& m) override
    {
        if (auto* mm = dynamic_cast<const MyMessage*>(&m))
            journal.push_back(name + ":" + juce::String(mm->getId()));
        if (onMessage)
            onMessage();
    }

    std::vector<juce::String>& journal;
    juce::String name;
    std::function<void()> onMessage;
};

// A message whose destruction is observable.
struct TrackedMessage : MyMessage
{
    TrackedMessage(int id, bool& flag) : MyMessage(new MyMessageRecord { id, 0, 0, 0, 0, 0, nullptr }), destroyed(flag) {}
    ~TrackedMessage() override { destroyed = true; }
    bool& destroyed;
};
} // namespace

TEST_F(BusFixture, DeliversInRegistrationOrderAndFreesTheMessage)
{
    std::vector<juce::String> log;
    RecordingListener first(log, "first"), second(log, "second"), third(log, "third");
    bus->addListener(&first);
    bus->addListener(&second);
    bus->addListener(&third);

    bool destroyed = false;
    broadcastMessage(new TrackedMessage(MessageId::ScanFinished, destroyed));
    EXPECT_TRUE(log.empty()) << "delivery is asynchronous";
    ASSERT_TRUE(testing_support::pumpUntil([&] { return log.size() == 3; }));

    EXPECT_EQ(log, (std::vector<juce::String> { "first:24", "second:24", "third:24" }));
    EXPECT_TRUE(destroyed);

    bus->removeListener(&first);
    bus->removeListener(&second);
    bus->removeListener(&third);
}

TEST_F(BusFixture, ListenersRemovedOrAddedDuringDeliveryAreSkippedOrReached)
{
    std::vector<juce::String> log;
    RecordingListener a(log, "a"), b(log, "b"), c(log, "c"), late(log, "late");
    bus->addListener(&a);
    bus->addListener(&b);
    bus->addListener(&c);

    // a removes c (further down) and appends late: c is skipped, late is reached.
    a.onMessage = [&] {
        bus->removeListener(&c);
        bus->addListener(&late);
        a.onMessage = nullptr;
    };
    broadcastMessageId(MessageId::MidiDevicesChanged);
    ASSERT_TRUE(testing_support::pumpUntil([&] { return log.size() >= 3; }));
    testing_support::pumpFor(20);
    EXPECT_EQ(log, (std::vector<juce::String> { "a:29", "b:29", "late:29" }));

    // b removes a (already called): delivery goes on with the entry after b.
    log.clear();
    b.onMessage = [&] { bus->removeListener(&a); };
    broadcastMessageId(MessageId::MidiDevicesChanged);
    ASSERT_TRUE(testing_support::pumpUntil([&] { return log.size() >= 3; }));
    testing_support::pumpFor(20);
    EXPECT_EQ(log, (std::vector<juce::String> { "a:29", "b:29", "late:29" }));

    bus->removeListener(&b);
    bus->removeListener(&late);
}

TEST_F(BusFixture, RemoveOfUnknownListenerIsFalseAndChangesNothing)
{
    std::vector<juce::String> log;
    RecordingListener a(log, "a"), stranger(log, "x");
    bus->addListener(&a);
    EXPECT_FALSE(bus->removeListener(&stranger));
    EXPECT_EQ(bus->getNumListeners(), 1);
    EXPECT_TRUE(bus->removeListener(&a));
    EXPECT_FALSE(bus->removeListener(&a));
}

TEST_F(BusFixture, BroadcastWithoutListenersFreesTheMessage)
{
    bool destroyed = false;
    broadcastMessage(new TrackedMessage(MessageId::DeviceEnvironmentChanged, destroyed));
    ASSERT_TRUE(testing_support::pumpUntil([&] { return destroyed; }));
}

TEST_F(BusFixture, AFailedCastEndsTheDeliveryOfThatMessageOnly)
{
    std::vector<juce::String> log;
    RecordingListener a(log, "a"), b(log, "b");
    bus->addListener(&a);
    bus->addListener(&b);
    a.onMessage = [&] { throw std::bad_cast(); };

    broadcastMessageId(MessageId::ScanFinished);
    testing_support::pumpFor(30);
    EXPECT_EQ(log, (std::vector<juce::String> { "a:24" }));

    a.onMessage = nullptr;
    broadcastMessageId(MessageId::ScanFinished);
    ASSERT_TRUE(testing_support::pumpUntil([&] { return log.size() == 3; }));

    bus->removeListener(&a);
    bus->removeListener(&b);
}

TEST(MessageBusWithoutEngine, BroadcastBeforeTheBusExistsDeliversNothingAndFreesTheMessage)
{
    ASSERT_EQ(MessageEngine::instance(), nullptr);
    bool destroyed = false;
    broadcastMessage(new TrackedMessage(MessageId::ScanFinished, destroyed));
    EXPECT_TRUE(destroyed);
}

TEST(MessageBusDirectPosting, ReceiverDeletesTheRecordAndTheMessageIsFreed)
{
    struct Receiver : juce::MessageListener
    {
        void handleMessage(const juce::Message& m) override
        {
            auto* mm = dynamic_cast<const MyMessage*>(&m);
            ASSERT_NE(mm, nullptr);
            received = mm->getId();
            const_cast<MyMessage*>(mm)->deleteRecord();
        }
        int received = 0;
    } receiver;

    bool destroyed = false;
    postMessageTo(&receiver, new TrackedMessage(MessageId::DeviceFound, destroyed));
    ASSERT_TRUE(testing_support::pumpUntil([&] { return destroyed; }));
    EXPECT_EQ(receiver.received, MessageId::DeviceFound);

    // A message for a receiver that is gone is freed, not delivered.
    destroyed = false;
    {
        Receiver gone;
        postMessageTo(&gone, new TrackedMessage(MessageId::DeviceFound, destroyed));
    }
    ASSERT_TRUE(testing_support::pumpUntil([&] { return destroyed; }));

    destroyed = false;
    postMessageTo(nullptr, new TrackedMessage(MessageId::DeviceFound, destroyed));
    EXPECT_TRUE(destroyed);
}

namespace
{
struct Counted
{
    Counted() { ++alive; }
    ~Counted() { --alive; }
    static inline int alive = 0;
};

struct Lazy : Singleton<Lazy>
{
    int value = 7;
};
} // namespace

TEST(SingletonTemplates, ReferenceCountedInstanceLivesUntilTheLastDestroy)
{
    auto* first = ZEZESingleton<Counted>::CreateInstance();
    auto* second = ZEZESingleton<Counted>::CreateInstance();
    EXPECT_EQ(first, second);
    EXPECT_EQ(ZEZESingleton<Counted>::referenceCount(), 2);
    ZEZESingleton<Counted>::DestroyInstance();
    EXPECT_EQ(Counted::alive, 1);
    EXPECT_EQ(ZEZESingleton<Counted>::instance(), first);
    ZEZESingleton<Counted>::DestroyInstance();
    EXPECT_EQ(Counted::alive, 0);
    EXPECT_EQ(ZEZESingleton<Counted>::instance(), nullptr);
    ZEZESingleton<Counted>::DestroyInstance(); // below zero: nothing happens
    EXPECT_EQ(ZEZESingleton<Counted>::referenceCount(), 0);
}

TEST(SingletonTemplates, LazySingletonIsCreatedAgainAfterDeletion)
{
    auto* first = Lazy::getInstance();
    EXPECT_EQ(Lazy::getInstance(), first);
    first->value = 9;
    delete first;
    EXPECT_EQ(Lazy::getInstanceWithoutCreating(), nullptr);
    auto* second = Lazy::getInstance();
    EXPECT_EQ(second->value, 7);
    Lazy::deleteInstance();
}
