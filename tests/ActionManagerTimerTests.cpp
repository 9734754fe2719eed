// ActionManager's one-shot timers and the notices posted to it.
#include "Action/ActionManager.h"
#include "Application/Host.h"
#include "Common/DeviceEnvironment.h"
#include "Core/DeviceInfo.h"
#include "Core/MessageIds.h"
#include "Core/MyMessage.h"
#include "DataCenter/DataCenter.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

#include <vector>

using testing_support::pumpFor;
using testing_support::pumpUntil;

namespace
{
// Runs the real callback and records when a timer's action ran (a firing
// that re-arms the timer for the rest of its delay is no action).
class RecordingActionManager : public ActionManager
{
public:
    struct Firing
    {
        int id;
        juce::uint32 at;
    };

    void timerCallback(int id) override
    {
        const auto at = juce::Time::getMillisecondCounter();
        ActionManager::timerCallback(id);
        if (! isTimerRunning(id))
            fired.push_back({ id, at });
    }

    int count(int id) const
    {
        int n = 0;
        for (auto& f : fired)
            n += f.id == id ? 1 : 0;
        return n;
    }

    std::vector<Firing> fired;
};

// Collects the log while it is installed.
class CapturingLogger : public juce::Logger
{
public:
    CapturingLogger() : previous(juce::Logger::getCurrentLogger()) { juce::Logger::setCurrentLogger(this); }
    ~CapturingLogger() override { juce::Logger::setCurrentLogger(previous); }
    void logMessage(const juce::String& message) override { lines.add(message); }
    bool has(const juce::String& line) const { return lines.contains(line); }
    juce::Logger* const previous;
    juce::StringArray lines;
};
} // namespace

TEST(ActionManagerTimers, ARequestFiresOnceAfterItsDelay)
{
    RecordingActionManager actions;
    const auto start = juce::Time::getMillisecondCounter();
    actions.setTimerEventReq(ActionManager::timerReceiveChainEnd, 80, 0);
    EXPECT_TRUE(actions.isTimerRunning(ActionManager::timerReceiveChainEnd));
    EXPECT_EQ(actions.getTimerInterval(ActionManager::timerReceiveChainEnd), 80);

    ASSERT_TRUE(pumpUntil([&] { return ! actions.fired.empty(); }));
    EXPECT_GE(actions.fired[0].at - start, 70u);
    EXPECT_FALSE(actions.isTimerRunning(ActionManager::timerReceiveChainEnd));

    pumpFor(250);
    EXPECT_EQ(actions.count(ActionManager::timerReceiveChainEnd), 1);
}

TEST(ActionManagerTimers, ASecondRequestRestartsARunningTimer)
{
    RecordingActionManager actions;
    const auto start = juce::Time::getMillisecondCounter();
    actions.setTimerEventReq(ActionManager::timerPresetRefresh, 150, 0);
    pumpFor(100);
    ASSERT_TRUE(actions.fired.empty());
    const auto second = juce::Time::getMillisecondCounter();
    actions.setTimerEventReq(ActionManager::timerPresetRefresh, 150, 0);

    ASSERT_TRUE(pumpUntil([&] { return ! actions.fired.empty(); }));
    EXPECT_GE(actions.fired[0].at - second, 140u);
    EXPECT_GE(actions.fired[0].at - start, 240u);
    pumpFor(250);
    EXPECT_EQ(actions.count(ActionManager::timerPresetRefresh), 1);

    // Timers are independent: two ids requested together both fire.
    actions.fired.clear();
    actions.setTimerEventReq(ActionManager::timerPresetRefresh, 10, 0);
    actions.setTimerEventReq(ActionManager::timerReceiveChainEnd, 20, 0);
    ASSERT_TRUE(pumpUntil([&] { return actions.fired.size() == 2; }));
}

TEST(ActionManagerTimers, StoppedTimersNeverFire)
{
    RecordingActionManager actions;
    actions.setTimerEventReq(ActionManager::timerReceiveChainEnd, 30, 0);
    actions.stopTimer(ActionManager::timerReceiveChainEnd);
    EXPECT_FALSE(actions.isTimerRunning(ActionManager::timerReceiveChainEnd));

    actions.setTimerEventReq(ActionManager::timerPresetRefresh, 30, 0);
    actions.setTimerEventReq(ActionManager::eREQID_MODEREQUEST_TIMEOUT, 30, 0);
    actions.stopAllTimers();
    EXPECT_FALSE(actions.isTimerRunning(ActionManager::timerPresetRefresh));
    EXPECT_FALSE(actions.isTimerRunning(ActionManager::eREQID_MODEREQUEST_TIMEOUT));

    pumpFor(150);
    EXPECT_TRUE(actions.fired.empty());
}

TEST(ActionManagerTimers, DelayedSynchronisationCancelsAPendingSetUp)
{
    CapturingLogger log;
    RecordingActionManager actions;
    actions.setTimerEventReq(ActionManager::eREQID_DISCONNECT_STARTUP, 400, 0);
    actions.setTimerEventReq(ActionManager::eREQID_DELAYED_SYNCRONIZE, 20, 0);

    ASSERT_TRUE(pumpUntil([&] { return actions.count(ActionManager::eREQID_DELAYED_SYNCRONIZE) == 1; }));
    EXPECT_FALSE(actions.isTimerRunning(ActionManager::eREQID_DISCONNECT_STARTUP));
    EXPECT_TRUE(log.has("Application::timerCallback() timer(eREQID_DISCONNECT_STARTUP) stopped"));
    pumpFor(500);
    EXPECT_EQ(actions.count(ActionManager::eREQID_DISCONNECT_STARTUP), 0);

    // With no set-up pending there is nothing to stop and nothing logged about it.
    log.lines.clear();
    actions.setTimerEventReq(ActionManager::eREQID_DELAYED_SYNCRONIZE, 1, 0);
    ASSERT_TRUE(pumpUntil([&] { return actions.count(ActionManager::eREQID_DELAYED_SYNCRONIZE) == 2; }));
    EXPECT_FALSE(log.has("Application::timerCallback() timer(eREQID_DISCONNECT_STARTUP) stopped"));
}

TEST(ActionManagerTimers, ModeRequestTimeoutLogsAndStops)
{
    CapturingLogger log;
    RecordingActionManager actions;
    actions.setTimerEventReq(ActionManager::eREQID_MODEREQUEST_TIMEOUT, 1, 0);
    ASSERT_TRUE(pumpUntil([&] { return log.has("ActionManager::timerCallback() eREQID_MODEREQUEST_TIMEOUT\n"); }));
    EXPECT_FALSE(actions.isTimerRunning(ActionManager::eREQID_MODEREQUEST_TIMEOUT));
}

TEST(ActionManagerTimers, HostOwnsTheSequencerAndTimer14ReachesIt)
{
    auto* host = Host::createInstance();
    auto* actions = host->getActionManager();
    ASSERT_NE(actions, nullptr);
    EXPECT_TRUE(actions->executeQuit(-1));

    {
        CapturingLogger log;
        actions->setTimerEventReq(ActionManager::timerAnotherInstance, 1, 0);
        ASSERT_TRUE(pumpUntil([&] { return log.has("Host::handleAnotherInstanceFinishedMessage() .. exit\n"); }));
        EXPECT_TRUE(log.has("Host::handleAnotherInstanceFinishedMessage()\n"));
        EXPECT_FALSE(actions->isTimerRunning(ActionManager::timerAnotherInstance));
    }

    // The main-window refresh runs with and without a window.
    actions->setTimerEventReq(ActionManager::timerMainRefresh, 1, 0);
    pumpFor(30);
    host->run();
    actions->setTimerEventReq(ActionManager::timerMainRefresh, 1, 0);
    ASSERT_TRUE(pumpUntil([&] { return ! actions->isTimerRunning(ActionManager::timerMainRefresh); }));

    // Timers still pending at teardown never fire into a deleted Host.
    actions->setTimerEventReq(ActionManager::timerAnotherInstance, 20, 0);
    actions->setTimerEventReq(ActionManager::timerMainRefresh, 20, 0);
    Host::destroyInstance();
    CapturingLogger log;
    pumpFor(80);
    EXPECT_TRUE(log.lines.isEmpty()) << log.lines.joinIntoString("|");
}

TEST(ActionManagerTimers, PostedNoticesAreDeletedWithoutAction)
{
    RecordingActionManager actions;
    std::vector<juce::Message::Ptr> sent;
    for (int id : { MessageId::DeviceFound, MessageId::CustomBulkReceiveComplete, MessageId::AudioEQBulkReceiveComplete })
    {
        auto* message = MyMessage::create(id, 1, 2, 3, 4);
        sent.emplace_back(message);
        actions.postMessage(message);
    }

    ASSERT_TRUE(pumpUntil([&] {
        for (auto& m : sent)
            if (static_cast<MyMessage*>(m.get())->getRecord() != nullptr)
                return false;
        return true;
    }));
    EXPECT_TRUE(actions.fired.empty());
    for (int id : { 1, 2, 4, 5, 8, 10, 11, 13, 14 })
        EXPECT_FALSE(actions.isTimerRunning(id)) << id;
}

TEST(ActionManagerTimers, TheBlankProgramCheckOpensANewFileOnlyForAnOrvaModelWithoutFiles)
{
    auto* host = Host::createInstance();
    auto* actions = host->getActionManager();
    const juce::String newFileLine = "ActionManager::timerCallback() eREQID_BLANKPROG_CHECK => exec cmdFileNew\n";
    for (int model = 0; model <= 5; ++model)
    {
        for (const int openFiles : { 0, 1 })
        {
            SCOPED_TRACE("model " + std::to_string(model) + ", files " + std::to_string(openFiles));
            host->changeDeviceEnvironment(DeviceInfo((eProductModelId) model, false, 0, {}, 0, {}, 0, 0, 0, kMediaTypeUnknown));
            ASSERT_NE(host->getDeviceEnvironment(), nullptr);
            auto* dataCenter = host->getDeviceEnvironment()->getDataCenter();
            ASSERT_NE(dataCenter, nullptr);
            dataCenter->setFileCount(openFiles);

            CapturingLogger log;
            actions->setTimerEventReq(ActionManager::eREQID_BLANKPROG_CHECK, 1, 0);
            ASSERT_TRUE(pumpUntil([&] { return ! actions->isTimerRunning(ActionManager::eREQID_BLANKPROG_CHECK); }));
            EXPECT_EQ(log.has(newFileLine), model >= 2 && openFiles == 0);
            pumpFor(20); // the posted command runs (without a view it opens nothing)
        }
    }
    Host::destroyInstance();
}
