#include "Action/MidiManager.h"

#include "Action/midiutils.h"
#include "Application/Host.h"
#include "Common/DeviceEnvironment.h"
#include "Core/ProductModel.h"
#include "DataCenter/DataCenter.h"
#include "Platform/MessageThreadWait.h"
#include "Platform/RSClock.h"

namespace
{
constexpr int modelDWQ = 0;
constexpr int modelHMQ = 1;
constexpr int bankPreset = 0;
constexpr int bankUser = 1;

constexpr int programSize = 62;    // Orva and HMQ program record, HMQ custom record
constexpr int dwqProgramSize = 30; // DWQ program record
constexpr int audioEQSize = 18;

// Room for the largest message: an 8-byte header and 62 bytes packed to 71.
constexpr int bufferSize = 128;

bool isModel(int modelId) noexcept
{
    return isKnownModel(modelId);
}

bool isOrva(int modelId) noexcept
{
    return isOrvaModel(modelId);
}

DataCenter* currentDataCenter()
{
    auto* environment = getCurrentDeviceEnvironment();
    return environment != nullptr ? environment->getDataCenter() : nullptr;
}
} // namespace

const int MidiManager::numProgramsPerModel[6] = { 19, 68, 8, 8, 8, 8 };

int MidiManager::getNumPrograms(int modelId) noexcept
{
    return isModel(modelId) ? numProgramsPerModel[modelId] : 0;
}

MidiManager::MidiManager() : listeners(std::make_shared<const ListenerList>())
{
    // The platform's MIDI client is created by the port system on first use;
    // set-up changes are watched by MidiSetupWatcher.
}

MidiManager::~MidiManager()
{
    {
        const juce::ScopedLock sl(portLock);
        if (input != nullptr)
            input->stop();
        input.reset();
        inputIndex = -1;
    }
    {
        const juce::ScopedLock sl(outputLock);
        output.reset();
        outputIndex = -1;
    }
    ClearListeners();
    removeAllChangeListeners();
}

// Ports ----------------------------------------------------------------------

bool MidiManager::openMIDIInPort(int index)
{
    const juce::ScopedLock sl(portLock);
    if (input != nullptr)
    {
        input->stop();
        input.reset();
    }

    input = MidiPortSystem::current().openInput(index, this);
    if (input != nullptr)
        input->start();
    inputIndex = input != nullptr ? index : -1;
    return input != nullptr;
}

bool MidiManager::openMIDIOutPort(int index)
{
    auto opened = MidiPortSystem::current().openOutput(index);
    const bool ok = opened != nullptr;

    const juce::ScopedLock sl(outputLock);
    output = std::move(opened);
    outputIndex = ok ? index : -1;
    return ok;
}

bool MidiManager::reopenMIDIInPort(int index)
{
    {
        const juce::ScopedLock sl(portLock);
        if (input != nullptr)
            return true;
    }
    return openMIDIInPort(index);
}

bool MidiManager::reopenMIDIOutPort(int index)
{
    if (isMIDIOutPortOpen())
        return true;
    return openMIDIOutPort(index);
}

bool MidiManager::isMIDIOutPortOpen() const
{
    const juce::ScopedLock sl(outputLock);
    return output != nullptr;
}

bool MidiManager::isMIDIInPortOpen() const
{
    const juce::ScopedLock sl(portLock);
    return input != nullptr;
}

void MidiManager::closeMIDIInPort()
{
    std::unique_ptr<MidiInputPort> closing;
    {
        const juce::ScopedLock sl(portLock);
        if (input != nullptr)
            input->stop();
        closing = std::move(input);
    }
    closing.reset();
}

void MidiManager::closeMIDIOutPort()
{
    std::unique_ptr<MidiOutputPort> closing;
    {
        const juce::ScopedLock sl(outputLock);
        closing = std::move(output);
    }
    closing.reset();
}

void MidiManager::clearMIDIPortIndexes() noexcept
{
    inputIndex = -1;
    outputIndex = -1;
}

int MidiManager::getMIDIInPortFromName(juce::String name)
{
    if (name.isEmpty())
        return -1;
    return MidiPortSystem::current().getInputNames().indexOf(name, false);
}

int MidiManager::getMIDIOutPortFromName(juce::String name)
{
    if (name.isEmpty())
        return -1;
    return MidiPortSystem::current().getOutputNames().indexOf(name, false);
}

void MidiManager::setModel(int modelId) noexcept
{
    setTargetModel(modelId);
    sendModel = modelId;
}

// Listeners ------------------------------------------------------------------

void MidiManager::AddListener(CRSMidiListener* listener)
{
    const juce::ScopedLock sl(listenerLock);
    auto next = std::make_shared<ListenerList>(*listeners);
    next->push_back(listener);
    listeners = std::move(next);
}

void MidiManager::ClearListeners()
{
    // Only the list is swapped under the listener lock; a dispatch never
    // waits for the message thread while holding it, so taking both here
    // cannot deadlock.
    const MessageThreadLock messageThreadLock;

    const juce::ScopedLock sl(listenerLock);
    listeners = std::make_shared<const ListenerList>();
}

void MidiManager::RemoveListener(CRSMidiListener* listener)
{
    {
        const juce::ScopedLock sl(listenerLock);
        auto next = std::make_shared<ListenerList>(*listeners);
        next->erase(std::remove(next->begin(), next->end(), listener), next->end());
        listeners = std::move(next);
    }

    // A dispatch that began before the removal may still call the listener;
    // wait for it to end. From inside a handler the lock is already ours.
    waitUntilLockIsFree(dispatchLock);
}

bool MidiManager::isListener(const CRSMidiListener* listener) const
{
    const juce::ScopedLock sl(listenerLock);
    return std::find(listeners->begin(), listeners->end(), listener) != listeners->end();
}

bool MidiManager::AddListenerOnce(CRSMidiListener* listener)
{
    const juce::ScopedLock sl(listenerLock);
    if (std::find(listeners->begin(), listeners->end(), listener) != listeners->end())
        return false;
    AddListener(listener);
    return true;
}

int MidiManager::getNumListeners() const
{
    const juce::ScopedLock sl(listenerLock);
    return (int) listeners->size();
}

void MidiManager::handleIncomingMidiMessage(MidiInputPort* source, const juce::MidiMessage& message)
{
    const juce::ScopedLock dl(dispatchLock);

    std::shared_ptr<const ListenerList> snapshot;
    {
        const juce::ScopedLock sl(listenerLock);
        snapshot = listeners;
    }

    for (auto* listener : *snapshot)
        listener->OnRSMidiListenerRcvSysExMessage(this, source, message);
}

// Sending --------------------------------------------------------------------

bool MidiManager::sendSysEx(const unsigned char* buf, int length)
{
    const juce::ScopedLock sl(outputLock);
    if (output == nullptr || length <= 0)
        return false;
    output->sendMessageNow(juce::MidiMessage::createSysExMessage(buf, length));
    return true;
}

bool MidiManager::sendHeaderWithData(unsigned char* buf, int headerLength, const unsigned char* data, int dataLength)
{
    if (headerLength <= 0 || data == nullptr)
        return false;
    auto* end = encode8to7buffer(buf + headerLength, data, dataLength);
    return sendSysEx(buf, (int) (end - buf));
}

void MidiManager::pause(int ms)
{
    if (ms > 0)
        RSClock::current().sleep(ms);
}

void MidiManager::sendCurProgDumpRequest()
{
    if (! isMIDIOutPortOpen())
        return;
    unsigned char buf[bufferSize];
    sendSysEx(buf, Make_sendCurProgDumpRequest_header(buf));
}

void MidiManager::sendCurProgWrite(int prog)
{
    if (! isMIDIOutPortOpen())
        return;
    unsigned char buf[bufferSize];
    if (sendSysEx(buf, Make_sendCurProgWrite_header(buf, 0, prog)))
        pause(150);
}

void MidiManager::sendModeRequest()
{
    if (! isMIDIOutPortOpen())
        return;
    unsigned char buf[bufferSize];
    sendSysEx(buf, Make_sendModeRequest_header(buf));
}

void MidiManager::sendProgDumpRequest(int bank, int prog)
{
    if (! isMIDIOutPortOpen())
        return;
    unsigned char buf[bufferSize];
    sendSysEx(buf, Make_sendProgDumpRequest_header(buf, bank, prog));
}

void MidiManager::sendGlobalDumpRequest()
{
    if (! isMIDIOutPortOpen() || ! isOrva(sendModel))
        return;
    unsigned char buf[bufferSize];
    sendSysEx(buf, Make_sendGlobalDumpRequest_header(buf));
}

void MidiManager::sendCurEQDumpRequest()
{
    if (! isMIDIOutPortOpen() || ! isOrva(sendModel))
        return;
    unsigned char buf[bufferSize];
    sendSysEx(buf, Make_sendCurAudioEQDumpRequest_header(buf));
}

void MidiManager::sendAudioEQDumpRequest(int slot)
{
    if (! isMIDIOutPortOpen() || ! isOrva(sendModel))
        return;
    unsigned char buf[bufferSize];
    sendSysEx(buf, Make_sendAudioEQDumpRequest_header(buf, slot));
}

void MidiManager::sendCustomAmpFXDumpRequest(int slot)
{
    if (! isMIDIOutPortOpen() || sendModel != modelHMQ)
        return;
    unsigned char buf[bufferSize];
    sendSysEx(buf, Make_sendCustomAmpFXDumpRequest_header(buf, slot));
}

int MidiManager::getCurProgSize(int modelId) noexcept
{
    if (modelId == modelDWQ)
        return dwqProgramSize;
    return isModel(modelId) ? programSize : 0;
}

void MidiManager::sendCurProgDump()
{
    const int size = getCurProgSize(sendModel);
    if (! isMIDIOutPortOpen() || size == 0)
        return;
    unsigned char buf[bufferSize];
    sendHeaderWithData(buf, Make_sendCurProgDump_header(buf), dataCentreEditBuf(), size);
}

void MidiManager::sendParamChange16(unsigned char idHi, unsigned char idLo, unsigned short value, int delayMs)
{
    if (! isMIDIOutPortOpen())
        return;

    // A 14-bit value: both halves must stay SysEx data bytes.
    const int clamped = juce::jlimit(0, 16383, (int) value);
    const auto valLo = (unsigned char) (clamped & 0x7F);
    const auto valHi = (unsigned char) ((clamped >> 7) & 0x7F);

    unsigned char buf[bufferSize];
    if (sendSysEx(buf, Make_paramChange_header(buf, idHi, idLo, valLo, valHi)))
        pause(delayMs);
}

bool MidiManager::getProgDumpSource(int modelId, int index, ProgDumpSource& source)
{
    if (! isModel(modelId) || index < 0 || index >= numProgramsPerModel[modelId])
        return false;

    if (isOrva(modelId))
    {
        source = { bankUser, index, false, programSize };
        return true;
    }

    const int firstUser = modelId == modelHMQ ? 60 : 11;
    const int size = modelId == modelHMQ ? programSize : dwqProgramSize;
    if (index >= firstUser)
        source = { bankUser, index - firstUser, false, size };
    else
        source = { bankPreset, index, true, size };
    return true;
}

void MidiManager::sendProgDumpOut(int index)
{
    ProgDumpSource source;
    if (! getProgDumpSource(sendModel, index, source) || ! isMIDIOutPortOpen())
        return;

    const unsigned char* data = source.preset ? dataCentreROMProg(source.prog) : dataCentreRAMProg(source.prog);
    unsigned char buf[bufferSize];
    sendHeaderWithData(buf, Make_sendProg1Dump_header(buf, source.bank, source.prog), data, source.size);
}

void MidiManager::sendAudioEQDump(int slot)
{
    if (! isMIDIOutPortOpen() || ! isOrva(sendModel))
        return;
    unsigned char buf[bufferSize];
    const int header = Make_sendAudioEQDump_header(buf, slot);
    if (header > 0)
        sendHeaderWithData(buf, header, dataCentreAudioEQBuf(slot), audioEQSize);
}

void MidiManager::sendModeChange(int mode, int prog, int delayMs)
{
    if (! isMIDIOutPortOpen())
        return;
    unsigned char buf[bufferSize];
    if (sendSysEx(buf, Make_sendModeChange_header(buf, mode, prog)))
        pause(delayMs);
}

void MidiManager::sendCustomBufDump(int slot)
{
    if (! isMIDIOutPortOpen() || sendModel != modelHMQ)
        return;
    unsigned char buf[bufferSize];
    const int header = Make_sendCustomAmpFXDump_header(buf, slot);
    if (header > 0)
        sendHeaderWithData(buf, header, dataCentreCustomBuf(slot), programSize);
}

// The current data centre's buffers ------------------------------------------

const unsigned char* MidiManager::dataCentreEditBuf() const
{
    auto* dc = currentDataCenter();
    return dc != nullptr ? dc->getEditBuf() : nullptr;
}

const unsigned char* MidiManager::dataCentreRAMProg(int index) const
{
    auto* dc = currentDataCenter();
    return dc != nullptr ? dc->getRAMProgPtr(index) : nullptr;
}

const unsigned char* MidiManager::dataCentreROMProg(int index) const
{
    auto* dc = currentDataCenter();
    return dc != nullptr ? dc->getROMProgPtr(index) : nullptr;
}

const unsigned char* MidiManager::dataCentreAudioEQBuf(int slot) const
{
    auto* dc = currentDataCenter();
    return dc != nullptr ? dc->getAudioEQBuf(slot) : nullptr;
}

const unsigned char* MidiManager::dataCentreCustomBuf(int slot) const
{
    auto* dc = currentDataCenter();
    return dc != nullptr ? dc->getCustomBuf(slot) : nullptr;
}
