#pragma once

// A Host booted against simulated amplifiers, as the synchronisation and
// connection tests use it: the log captured, the virtual ports installed, a
// settling clock, and the Host destroyed at the end.
#include "Action/ActionManager.h"
#include "Action/MidiManager.h"
#include "Application/Host.h"
#include "Common/DeviceEnvironment.h"
#include "Core/MasterConnectionManager.h"
#include "DataCenter/DataCenter.h"
#include "GUI/Shell/MainComponent.h"
#include "support/MidiTestSupport.h"
#include "support/RecordingClock.h"
#include "support/SettlingClock.h"
#include "support/SimulatedAmplifier.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace testing_support
{
// Function byte and argument bytes of an editor SysEx message.
inline std::vector<int> request(const juce::MidiMessage& m)
{
    const auto* d = m.getRawData();
    return std::vector<int>(d + 6, d + m.getRawDataSize() - 1);
}

inline std::vector<std::vector<int>> requestsOf(const SimulatedAmplifier& amp)
{
    std::vector<std::vector<int>> out;
    for (const auto& m : amp.getReceived())
        out.push_back(request(m));
    return out;
}

inline SimulatedAmplifier::Bytes bytes(const unsigned char* p, int n)
{
    return p != nullptr ? SimulatedAmplifier::Bytes(p, p + n) : SimulatedAmplifier::Bytes();
}

struct BootedHostFixture : ::testing::Test
{
    BootedHostFixture() { MainComponent::m_TargetModelId = -1; }
    ~BootedHostFixture() override
    {
        Host::destroyInstance();
        MainComponent::m_TargetModelId = -1;
    }

    DataCenter* currentDataCenter() const
    {
        auto* environment = host != nullptr ? host->getDeviceEnvironment() : nullptr;
        return environment != nullptr ? environment->getDataCenter() : nullptr;
    }

    // Boots; the Host connects the amplifier its scan chooses. The
    // synchronisation the connection requested (timer 8) is cancelled, or
    // awaited when it already runs: the tests start their own.
    template <typename DC>
    DC* boot()
    {
        host = Host::createInstance();
        host->setBootFlag(true);
        host->getMasterConnectionManager()->scanDevices(true);
        EXPECT_TRUE(pumpUntil([this] { return ! host->isBooting(); }, testing_support::patienceMs));
        EXPECT_TRUE(pumpUntil([this] { return currentDataCenter() != nullptr && currentDataCenter()->isConnected(); },
                              testing_support::patienceMs));
        pumpFor(50);
        host->getActionManager()->stopTimer(ActionManager::eREQID_DELAYED_SYNCRONIZE);
        auto* midi = host->getMidiManager();
        EXPECT_TRUE(pumpUntil([midi] { return ! midi->isSyncRunning(); }, testing_support::patienceMs));
        return dynamic_cast<DC*>(currentDataCenter());
    }

    // Starts the synchronisation as the connection manager does (timer 8)
    // and waits until it has ended and `done` holds. The chain pauses on the
    // MIDI input thread itself: a clock that only records.
    bool synchronise(SimulatedAmplifier& amp, const std::function<bool()>& done)
    {
        amp.clearRecords();
        chainClock = std::make_unique<RecordingClock>();
        auto* midi = host->getMidiManager();
        host->getActionManager()->setTimerEventReq(ActionManager::eREQID_DELAYED_SYNCRONIZE, 1, 0);
        // Started once its mode request reached the amplifier (a fast chain
        // may end before the running flag is ever seen here).
        EXPECT_TRUE(pumpUntil([&amp] { return amp.getNumReceived() > 0; }, testing_support::patienceMs));
        return pumpUntil([&] { return ! midi->isSyncRunning() && done(); }, testing_support::patienceMs);
    }

    // Waits until nothing is on its way: the amplifiers have answered what
    // they received, the ports have delivered it and the message loop has
    // handled what was posted, a few rounds deep. A negative check made
    // after it sees a message the editor still had in flight.
    bool settle()
    {
        for (int round = 0; round < 3; ++round)
        {
            if (! pumpUntil([] { return SimulatedAmplifier::getNumUnanswered() == 0; }))
                return false;
            // Pumped: a data centre decodes under the message thread's lock.
            if (! pumpUntil([this] { return ports.isDelivered(); }))
                return false;
            if (! pumpUntilPostedHandled())
                return false;
        }
        return SimulatedAmplifier::getNumUnanswered() == 0;
    }

    // Waits until what the end of a chain started has been done: the
    // refreshes it asked for on timers (status, main window, preset pages,
    // the chain's end) have run and nothing they set going is on its way
    // (settle()). A page read after it shows what the chain left there; no
    // refresh still to come changes it under the test's feet, however late a
    // busy machine runs it.
    bool settleRefreshes()
    {
        auto* actions = host != nullptr ? host->getActionManager() : nullptr;
        const auto refreshing = [actions] {
            for (int id : { ActionManager::timerStatusRefresh, ActionManager::timerMainRefresh, ActionManager::timerPresetRefresh,
                            ActionManager::timerReceiveChainEnd })
                if (actions != nullptr && actions->isTimerRunning(id))
                    return true;
            return false;
        };
        const auto end = juce::Time::getMillisecondCounter() + (juce::uint32) patienceMs;
        do
        {
            if (! pumpUntil([&] { return ! refreshing(); }) || ! settle())
                return false;
        } while (refreshing() && juce::Time::getMillisecondCounter() < end);
        return ! refreshing();
    }

    LogCapture log;
    ScopedVirtualPorts virtualPorts;
    VirtualMidiPortSystem& ports = virtualPorts.ports;
    SettlingClock clock { ports };
    std::unique_ptr<RecordingClock> chainClock;
    Host* host = nullptr;
};
} // namespace testing_support
