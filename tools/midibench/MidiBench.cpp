// Measures the MIDI path over the virtual ports: the time from an edit of a
// program section (what a widget gesture does) to its bytes arriving at the
// simulated amplifier, on a nanosecond clock; a request/reply round trip
// through the MIDI input thread; and how many heap allocations the input
// path makes per message.
#include "Action/MidiManager.h"
#include "Application/Host.h"
#include "OrvaKX/OKXDataCenter.h"
#include "support/SimulatedAmplifier.h"

#include <juce_events/juce_events.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <vector>

namespace
{
std::atomic<long> allocations { 0 };
std::atomic<bool> counting { false };
} // namespace

// Every heap allocation goes through malloc, calloc or realloc (operator new
// and JUCE's HeapBlock included); count them while counting is on.
extern "C" void* __libc_malloc(std::size_t);
extern "C" void* __libc_calloc(std::size_t, std::size_t);
extern "C" void* __libc_realloc(void*, std::size_t);

extern "C" void* malloc(std::size_t size)
{
    if (counting.load(std::memory_order_relaxed))
        ++allocations;
    return __libc_malloc(size);
}

extern "C" void* calloc(std::size_t n, std::size_t size)
{
    if (counting.load(std::memory_order_relaxed))
        ++allocations;
    return __libc_calloc(n, size);
}

extern "C" void* realloc(void* p, std::size_t size)
{
    if (counting.load(std::memory_order_relaxed))
        ++allocations;
    return __libc_realloc(p, size);
}

namespace
{
struct Counter : CRSMidiListener
{
    void OnRSMidiListenerRcvSysExMessage(MidiManager*, MidiInputPort*, const juce::MidiMessage&) override
    {
        lastTime = juce::Time::getMillisecondCounterHiRes();
        ++count;
    }
    std::atomic<int> count { 0 };
    std::atomic<double> lastTime { 0 };
};

void report(const char* what, std::vector<double> us)
{
    std::sort(us.begin(), us.end());
    std::printf("%s: n=%zu median %.3f us, p99 %.3f us, worst %.3f us\n", what, us.size(), us[us.size() / 2],
                us[us.size() * 99 / 100], us.back());
}
} // namespace

int main()
{
    juce::MessageManager::getInstance(); // this thread is the message thread
    VirtualMidiPortSystem ports;
    MidiPortSystem::setCurrent(&ports);
    {
        SimulatedAmplifier amp(ports, 2);
        auto* host = Host::createInstance();
        auto& midi = *host->getMidiManager();
        midi.setModel(2);
        midi.openMIDIInPort(midi.getMIDIInPortFromName(amp.getPortName()));
        midi.openMIDIOutPort(midi.getMIDIOutPortFromName(amp.getPortName()));
        Counter listener;
        midi.AddListener(&listener);

        // 1. A section edit -> bytes at the amplifier (the amplifier notes
        // their arrival on the sender's thread, on the same steady clock).
        {
            OKXDataCenter dc;
            dc.Init(host);
            auto& section = dc.getUserEditSection();
            const int id = 0x0400; // a knob of the amp module: one parameter change
            std::vector<double> oneWay;
            for (int i = 0; i < 10000; ++i)
            {
                const auto before = amp.getLastReceiveNanos();
                const auto start =
                    std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
                        .count();
                section.PutParamI(id, i & 1 ? 10 : 90);
                const auto arrived = amp.getLastReceiveNanos();
                if (arrived != before)
                    oneWay.push_back((double) (arrived - start) / 1000.0);
            }
            if (oneWay.empty())
                std::printf("section edit -> amplifier: nothing arrived\n");
            else
                report("section edit -> amplifier", oneWay);
        }

        // 2. Mode request -> 0x42 reply at a MidiManager listener.
        std::vector<double> roundTrip;
        for (int i = 0; i < 2000; ++i)
        {
            const int before = listener.count;
            const auto start = juce::Time::getMillisecondCounterHiRes();
            midi.sendModeRequest();
            while (listener.count == before)
                juce::Thread::yield();
            roundTrip.push_back((listener.lastTime - start) * 1000.0);
        }
        report("mode request -> reply at listener", roundTrip);

        // 3. Allocations: MidiManager's dispatch alone, then the whole virtual
        // input path (queue + per-port copy + dispatch), per message.
        const juce::uint8 body[] = { 0x42, 0x30, 0x00, 0x01, 0x41, 0x41, 0x04, 0x00, 0x48, 0x01 };
        const auto message = juce::MidiMessage::createSysExMessage(body, (int) sizeof(body));
        const int n = 10000;
        allocations = 0;
        counting = true;
        for (int i = 0; i < n; ++i)
            midi.handleIncomingMidiMessage(nullptr, message);
        counting = false;
        std::printf("dispatch: %.2f allocations per message\n", (double) allocations / n);

        amp.setSilent(true);
        const int before = listener.count;
        allocations = 0;
        counting = true;
        for (int i = 0; i < n; ++i)
            amp.send(message);
        while (listener.count < before + n)
            juce::Thread::yield();
        counting = false;
        std::printf("virtual input path (amplifier send -> listener): %.2f allocations per message "
                    "(includes the amplifier's own record of what it sent)\n",
                    (double) allocations / n);
    }
    Host::destroyInstance();
    MidiPortSystem::setCurrent(nullptr);
    juce::DeletedAtShutdown::deleteAll();
    juce::MessageManager::deleteInstance();
    return 0;
}
