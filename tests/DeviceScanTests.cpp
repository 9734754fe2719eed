// Device scanning over virtual ports with simulated amplifiers: which outputs
// are probed, what the replies become, the pauses, and the scan ports'
// opening and closing.
#include "Action/MidiManager.h"
#include "Connection/DeviceScanMidiPortManager.h"
#include "Connection/DeviceScanner.h"
#include "Core/ConnectedDeviceInfoList.h"
#include "Core/MessageEngine.h"
#include "Core/MessageIds.h"
#include "Core/SupportedModels.h"
#include "support/MidiTestSupport.h"
#include "support/SettlingClock.h"
#include "support/SimulatedAmplifier.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

namespace
{
struct BusRecorder : juce::MessageListener
{
    BusRecorder() { MessageEngine::instance()->addListener(this); }
    ~BusRecorder() override { MessageEngine::instance()->removeListener(this); }
    void handleMessage(const juce::Message& m) override
    {
        if (auto* my = dynamic_cast<const MyMessage*>(&m))
            ids.push_back(my->getId());
    }
    std::vector<int> ids;
};

struct ScanFixture : ::testing::Test
{
    ScanFixture()
    {
        ZEZESingleton<MessageEngine>::CreateInstance();
        SupportedModels::CreateInstance();
        ConnectedDeviceInfoList::CreateInstance();
        bus = std::make_unique<BusRecorder>();
    }
    ~ScanFixture() override
    {
        scanner.reset();
        portManager.reset();
        bus.reset();
        testing_support::pumpFor(5);
        ConnectedDeviceInfoList::DestroyInstance();
        SupportedModels::DestroyInstance();
        ZEZESingleton<MessageEngine>::DestroyInstance();
    }

    ConnectedDeviceInfoList& list() { return *ConnectedDeviceInfoList::instance(); }

    // Opens the ports, scans, waits for the end message and closes the ports.
    void scan(DeviceScanner::eScanMode mode = DeviceScanner::kScanModeBoot)
    {
        bus->ids.clear();
        portManager->openAllPorts(scanner.get());
        scanner->execute(1500, mode);
        const int endId = mode == DeviceScanner::kScanModeBoot ? MessageId::ScanFinished : MessageId::ReconnectScanFinished;
        ASSERT_TRUE(testing_support::pumpUntil(
            [&] { return std::find(bus->ids.begin(), bus->ids.end(), endId) != bus->ids.end(); }, 5000));
        scanner->waitForThreadToExit(2000);
        portManager->closeAllPorts();
    }

    static juce::MidiMessage reply(std::vector<juce::uint8> body)
    {
        return juce::MidiMessage::createSysExMessage(body.data(), (int) body.size());
    }

    testing_support::ScopedVirtualPorts virtualPorts;
    VirtualMidiPortSystem& ports = virtualPorts.ports;
    SettlingClock clock { ports };
    MidiManager midi;
    std::unique_ptr<BusRecorder> bus;
    std::unique_ptr<DeviceScanMidiPortManager> portManager = std::make_unique<DeviceScanMidiPortManager>(&midi);
    std::unique_ptr<DeviceScanner> scanner = std::make_unique<DeviceScanner>(portManager.get());
};

int identityRequestsReceived(const SimulatedAmplifier& amp)
{
    int n = 0;
    for (auto& m : amp.getReceived())
        if (testing_support::bytesOf(m) == std::vector<int> { 0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7 })
            ++n;
    return n;
}
} // namespace

TEST_F(ScanFixture, IdentifiesEachModelWithPortsAndVersions)
{
    const int families[] = { 0x132, 0x134, 0x141, 0x141, 0x141, 0x141 };
    const int media[] = { 0, 0, 0, 0, 1, 1 };
    for (int model = 0; model < 6; ++model)
    {
        SimulatedAmplifier amp(ports, model);
        amp.setVersions(0x0203 + model, 0x0105);
        scan();
        ASSERT_EQ(list().getNumDevices(), 1u) << model;
        const auto d = list().getDeviceInfo(0);
        EXPECT_EQ(d.model, model);
        EXPECT_TRUE(d.isConnected());
        EXPECT_EQ(d.midiInName, amp.getPortName());
        EXPECT_EQ(d.midiOutName, amp.getPortName());
        EXPECT_EQ(d.midiInIndex, ports.getInputNames().indexOf(amp.getPortName()));
        EXPECT_EQ(d.midiOutIndex, ports.getOutputNames().indexOf(amp.getPortName()));
        EXPECT_EQ(d.version1, 0x0203 + model);
        EXPECT_EQ(d.version2, 0x0105);
        EXPECT_EQ(d.family, families[model]);
        EXPECT_EQ(d.mediaType, media[model]) << model;
        EXPECT_EQ(scanner->getFoundCount(), 1);
    }
}

TEST(SettlingClock, APauseWaitsForAnAmplifierLateToAnswerAndItsReply)
{
    // The amplifier's answering thread is late, as on a busy machine: the
    // pause that waits for the reply still sees it delivered.
    testing_support::ScopedVirtualPorts virtualPorts;
    auto& ports = virtualPorts.ports;
    SettlingClock clock { ports };
    SimulatedAmplifier amp(ports, 3);
    amp.setIgnoredRequests([](const SimulatedAmplifier::Bytes&) {
        juce::Thread::sleep(150);
        return false;
    });
    struct Replies : MidiInputPortCallback
    {
        void handleIncomingMidiMessage(MidiInputPort*, const juce::MidiMessage&) override { ++count; }
        std::atomic<int> count { 0 };
    } replies;
    auto input = ports.openInput(ports.getInputNames().indexOf(amp.getPortName()), &replies);
    auto output = ports.openOutput(ports.getOutputNames().indexOf(amp.getPortName()));
    ASSERT_TRUE(input != nullptr && output != nullptr);
    input->start();

    // The mode request, twice: each answered with the mode.
    const juce::uint8 modeRequest[] = { 0x42, 0x30, 0x00, 0x01, (juce::uint8) amp.getModelByte(), 0x12 };
    for (int i = 1; i <= 2; ++i)
    {
        output->sendMessageNow(juce::MidiMessage::createSysExMessage(modeRequest, (int) sizeof(modeRequest)));
        clock.sleep(5);
        EXPECT_EQ(replies.count.load(), i);
        EXPECT_EQ(SimulatedAmplifier::getNumUnanswered(), 0);
    }
    EXPECT_EQ(clock.getPauses(), (std::vector<int> { 5, 5 }));

    // A reply the delay switch holds back is meant to come late: not waited for.
    amp.setIgnoredRequests({});
    amp.setReplyDelayMs(300);
    output->sendMessageNow(juce::MidiMessage::createSysExMessage(modeRequest, (int) sizeof(modeRequest)));
    clock.sleep(5);
    EXPECT_EQ(replies.count.load(), 2);
    input->stop();
}

TEST_F(ScanFixture, ProbesOnlyOutputsWithAKeyStringAndKeepsThePauses)
{
    SimulatedAmplifier unnamed(ports, 1, "Some Synth");
    SimulatedAmplifier lowercase(ports, 1, "hesperine x");
    SimulatedAmplifier suffixed(ports, 0, "ZUL 2ch Audio Device MIDI 2");
    SimulatedAmplifier converter(ports, 4, "PZ-KW06 Bluetooth");
    clock.clear();
    scan();

    EXPECT_EQ(identityRequestsReceived(unnamed), 0);
    EXPECT_EQ(identityRequestsReceived(lowercase), 0);
    EXPECT_EQ(identityRequestsReceived(suffixed), 1);
    EXPECT_EQ(identityRequestsReceived(converter), 1);
    EXPECT_EQ(list().getNumDevices(), 2u);

    // Open 150, settle 200, two probes of 500 + 150, final 1500, close 150.
    EXPECT_EQ(clock.getPauses(), (std::vector<int> { 150, 200, 500, 150, 500, 150, 1500, 150 }));
    EXPECT_EQ(bus->ids, std::vector<int> { MessageId::ScanFinished });
}

TEST_F(ScanFixture, TwoAmplifiersGiveTwoSortedEntriesAndReconnectModeEndsWith31)
{
    SimulatedAmplifier okx(ports, 2);
    SimulatedAmplifier hmq(ports, 1);
    scan(DeviceScanner::kScanModeReconnect);
    ASSERT_EQ(list().getNumDevices(), 2u);
    EXPECT_EQ(list().getDeviceInfo(0).model, 1);
    EXPECT_EQ(list().getDeviceInfo(1).model, 2);
    EXPECT_EQ(bus->ids, std::vector<int> { MessageId::ReconnectScanFinished });
}

TEST_F(ScanFixture, NoAmplifierGivesEmptyListAndEndMessage)
{
    ports.addInputDevice("Keyboard");
    ports.addOutputDevice("Keyboard", [](const juce::MidiMessage&) {});
    list().add(DeviceInfo(kProductModelHMQ, false, 0, "stale", 0, "stale", 0, 0, 0, kMediaTypeUnknown));
    scan();
    EXPECT_EQ(list().getNumDevices(), 0u);
    EXPECT_EQ(bus->ids, std::vector<int> { MessageId::ScanFinished });
}

TEST_F(ScanFixture, WithoutAnyPortTheScanSkipsThePausesAndStillEnds)
{
    clock.clear();
    scan();
    EXPECT_EQ(list().getNumDevices(), 0u);
    EXPECT_TRUE(clock.getPauses().empty());
    EXPECT_EQ(bus->ids, std::vector<int> { MessageId::ScanFinished });
}

TEST_F(ScanFixture, FaultyRepliesAreIgnored)
{
    SimulatedAmplifier truncated(ports, 1);
    truncated.setTruncateReplies(1);
    SimulatedAmplifier unknownMember(ports, 2, "ZUL 2ch Audio Device A");
    unknownMember.setCodes(0x141, 12);
    SimulatedAmplifier unknownFamily(ports, 0, "ZUL 2ch Audio Device B");
    unknownFamily.setCodes(0x150, 0);
    SimulatedAmplifier anyMember(ports, 1, "Hesperine X 2");
    anyMember.setCodes(0x134, 5);
    scan();
    ASSERT_EQ(list().getNumDevices(), 1u);
    EXPECT_EQ(list().getDeviceInfo(0).model, 1);
    EXPECT_EQ(list().getDeviceInfo(0).midiInName, "Hesperine X 2");
}

TEST_F(ScanFixture, ParserChecksLengthMakerAndHeader)
{
    ports.addOutputDevice("Orva PW", [](const juce::MidiMessage&) {});
    ports.addInputDevice("Orva PW");
    portManager->openAllPorts(scanner.get());
    struct NoCallback : MidiInputPortCallback
    {
        void handleIncomingMidiMessage(MidiInputPort*, const juce::MidiMessage&) override {}
    } noCallback;
    std::unique_ptr<MidiInputPort> source = ports.openInput(0, &noCallback);
    ASSERT_NE(source, nullptr);

    auto feed = [&](std::vector<juce::uint8> body) {
        scanner->OnRSMidiListenerRcvSysExMessage(&midi, source.get(), reply(body));
    };
    const std::vector<juce::uint8> good { 0x7E, 0x00, 0x06, 0x02, 0x42, 0x41, 0x01, 24, 0, 3, 0, 1, 0 };
    auto wrongMaker = good;
    wrongMaker[4] = 0x43;
    auto notReply = good;
    notReply[3] = 0x01;
    auto longer = good;
    longer.push_back(0);
    feed(wrongMaker);
    feed(notReply);
    feed(longer);
    feed(std::vector<juce::uint8>(good.begin(), good.end() - 1));
    EXPECT_EQ(list().getNumDevices(), 0u);

    // The probed output before the first run is -1: no output name.
    feed(good);
    ASSERT_EQ(list().getNumDevices(), 1u);
    const auto d = list().getDeviceInfo(0);
    EXPECT_EQ(d.model, kProductModelOPWlyn);
    EXPECT_EQ(d.version1, 1);
    EXPECT_EQ(d.version2, 3);
    EXPECT_EQ(d.midiInName, "Orva PW");
    EXPECT_EQ(d.midiInIndex, 0);
    EXPECT_EQ(d.mediaType, kMediaTypeBluetooth);
}

TEST_F(ScanFixture, OneAmplifierOnSeveralInputsIsListedOnce)
{
    // Three opened inputs: each reply reaches the scanner three times.
    ports.addInputDevice("Other 1");
    ports.addInputDevice("Other 2");
    SimulatedAmplifier amp(ports, 3);
    // A second input device of the same name carries the same reply.
    const int twin = ports.addInputDevice(amp.getPortName());
    portManager->openAllPorts(scanner.get());
    EXPECT_EQ(portManager->getNumOpenedInputs(), 4);
    EXPECT_EQ(midi.getNumListeners(), 4);

    scanner->execute(1500, DeviceScanner::kScanModeBoot);
    ASSERT_TRUE(testing_support::pumpUntil([&] { return ! bus->ids.empty(); }, testing_support::patienceMs));
    scanner->waitForThreadToExit(2000);
    const std::vector<juce::uint8> body { 0x7E, 0x00, 0x06, 0x02, 0x42, 0x41, 0x02, 8, 0, 0, 0, 0, 0 };
    ports.sendFromDevice(twin, reply(body));
    ports.waitUntilDelivered();

    EXPECT_EQ(list().getNumDevices(), 1u);
    EXPECT_EQ(scanner->getFoundCount(), 1);
    portManager->closeAllPorts();
}

// The closing pause and the scan that follows one: a reply that comes while
// the ports close (a slow amplifier, a busy machine) is still paired with the
// output it answers on, and a scan asked for by the end message starts though
// the ended run still holds its thread.
TEST_F(ScanFixture, TheEndOfAScanLosesNeitherALateReplyNorTheNextScan)
{
    ports.addOutputDevice("Orva PW", [](const juce::MidiMessage&) {});
    const int input = ports.addInputDevice("Orva PW");

    struct SlowToLeave : DeviceScanner
    {
        using DeviceScanner::DeviceScanner;
        ~SlowToLeave() override { stopThread(10000); }
        void run() override
        {
            DeviceScanner::run();
            // Still on its thread when the end message is handled.
            const auto end = juce::Time::getMillisecondCounter() + (juce::uint32) testing_support::patienceMs;
            while (! asked && juce::Time::getMillisecondCounter() < end)
                juce::Thread::sleep(1);
            juce::Thread::sleep(50);
        }
        std::atomic<bool> asked { false };
    };
    scanner.reset();
    auto* slow = new SlowToLeave(portManager.get());
    scanner.reset(slow);

    struct RescanOnEnd : juce::MessageListener
    {
        explicit RescanOnEnd(SlowToLeave& s) : scanner(s) { MessageEngine::instance()->addListener(this); }
        ~RescanOnEnd() override { MessageEngine::instance()->removeListener(this); }
        void handleMessage(const juce::Message& m) override
        {
            auto* my = dynamic_cast<const MyMessage*>(&m);
            if (my == nullptr || my->getId() != MessageId::ScanFinished)
                return;
            scanner.asked = true;
            scanner.execute(1500, DeviceScanner::kScanModeReconnect);
        }
        SlowToLeave& scanner;
    } rescan(*slow);

    portManager->openAllPorts(scanner.get());
    scanner->execute(1500, DeviceScanner::kScanModeBoot);
    ASSERT_TRUE(testing_support::pumpUntil([&] { return bus->ids.size() == 2; }, testing_support::patienceMs))
        << "the second scan never ran";
    EXPECT_EQ(bus->ids, (std::vector<int> { MessageId::ScanFinished, MessageId::ReconnectScanFinished }));
    ASSERT_TRUE(scanner->waitForThreadToExit(testing_support::patienceMs));
    EXPECT_EQ(list().getNumDevices(), 0u);

    // The reply arrives, twice, in the pause of the close.
    struct LateReply : RecordingClock
    {
        std::function<void()> onPause;
        void sleep(int ms) override
        {
            RecordingClock::sleep(ms);
            onPause();
        }
    } late;
    const std::vector<juce::uint8> body { 0x7E, 0x00, 0x06, 0x02, 0x42, 0x41, 0x01, 8, 0, 0, 0, 0, 0 };
    late.onPause = [&] {
        ports.sendFromDevice(input, reply(body));
        ports.sendFromDevice(input, reply(body));
        ports.waitUntilDelivered();
    };
    portManager->closeAllPorts();
    ASSERT_EQ(list().getNumDevices(), 1u);
    EXPECT_EQ(list().getDeviceInfo(0).midiOutName, "Orva PW");
    EXPECT_EQ(list().getDeviceInfo(0).midiOutIndex, 0);
    EXPECT_EQ(portManager->getNumOpenedOutputs(), 0);
    EXPECT_TRUE(portManager->getMidiOutDeviceName(0).isEmpty());
}

TEST_F(ScanFixture, ClosingReleasesInputsEvenWithoutOutputs)
{
    // Inputs only: nothing is opened, since a scan needs both kinds.
    ports.addInputDevice("Hesperine X");
    portManager->openAllPorts(scanner.get());
    EXPECT_EQ(portManager->getNumOpenedInputs(), 0);

    // Both kinds open; then the outputs vanish from the manager's view only
    // by a second open over a system without outputs: the earlier inputs
    // must not stay open and registered.
    const int out = ports.addOutputDevice("Hesperine X", [](const juce::MidiMessage&) {});
    portManager->openAllPorts(scanner.get());
    EXPECT_EQ(portManager->getNumOpenedInputs(), 1);
    EXPECT_EQ(midi.getNumListeners(), 1);
    ports.removeDevice(out);
    portManager->openAllPorts(scanner.get());
    EXPECT_EQ(portManager->getNumOpenedInputs(), 0);
    EXPECT_EQ(portManager->getNumOpenedOutputs(), 0);
    EXPECT_EQ(midi.getNumListeners(), 0);

    // Reopening twice does not stack listeners or ports.
    ports.addOutputDevice("Hesperine X", [](const juce::MidiMessage&) {});
    portManager->openAllPorts(scanner.get());
    portManager->openAllPorts(scanner.get());
    EXPECT_EQ(portManager->getNumOpenedInputs(), 1);
    EXPECT_EQ(portManager->getNumOpenedOutputs(), 1);
    EXPECT_EQ(midi.getNumListeners(), 1);
    portManager->closeAllPorts();
    EXPECT_EQ(midi.getNumListeners(), 0);
    EXPECT_TRUE(portManager->getMidiOutDeviceName(0).isEmpty());
    EXPECT_EQ(portManager->getMidiOut(0), nullptr);
}

TEST_F(ScanFixture, PortsClosedDuringAScanAreNotTouched)
{
    SimulatedAmplifier amp(ports, 1);
    portManager->openAllPorts(scanner.get());
    portManager->closeAllPorts();
    scanner->execute(1500, DeviceScanner::kScanModeReconnect);
    ASSERT_TRUE(testing_support::pumpUntil([&] { return ! bus->ids.empty(); }, testing_support::patienceMs));
    EXPECT_EQ(identityRequestsReceived(amp), 0);
    EXPECT_EQ(bus->ids, std::vector<int> { MessageId::ReconnectScanFinished });
}

TEST_F(ScanFixture, InputsOpenedWithoutAnyOutputAreClosed)
{
    // A port system whose outputs are listed but never open.
    struct OutputsFail : MidiPortSystem
    {
        explicit OutputsFail(VirtualMidiPortSystem& p) : inner(p) {}
        juce::StringArray getInputNames() override { return inner.getInputNames(); }
        juce::StringArray getOutputNames() override { return inner.getOutputNames(); }
        std::unique_ptr<MidiInputPort> openInput(int i, MidiInputPortCallback* c) override { return inner.openInput(i, c); }
        std::unique_ptr<MidiOutputPort> openOutput(int) override { return nullptr; }
        VirtualMidiPortSystem& inner;
    } failing(ports);

    SimulatedAmplifier amp(ports, 1);
    MidiPortSystem::setCurrent(&failing);
    portManager->openAllPorts(scanner.get());
    EXPECT_EQ(portManager->getNumOpenedInputs(), 1);
    EXPECT_EQ(portManager->getNumOpenedOutputs(), 0);
    EXPECT_EQ(midi.getNumListeners(), 1);

    portManager->closeAllPorts();
    MidiPortSystem::setCurrent(&ports);
    EXPECT_EQ(portManager->getNumOpenedInputs(), 0);
    EXPECT_EQ(midi.getNumListeners(), 0);
}
