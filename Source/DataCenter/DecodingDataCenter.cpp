#include "DataCenter/DecodingDataCenter.h"

#include "Action/ActionManager.h"
#include "Action/MidiManager.h"
#include "Action/midiutils.h"
#include "Application/Host.h"
#include "Application/StateHolder.h"
#include "DataCenter/EditorSysExFrame.h"
#include "Platform/MessageThreadWait.h"
#include "Platform/RSClock.h"

#include <utility>

namespace
{
// Function codes every model decodes alike.
enum Function : int
{
    fnCurProgDump = 0x40,
    fnParamChange = 0x41,
    fnMode = 0x42,
    fnProgDump = 0x4C,
    fnProgStored = 0x21,
    fnWriteAck = 0x23,
    fnTransferStopped = 0x24
};
} // namespace

DecodingDataCenter::DecodingDataCenter(const ProgramNumbering& programNumbering, int model, int packedRecord)
    : DataCenter(programNumbering), frameModelByte(model), packedRecordSize(packedRecord)
{
    jassert(packedRecordSize - (packedRecordSize + 7) / 8 <= scratchSize);
}

void DecodingDataCenter::OnRSMidiListenerRcvSysExMessage(MidiManager* midi, MidiInputPort*, const juce::MidiMessage& message)
{
    if (midi == nullptr)
        return;

    const auto arrivedAt = juce::Time::getMillisecondCounterHiRes();
    // Refused only when the application quits: what arrives then is left
    // undecoded, as the transfers it belongs to end with the application.
    const MessageThreadLock lock;
    if (! lock.lockWasGained())
        return;
    arrival = arrivedAt;
    beforeDecoding();

    if (message.isSysEx())
        decodeSysEx(midi, message.getRawData(), message.getRawDataSize());
    else
        decodeShortMessage(midi, message);
    arrival = -1.0;
}

void DecodingDataCenter::pause(int ms)
{
    RSClock::current().sleepSince(std::exchange(arrival, -1.0), ms);
}

void DecodingDataCenter::decodeSysEx(MidiManager* midi, const juce::uint8* raw, int size)
{
    const EditorSysExFrame frame(raw, size, frameModelByte);
    if (! frame.isValid())
        return;

    auto arg = [&](int k) { return frame.arg(k); };

    switch (frame.function())
    {
        case fnCurProgDump:
        {
            if (! needs(frame, packedRecordSize))
                return;
            const int n = decode7to8buffer(scratch, frame.args(), packedRecordSize);
            OnRcvCurProgDump(midi, scratch, (unsigned) n);
            break;
        }

        case fnParamChange:
            if (needs(frame, 4))
                OnRcvParamChange(midi, (unsigned char) arg(0), arg(1), arg(3) * 128 + arg(2));
            break;

        case fnMode:
            if (needs(frame, 2))
                onModeMessage(midi, arg(0), arg(1));
            break;

        case fnProgDump:
            if (needs(frame, 2 + packedRecordSize))
                onProgramDump(midi, arg(0), arg(1), frame.args() + 2);
            break;

        case fnProgStored:
            if (! needs(frame, 2))
                return;
            midi->sendProgDumpRequest(1, arg(1) & 7);
            midi->sendChangeMessage();
            break;

        case fnWriteAck: onWriteAcknowledged(midi); break;

        case fnTransferStopped:
            onTransferStopped(midi);
            // The transfer a quit waited for will not complete: the quit is
            // given up with it, or a later status refresh would quit out of
            // the blue.
            if (auto* actions = actionManager())
                actions->setQuitRequested(false);
            break;

        default: decodeModelFunction(midi, frame); break;
    }
}

void DecodingDataCenter::decodeShortMessage(MidiManager* midi, const juce::MidiMessage& message)
{
    if (! acceptsUnsolicited(midi))
        return;
    if (message.isController() && message.getControllerNumber() == 0)
        curBank = message.getControllerValue() & 3;
    else if (message.isProgramChange())
        OnRcvProgramChange(midi, message.getProgramChangeNumber() % 100, 0, 0);
}

bool DecodingDataCenter::needs(const EditorSysExFrame& frame, int bytesFromArgs) const
{
    return frame.has(bytesFromArgs, [this](const juce::String& why) { logIgnored(why); });
}

ActionManager* DecodingDataCenter::actionManager()
{
    auto* host = Host::getInstance();
    return host != nullptr ? host->getActionManager() : nullptr;
}

void DecodingDataCenter::requestTimer(int id, int ms)
{
    if (auto* actions = actionManager())
        actions->setTimerEventReq(id, ms, 0);
}

void DecodingDataCenter::closeProgressBarDialog()
{
    if (auto* actions = actionManager())
        actions->CloseProgressBarDialog();
}

void DecodingDataCenter::clearBulkFlags(MidiManager* midi)
{
    midi->setBulkReceive(false);
    midi->setBulkTransmit(false);
    closeProgressBarDialog();
}

void DecodingDataCenter::setCurrentProgramState(int program)
{
    if (auto* host = Host::getInstance())
        if (auto* state = host->getStateHolder())
        {
            state->currentProgram = program;
            state->deselectedProgram = -1;
        }
}

juce::String DecodingDataCenter::programNameText(juce::String name)
{
    while (name.length() < 16)
        name += " ";
    juce::String text;
    for (int i = 0; i < name.length(); ++i)
    {
        const auto c = name[i];
        text += (i < 16 && (c < 32 || c > 126)) ? (juce::juce_wchar) ' ' : c;
    }
    return text;
}

void DecodingDataCenter::logIgnored(const juce::String& why) const
{
    juce::Logger::writeToLog(juce::String(className()) + "::OnRSMidiListenerRcvSysExMessage: ignored, " + why);
}
