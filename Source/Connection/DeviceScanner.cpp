#include "Connection/DeviceScanner.h"

#include "Action/MidiManager.h"
#include "Connection/DeviceScanMidiPortManager.h"
#include "Core/ConnectedDeviceInfoList.h"
#include "Core/MessageEngine.h"
#include "Core/MessageIds.h"
#include "Core/ProductModel.h"
#include "Core/Utility.h"
#include "Platform/RSClock.h"

const char* const DeviceScanner::probeKeyStrings[4] = { "Hesperine X", "ZUL 2ch Audio Device", "Orva", "PZ-KW06" };

namespace
{
constexpr int openPauseMs = 200;
constexpr int replyWaitMs = 500;
constexpr int afterRequestPauseMs = 150;
// A run past its end message only returns; this is a generous bound.
constexpr int endingThreadWaitMs = 10000;

int combine7(const juce::uint8* d, int lowIndex)
{
    return ((d[lowIndex + 1] & 0x7F) << 8) | (d[lowIndex] & 0x7F);
}
} // namespace

DeviceScanner::DeviceScanner(DeviceScanMidiPortManager* manager) : juce::Thread("DeviceScanner"), portManager(manager)
{}

DeviceScanner::~DeviceScanner()
{
    stopThread(10000);
    if (portManager != nullptr)
        if (auto* midi = portManager->getMidiManager())
            midi->RemoveListener(this);
}

void DeviceScanner::execute(int waitMs, eScanMode scanMode)
{
    waitTime = waitMs;
    mode = scanMode;

    const juce::ScopedLock sl(startLock);
    if (isThreadRunning())
    {
        // A scan under way takes the new values with it.
        if (! runEnded)
            return;
        // A run that has announced its end still holds its thread for a
        // moment, and the framework refuses a start until it lets it go: the
        // end message itself may ask for the next scan before that.
        if (! waitForThreadToExit(endingThreadWaitMs))
        {
            juce::Logger::writeToLog("DeviceScanner::execute() the previous scan's thread did not end; no scan started");
            return;
        }
    }
    runEnded = false;
    if (! startThread())
    {
        runEnded = true;
        juce::Logger::writeToLog("DeviceScanner::execute() the scan thread could not be started");
    }
}

void DeviceScanner::run()
{
    auto* list = ConnectedDeviceInfoList::instance();
    if (list == nullptr)
    {
        runEnded = true;
        return;
    }

    list->clear();
    inputCount = portManager != nullptr ? portManager->getNumOpenedInputs() : 0;
    outputCount = portManager != nullptr ? portManager->getNumOpenedOutputs() : 0;

    if (inputCount >= 1 && outputCount >= 1)
    {
        foundCount = 0;
        auto& clock = RSClock::current();
        clock.sleep(openPauseMs);
        probedOutput = 0;

        for (int i = 0; i < outputCount && ! threadShouldExit(); ++i)
        {
            bool probed = false;
            {
                // The lock keeps a concurrent close from deleting the port
                // while it is used; a closed manager has no outputs left.
                const juce::ScopedLock sl(portManager->getLock());
                auto* out = portManager->getMidiOut(i);
                if (out == nullptr)
                    continue;
                const auto name = portManager->getMidiOutDeviceName(i);
                for (auto* key : probeKeyStrings)
                {
                    if (name.contains(key))
                    {
                        probedOutput = i;
                        sendDevInqRequest(out);
                        probed = true;
                        break;
                    }
                }
            }
            if (probed)
            {
                clock.sleep(replyWaitMs);
                clock.sleep(afterRequestPauseMs);
            }
        }

        if (! threadShouldExit())
            clock.sleep(waitTime);
        list->sort();
    }

    // Before the end message: whoever handles it may start the next scan.
    runEnded = true;
    if (MessageEngine::instance() != nullptr)
        broadcastMessageId(mode == kScanModeReconnect ? MessageId::ReconnectScanFinished : MessageId::ScanFinished);
}

void DeviceScanner::sendDevInqRequest(MidiOutputPort* output)
{
    if (output == nullptr)
        return;
    const juce::uint8 request[] = { 0x7E, 0x7F, 0x06, 0x01 };
    output->sendMessageNow(juce::MidiMessage::createSysExMessage(request, (int) sizeof(request)));
}

void DeviceScanner::OnRSMidiListenerRcvSysExMessage(MidiManager*, MidiInputPort* source, const juce::MidiMessage& message)
{
    // F0 7E id 06 02 42 family(2) member(2) version2(2) version1(2) F7
    if (! message.isSysEx() || message.getSysExDataSize() != 13)
        return;
    const auto* d = message.getRawData();
    if (d[1] != 0x7E || d[3] != 0x06 || d[4] != 0x02 || d[5] != 0x42)
        return;

    const int family = combine7(d, 6);
    const int member = combine7(d, 8);
    const int version2 = combine7(d, 10);
    const int version1 = combine7(d, 12);
    const int model = getModelIdFromProductId(family, member);

    auto* list = ConnectedDeviceInfoList::instance();
    if (list == nullptr || ! isKnownModel(model) || portManager == nullptr)
        return;

    const int outIndex = probedOutput;
    const DeviceInfo info((eProductModelId) model, true, portManager->getMidiInIndex(source),
                          source != nullptr ? source->getName() : juce::String(), outIndex,
                          portManager->getMidiOutDeviceName(outIndex), version1, version2, family, kMediaTypeUnknown);

    // The same reply arrives once per opened input: the find and the add run
    // under one hold of the list's (recursive) lock so that two copies
    // cannot both pass the test.
    {
        const juce::ScopedLock sl(list->getLock());
        if (list->find(info))
            return;
        list->add(info);
    }
    ++foundCount;
    notifyDeviceFound();
}

void DeviceScanner::notifyDeviceFound()
{
    // Notice 9 goes straight to the command layer's message listener. The
    // command layer is not part of the program yet, so nothing is posted.
}
