#include "support/SimulatedAmplifier.h"

#include <atomic>
#include <chrono>
#include <utility>

#include "Action/midiutils.h"
#include "Application/StateHolder.h"
#include "DWQ/DWQPresetROMProg.h"
#include "HMQ/HMQPresetROMProgData.h"
#include "OrvaKX/OrvaKXTypeNames.h"
#include "OrvaPW/OrvaPWTypeNames.h"
#include "ParamTable/HMQ/HMQCustomTables.h"
#include "ParamTable/orvaKX/COKXUserEditSectionImpl.h"
#include "ParamTable/orvaKX/OKXGlobalTables.h"
#include "ParamTable/orvaPW/COPWUserEditSectionImpl.h"
#include "ParamTable/orvaPW/OPWGlobalTables.h"

namespace
{
constexpr int globalSize = 19;
constexpr int audioEQSize = 18;
constexpr int customSize = 62;

int packedSize(int n)
{
    return n + (n + 6) / 7;
}

bool isOrva(int modelId)
{
    return modelId >= 2 && modelId <= 5;
}

// A recognisable record: a blank-padded name, then bytes that use all eight
// bits so that the packing is exercised.
SimulatedAmplifier::Bytes makeRecord(const juce::String& name, int size, int seed)
{
    SimulatedAmplifier::Bytes record((size_t) size, ' ');
    for (int i = 0; i < juce::jmin(16, name.length()); ++i)
        record[(size_t) i] = (juce::uint8) name[i];
    for (int i = 16; i < size; ++i)
        record[(size_t) i] = (juce::uint8)((i * 37 + seed * 11) & 0xFF);
    return record;
}

bool isOrvaKX(int modelId)
{
    return modelId == 2 || modelId == 4;
}

SimulatedAmplifier::Bytes bytesOf(const unsigned char* data, int size)
{
    return SimulatedAmplifier::Bytes(data, data + size);
}

// An Orva user program as a new amplifier holds it: the initial program
// with the given amp type, named after it.
SimulatedAmplifier::Bytes orvaUserProgram(int modelId, int index)
{
    const bool kx = isOrvaKX(modelId);
    auto record =
        bytesOf(kx ? orvaKX::COKXUserEditSectionImpl::m_InitProgData : orvaPW::COPWUserEditSectionImpl::m_InitProgData, 62);
    const int numTypes = kx ? orvaKX::kNumAmpTypes : orvaPW::kNumAmpTypes;
    const int type = index * numTypes / 8;
    record[18] = kx ? orvaKX::getAmpTypeValue((orvaKX::eAmpType) type) : orvaPW::getAmpTypeValue((orvaPW::eAmpType) type);
    const auto name = kx ? orvaKX::getAmpTypeName((orvaKX::eAmpType) type) : orvaPW::getAmpTypeName((orvaPW::eAmpType) type);
    for (int i = 0; i < 16; ++i)
        record[(size_t) i] = (juce::uint8)(i < name.length() ? name[i] : ' ');
    return record;
}
} // namespace

SimulatedAmplifier::SimulatedAmplifier(VirtualMidiPortSystem& p, int id, const juce::String& name)
    : juce::Thread("SimAmplifier"), ports(p), modelId(id), portName(name.isNotEmpty() ? name : defaultPortName(id))
{
    StateHolder::codesForModel(modelId, family, member);
    fill(Contents::factory);
    startThread();
    plugIn();
}

void SimulatedAmplifier::fill(Contents contents)
{
    const juce::ScopedLock sl(stateLock);
    userPrograms.clear();
    presets.clear();
    global.clear();
    currentEQ.clear();
    eqSlots.clear();
    customSlots.clear();

    const int size = getProgramSize();
    if (contents == Contents::pattern)
    {
        for (int i = 0; i < 8; ++i)
            userPrograms.push_back(makeRecord("User " + juce::String(i + 1), size, i));
        for (int i = 0; i < getNumPresets(); ++i)
            presets.push_back(makeRecord("Preset " + juce::String(i + 1), size, 100 + i));
        for (int i = 0; i < globalSize; ++i)
            global.push_back((juce::uint8)(0x80 + i * 5));
        for (int i = 0; i < audioEQSize; ++i)
            currentEQ.push_back((juce::uint8)(0xF0 - i * 3));
        for (int s = 0; s < 4; ++s)
        {
            Bytes slot;
            for (int i = 0; i < audioEQSize; ++i)
                slot.push_back((juce::uint8)(s * 40 + i * 7 + 0x70));
            eqSlots.push_back(slot);
            customSlots.push_back(makeRecord("Custom " + juce::String(s + 1), customSize, 200 + s));
        }
    }
    else
    {
        // The presets as shipped; the user programs a spread of them (the
        // HMQ's cover every seventh preset, so their amp types differ).
        if (modelId == 0)
            for (int i = 0; i < getNumPresets(); ++i)
                presets.push_back(bytesOf(DWQ::m_sPresetROMProgData[i], size));
        else if (modelId == 1)
            for (int i = 0; i < getNumPresets(); ++i)
                presets.push_back(bytesOf(HMQ::m_sPresetROMProgData + i * size, size));
        for (int i = 0; i < 8; ++i)
            userPrograms.push_back(isOrva(modelId) ? orvaUserProgram(modelId, i)
                                                   : presets[(size_t) ((i * (modelId == 1 ? 7 : 1)) % getNumPresets())]);

        // Global and audio-EQ blocks (Orva): the initial images; the stored
        // EQs a flat one, a bass lift, a middle cut and a treble lift.
        const bool kx = isOrvaKX(modelId);
        global = bytesOf(kx ? orvaKX::INITCHUNK_GLOBALPARAM : orvaPW::INITCHUNK_GLOBALPARAM, globalSize);
        currentEQ = bytesOf(kx ? orvaKX::INITCHUNK_AUDIOEQPARAM : orvaPW::INITCHUNK_AUDIOEQPARAM, audioEQSize);
        const std::pair<int, int> gains[] = { { 4, 24 }, { 4, 36 }, { 8, 14 }, { 16, 33 } };
        for (const auto& [offset, gain] : gains)
        {
            auto slot = currentEQ;
            slot[(size_t) offset] = (juce::uint8) gain;
            eqSlots.push_back(slot);
        }
        for (int s = 0; s < 4; ++s)
            customSlots.push_back(bytesOf(HMQ::INITCHUNK_CUSTOMPARAM + s * customSize, customSize));
    }
    editBuffer = userPrograms[0];
    loadProgramIntoEdit();
}

namespace
{
std::atomic<int> unansweredMessages { 0 };
}

int SimulatedAmplifier::getNumUnanswered()
{
    return unansweredMessages.load();
}

SimulatedAmplifier::~SimulatedAmplifier()
{
    unplug();
    signalThreadShouldExit();
    wakeUp.signal();
    stopThread(2000);
    const juce::ScopedLock sl(queueLock);
    unansweredMessages -= (int) queue.size();
}

juce::String SimulatedAmplifier::defaultPortName(int modelId)
{
    switch (modelId)
    {
        case 0: return "ZUL 2ch Audio Device";
        case 1: return "Hesperine X";
        case 2: return "ZUL 2ch Audio Device KX";
        case 3: return "ZUL 2ch Audio Device PW";
        case 4: return "Orva KX Bluetooth";
        case 5: return "Orva PW Bluetooth";
        default: return "Unknown Device";
    }
}

void SimulatedAmplifier::setVersions(int v1, int v2)
{
    version1 = v1;
    version2 = v2;
}

void SimulatedAmplifier::setCodes(int familyCode, int memberCode)
{
    family = familyCode;
    member = memberCode;
}

// Ports ----------------------------------------------------------------------

void SimulatedAmplifier::plugIn()
{
    const juce::ScopedLock sl(portLock);
    if (inputDeviceId != 0)
        return;
    inputDeviceId = ports.addInputDevice(portName);
    outputDeviceId = ports.addOutputDevice(portName, [this](const juce::MidiMessage& m) { receive(m); });
}

void SimulatedAmplifier::unplug()
{
    int in = 0, out = 0;
    {
        const juce::ScopedLock sl(portLock);
        std::swap(in, inputDeviceId);
        std::swap(out, outputDeviceId);
    }
    if (in != 0)
        ports.removeDevice(in);
    if (out != 0)
        ports.removeDevice(out);
}

bool SimulatedAmplifier::isPluggedIn() const
{
    const juce::ScopedLock sl(portLock);
    return inputDeviceId != 0;
}

// State ----------------------------------------------------------------------

int SimulatedAmplifier::getMode() const
{
    const juce::ScopedLock sl(stateLock);
    return mode;
}

int SimulatedAmplifier::getProgram() const
{
    const juce::ScopedLock sl(stateLock);
    return program;
}

void SimulatedAmplifier::setMode(int modeKind, int prog)
{
    const juce::ScopedLock sl(stateLock);
    mode = modeKind;
    program = prog;
    loadProgramIntoEdit();
}

void SimulatedAmplifier::loadProgramIntoEdit()
{
    if (mode == modeUser && juce::isPositiveAndBelow(program, (int) userPrograms.size()))
        editBuffer = userPrograms[(size_t) program];
    else if (mode == modePreset && juce::isPositiveAndBelow(program, (int) presets.size()))
        editBuffer = presets[(size_t) program];
}

SimulatedAmplifier::Bytes SimulatedAmplifier::getUserProgram(int index) const
{
    const juce::ScopedLock sl(stateLock);
    return userPrograms.at((size_t) index);
}

void SimulatedAmplifier::setUserProgram(int index, const Bytes& record)
{
    const juce::ScopedLock sl(stateLock);
    userPrograms.at((size_t) index) = record;
}

SimulatedAmplifier::Bytes SimulatedAmplifier::getPreset(int index) const
{
    const juce::ScopedLock sl(stateLock);
    return presets.at((size_t) index);
}

SimulatedAmplifier::Bytes SimulatedAmplifier::getEditBuffer() const
{
    const juce::ScopedLock sl(stateLock);
    return editBuffer;
}

void SimulatedAmplifier::setEditBuffer(const Bytes& record)
{
    const juce::ScopedLock sl(stateLock);
    editBuffer = record;
}

SimulatedAmplifier::Bytes SimulatedAmplifier::getGlobal() const
{
    const juce::ScopedLock sl(stateLock);
    return global;
}

SimulatedAmplifier::Bytes SimulatedAmplifier::getCurrentEQ() const
{
    const juce::ScopedLock sl(stateLock);
    return currentEQ;
}

SimulatedAmplifier::Bytes SimulatedAmplifier::getEQSlot(int slot) const
{
    const juce::ScopedLock sl(stateLock);
    return eqSlots.at((size_t) slot);
}

SimulatedAmplifier::Bytes SimulatedAmplifier::getCustom(int slot) const
{
    const juce::ScopedLock sl(stateLock);
    return customSlots.at((size_t) slot);
}

int SimulatedAmplifier::getParam(int id) const
{
    const juce::ScopedLock sl(stateLock);
    auto it = params.find(id);
    return it == params.end() ? -1 : it->second;
}

// Records --------------------------------------------------------------------

std::vector<juce::MidiMessage> SimulatedAmplifier::getReceived() const
{
    const juce::ScopedLock sl(recordLock);
    return received;
}

int SimulatedAmplifier::getNumReceived() const
{
    const juce::ScopedLock sl(recordLock);
    return (int) received.size();
}

bool SimulatedAmplifier::waitForReceived(int count, int timeoutMs) const
{
    const auto end = juce::Time::getMillisecondCounter() + (juce::uint32) timeoutMs;
    while (getNumReceived() < count)
    {
        if (juce::Time::getMillisecondCounter() >= end)
            return false;
        juce::Thread::sleep(1);
    }
    return true;
}

int SimulatedAmplifier::getNumSent() const
{
    const juce::ScopedLock sl(recordLock);
    return (int) sent.size();
}

bool SimulatedAmplifier::waitForSent(int count, int timeoutMs) const
{
    const auto end = juce::Time::getMillisecondCounter() + (juce::uint32) timeoutMs;
    while (getNumSent() < count)
    {
        if (juce::Time::getMillisecondCounter() >= end)
            return false;
        juce::Thread::sleep(1);
    }
    return true;
}

void SimulatedAmplifier::clearRecords()
{
    const juce::ScopedLock sl(recordLock);
    received.clear();
    sent.clear();
}

double SimulatedAmplifier::getLastReceiveTime() const
{
    const juce::ScopedLock sl(recordLock);
    return lastReceiveTime;
}

// Unsolicited ----------------------------------------------------------------

void SimulatedAmplifier::sendParamChange(int idHi, int idLo, int value)
{
    {
        const juce::ScopedLock sl(stateLock);
        params[(idHi << 8) | idLo] = value;
    }
    emit(
        reply(0x41, { (juce::uint8) idHi, (juce::uint8) idLo, (juce::uint8)(value & 0x7F), (juce::uint8)((value >> 7) & 0x7F) }));
}

void SimulatedAmplifier::sendModeChange(int modeKind, int prog)
{
    setMode(modeKind, prog);
    emit(reply(0x4E, { (juce::uint8) modeKind, (juce::uint8) prog }));
}

void SimulatedAmplifier::sendProgramChange(int channel, int prog)
{
    emit(juce::MidiMessage::programChange(channel, prog));
}

void SimulatedAmplifier::sendTransferStopped()
{
    emit(reply(0x24, {}));
}

void SimulatedAmplifier::send(const juce::MidiMessage& message)
{
    emit(message);
}

// Receiving and answering ----------------------------------------------------

juce::MidiMessage SimulatedAmplifier::makeFrame(int modelByte, int function, const Bytes& args, const Bytes& data)
{
    Bytes body { 0x42, 0x30, 0x00, 0x01, (juce::uint8) modelByte, (juce::uint8) function };
    body.insert(body.end(), args.begin(), args.end());
    if (! data.empty())
    {
        Bytes packed((size_t) packedSize((int) data.size()));
        encode8to7buffer(packed.data(), data.data(), (int) data.size());
        body.insert(body.end(), packed.begin(), packed.end());
    }
    return juce::MidiMessage::createSysExMessage(body.data(), (int) body.size());
}

juce::MidiMessage SimulatedAmplifier::reply(int function, const Bytes& args, const Bytes& data) const
{
    return makeFrame(getModelByte(), function, args, data);
}

void SimulatedAmplifier::receive(const juce::MidiMessage& message)
{
    // The message changes the state before it shows in the records, so a
    // test that waits for the record reads the state it brought. Its
    // replies are worked out now too, from that state, and sent later from
    // the answering thread.
    Pending pending { message, {} };
    process(message, pending.replies);
    if (isIgnored(message))
        pending.replies.clear();
    {
        const juce::ScopedLock sl(recordLock);
        lastReceiveTime = juce::Time::getMillisecondCounterHiRes();
        lastReceiveNanos =
            std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch()).count();
        received.push_back(message);
        if (receiveObserver)
            receiveObserver(message);
    }
    {
        const juce::ScopedLock sl(queueLock);
        queue.push_back(std::move(pending));
        ++unansweredMessages;
    }
    wakeUp.signal();
}

void SimulatedAmplifier::setReceiveObserver(std::function<void(const juce::MidiMessage&)> observer)
{
    const juce::ScopedLock sl(recordLock);
    receiveObserver = std::move(observer);
}

void SimulatedAmplifier::run()
{
    while (! threadShouldExit())
    {
        wakeUp.wait(50);
        for (;;)
        {
            Pending pending;
            {
                const juce::ScopedLock sl(queueLock);
                if (queue.empty() || threadShouldExit())
                    break;
                pending = std::move(queue.front());
                queue.pop_front();
            }

            auto& replies = pending.replies;
            // The replies are on their way (queued on the ports) before the
            // message counts as answered.
            bool answered = false;
            for (auto& r : replies)
            {
                if (silent)
                    continue;
                if (replyDelayMs > 0)
                {
                    if (! std::exchange(answered, true))
                        --unansweredMessages;
                    juce::Thread::sleep(replyDelayMs);
                }
                emit(applyFaults(r));
                if (repliesBeforeUnplug > 0 && --repliesBeforeUnplug == 0)
                    unplug();
            }
            if (! answered)
                --unansweredMessages;
        }
    }
}

void SimulatedAmplifier::setIgnoredRequests(std::function<bool(const Bytes&)> filter)
{
    const juce::ScopedLock sl(filterLock);
    ignoredRequests = std::move(filter);
}

bool SimulatedAmplifier::isIgnored(const juce::MidiMessage& message) const
{
    const juce::ScopedLock sl(filterLock);
    if (ignoredRequests == nullptr || ! message.isSysEx() || message.getRawDataSize() < 8)
        return false;
    const auto* d = message.getRawData();
    return ignoredRequests(Bytes(d + 6, d + message.getRawDataSize() - 1));
}

juce::MidiMessage SimulatedAmplifier::applyFaults(const juce::MidiMessage& message) const
{
    if (! message.isSysEx())
        return message;
    Bytes body(message.getSysExData(), message.getSysExData() + message.getSysExDataSize());
    const int drop = juce::jlimit(0, (int) body.size(), truncateBy.load());
    body.resize(body.size() - (size_t) drop);
    return juce::MidiMessage::createSysExMessage(body.data(), (int) body.size());
}

void SimulatedAmplifier::emit(const juce::MidiMessage& message)
{
    int in = 0;
    {
        const juce::ScopedLock sl(portLock);
        in = inputDeviceId;
    }
    if (in == 0)
        return;
    {
        const juce::ScopedLock sl(recordLock);
        sent.push_back(message);
    }
    ports.sendFromDevice(in, message);
}

SimulatedAmplifier::Bytes SimulatedAmplifier::unpack(const juce::uint8* src, int len) const
{
    Bytes out((size_t) juce::jmax(0, len));
    out.resize((size_t) decode7to8buffer(out.data(), src, len));
    return out;
}

void SimulatedAmplifier::process(const juce::MidiMessage& message, std::vector<juce::MidiMessage>& replies)
{
    if (! message.isSysEx())
        return;

    const auto* d = message.getSysExData();
    const int size = message.getSysExDataSize();

    // Universal Identity Request: 7E <device> 06 01.
    if (size == 4 && d[0] == 0x7E && d[2] == 0x06 && d[3] == 0x01)
    {
        auto pair = [](int v) {
            return std::pair<juce::uint8, juce::uint8>((juce::uint8)(v & 0x7F), (juce::uint8)((v >> 8) & 0x7F));
        };
        const auto f = pair(family), m = pair(member), v2 = pair(version2), v1 = pair(version1);
        const juce::uint8 body[] = { 0x7E,    0x00,     0x06,     0x02,      0x42,     f.first,  f.second,
                                     m.first, m.second, v2.first, v2.second, v1.first, v1.second };
        replies.push_back(juce::MidiMessage::createSysExMessage(body, (int) sizeof(body)));
        return;
    }

    if (size >= 6 && d[0] == 0x42 && d[1] == 0x30 && d[2] == 0x00 && d[3] == 0x01 && d[4] == getModelByte())
        processEditorMessage(d, size, replies);
}

void SimulatedAmplifier::processEditorMessage(const juce::uint8* d, int size, std::vector<juce::MidiMessage>& replies)
{
    const int function = d[5];
    const int a = size > 6 ? d[6] : -1;
    const int b = size > 7 ? d[7] : -1;
    const bool orva = isOrva(modelId);
    const bool hmq = modelId == 1;
    const int progSize = getProgramSize();

    // A data message must carry its whole record.
    auto payload = [&](int offset, int dataSize, Bytes& out) {
        if (size - offset < packedSize(dataSize))
            return false;
        out = unpack(d + offset, packedSize(dataSize));
        return true;
    };

    const juce::ScopedLock sl(stateLock);
    Bytes data;
    switch (function)
    {
        case 0x12: // mode request
            replies.push_back(reply(0x42, { (juce::uint8) mode, (juce::uint8) program }));
            break;

        case 0x1C: // program dump request: bank byte 0 user, 1 preset
            if (b >= 0)
            {
                const bool preset = a != 0 && ! orva;
                const auto& bank = preset ? presets : userPrograms;
                if (juce::isPositiveAndBelow(b, (int) bank.size()))
                    replies.push_back(reply(0x4C, { (juce::uint8)(preset ? 1 : 0), (juce::uint8) b }, bank[(size_t) b]));
            }
            break;

        case 0x10: replies.push_back(reply(0x40, {}, editBuffer)); break;

        case 0x0E:
            if (orva)
                replies.push_back(reply(0x51, {}, global));
            break;

        case 0x19:
            if (orva)
                replies.push_back(reply(0x49, {}, currentEQ));
            break;

        case 0x1D:
            if (orva && b >= 1 && b <= 4)
                replies.push_back(reply(0x4D, { 0x00, (juce::uint8) b }, eqSlots[(size_t) (b - 1)]));
            break;

        case 0x31:
            if (hmq && b >= 0 && b <= 3)
                replies.push_back(reply(0x65, { 0x00, (juce::uint8) b }, customSlots[(size_t) b]));
            break;

        case 0x11: // write the edit buffer to a user program
            if (juce::isPositiveAndBelow(b, (int) userPrograms.size()))
            {
                userPrograms[(size_t) b] = editBuffer;
                replies.push_back(reply(0x21, { 0x00, (juce::uint8) b }));
            }
            break;

        case 0x40:
            if (payload(6, progSize, data))
                editBuffer = data;
            break;

        case 0x41:
            if (size >= 10)
            {
                const int id = (d[6] << 8) | d[7];
                const int value = d[8] | (d[9] << 7);
                params[id] = value;
                // Choosing a stored EQ (Orva) makes it the current one; "OFF"
                // the model's default block.
                if (orva && id == 0x4400 && value >= 1 && value <= (int) eqSlots.size())
                    currentEQ = eqSlots[(size_t) (value - 1)];
                else if (orva && id == 0x4400 && value == 0)
                {
                    const auto* init =
                        (modelId == 2 || modelId == 4) ? orvaKX::INITCHUNK_AUDIOEQPARAM : orvaPW::INITCHUNK_AUDIOEQPARAM;
                    currentEQ.assign(init, init + 18);
                }
            }
            break;

        case 0x4C:
            if (b >= 0 && payload(8, progSize, data))
            {
                auto& bank = (a != 0 && ! orva) ? presets : userPrograms;
                if (juce::isPositiveAndBelow(b, (int) bank.size()))
                {
                    bank[(size_t) b] = data;
                    replies.push_back(reply(0x23, {}));
                }
            }
            break;

        case 0x4D:
            if (orva && b >= 1 && b <= 4 && payload(8, audioEQSize, data))
                eqSlots[(size_t) (b - 1)] = data;
            break;

        case 0x4E:
            if (b >= 0)
            {
                mode = a;
                program = b;
                loadProgramIntoEdit();
            }
            break;

        case 0x65:
            if (hmq && b >= 0 && b <= 3 && payload(8, customSize, data))
                customSlots[(size_t) b] = data;
            break;

        default: break;
    }
}
