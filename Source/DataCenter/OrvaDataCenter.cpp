#include "DataCenter/OrvaDataCenter.h"
#include "DataCenter/EditorSysExFrame.h"

#include "Action/ActionManager.h"
#include "Action/MidiManager.h"
#include "Action/midiutils.h"
#include "Application/Host.h"
#include "Common/DeviceEnvironment.h"
#include "Core/MessageEngine.h"
#include "Core/MessageIds.h"
#include "ParamTable/COrvaAudioEQSectionBase.h"
#include "ParamTable/COrvaGlobalSectionBase.h"
#include "ParamTable/COrvaUserEditSectionBase.h"
#include "Platform/RSClock.h"

#include <cstring>

namespace
{
// Function codes of the messages only these models decode their own way.
enum Function : int
{
    fnCurAudioEQDump = 0x49,
    fnAudioEQDump = 0x4D,
    fnModeNotice = 0x4E,
    fnGlobalDump = 0x51
};

constexpr int modelByte = 0x41;

// Raw message positions (F0 at 0): the function byte and its arguments.

constexpr int packedProgram = DecodingDataCenter::packedSize(OrvaDataCenter::recordSize);   // 71
constexpr int packedAudioEQ = DecodingDataCenter::packedSize(OrvaDataCenter::audioEQSize);  // 21
constexpr int packedGlobalMin = 19;                                                         // 16 data bytes
constexpr int packedGlobalMax = DecodingDataCenter::packedSize(OrvaDataCenter::globalSize); // 22

static_assert(packedProgram - (packedProgram + 7) / 8 <= OrvaDataCenter::scratchSize, "a program fits the scratch");
static_assert(packedGlobalMax - (packedGlobalMax + 7) / 8 <= OrvaDataCenter::scratchSize, "a global block fits the scratch");

constexpr int pauseSlow = 100;
constexpr int pauseProgramFast = 1;
constexpr int pauseSettingsFast = 10;
constexpr int pauseModeOther = 5;

} // namespace

const char* const OrvaDataCenter::receivingText = "RECEIVED...";

OrvaDataCenter::OrvaDataCenter(const Buffers& b, COrvaUserEditSectionBase& edit, COrvaGlobalSectionBase& global,
                               COrvaAudioEQSectionBase& eq)
    : DecodingDataCenter(DataCenter::numberingForModel(2), modelByte, packedProgram),
      buffers(b),
      editSection(edit),
      globalSection(global),
      eqSection(eq)
{}

OrvaDataCenter::~OrvaDataCenter() = default;

// Buffers ----------------------------------------------------------------------

void OrvaDataCenter::setEditBuf(unsigned char* record)
{
    if (record != nullptr && record != buffers.edit)
        std::memmove(buffers.edit, record, recordSize);
}

void OrvaDataCenter::UpdateEditBuf(void* record)
{
    setEditBuf(static_cast<unsigned char*>(record));
    editSection.OnReinitialized();
}

unsigned char* OrvaDataCenter::getAudioEQBuf(int slot) const
{
    return slot >= 0 && slot < numAudioEQSlots ? buffers.eqSlots + slot * audioEQSize : nullptr;
}

void OrvaDataCenter::setAudioEQBuf(unsigned char* block, int slot)
{
    if (block != nullptr && slot >= 0 && slot < numAudioEQSlots)
        std::memmove(buffers.eqSlots + slot * audioEQSize, block, audioEQSize);
}

void OrvaDataCenter::UpdateCurAudioEQBuf(const void* block)
{
    if (block == nullptr)
        return;
    std::memmove(buffers.currentEQ, block, audioEQSize);
    eqSection.OnReinitialized();
}

unsigned char* OrvaDataCenter::getRAMProgPtr(int user) const
{
    return user >= 0 && user < numUser ? buffers.ram + user * recordSize : nullptr;
}

void OrvaDataCenter::setRAMProgram(int user, void* record)
{
    if (record != nullptr && user >= 0 && user < numUser)
        std::memmove(buffers.ram + user * recordSize, record, recordSize);
}

juce::String OrvaDataCenter::getFileName(int tab)
{
    return tab >= 0 && tab < ProgramNumbering::numTabs ? buffers.fileNames[tab] : juce::String("-");
}

void OrvaDataCenter::setFileName(int tab, juce::String name)
{
    if (tab >= 0 && tab < ProgramNumbering::numTabs)
        buffers.fileNames[tab] = name;
}

void OrvaDataCenter::setCurProgName(juce::String name)
{
    editSection.PutParamSEx(idProgName, programNameText(std::move(name)).toRawUTF8(), 255, CHGSRC_CONTROL);
}

void OrvaDataCenter::BackupEditBuf()
{
    std::memcpy(buffers.backupEdit, buffers.edit, recordSize);
}
void OrvaDataCenter::RestoreEditBuf()
{
    std::memcpy(buffers.edit, buffers.backupEdit, recordSize);
}
void OrvaDataCenter::BackupGlobalBuf()
{
    std::memcpy(buffers.backupGlobal, buffers.global, globalSize);
}
void OrvaDataCenter::RestoreGlobalBuf()
{
    std::memcpy(buffers.global, buffers.backupGlobal, globalSize);
}
void OrvaDataCenter::BackupCurAudioEQBuf()
{
    std::memcpy(buffers.backupEQ, buffers.currentEQ, audioEQSize);
}
void OrvaDataCenter::RestoreCurAudioEQBuf()
{
    std::memcpy(buffers.currentEQ, buffers.backupEQ, audioEQSize);
}

void OrvaDataCenter::FireOnConnectStatusChanged(bool isConnectedNow)
{
    editSection.FireOnConnectStatusChanged(isConnectedNow);
}

// Receive callbacks --------------------------------------------------------------

int OrvaDataCenter::OnRcvCurProgDump(MidiManager* midi, const void* data, unsigned size)
{
    if (data == nullptr || size < (unsigned) recordSize)
        return 0;
    UpdateEditBuf(const_cast<void*>(data));
    if (midi != nullptr && midi->isBulkReceive())
        setCurProgNo(0, 0);
    if (midi != nullptr)
        midi->sendChangeMessage();
    editSection.OnReinitialized();
    return 0;
}

int OrvaDataCenter::OnRcvParamChange(MidiManager* midi, unsigned char hi, int lo, int value)
{
    if (! acceptsUnsolicited(midi))
        return 0;
    const int id = hi * 256 + lo;
    if (hi < 64)
        editSection.OnRcvMIDIParam(id, value, CHGSRC_DEVICE);
    else if (hi < 96)
        globalSection.OnRcvMIDIParam(id, value, CHGSRC_DEVICE);
    else
        eqSection.OnRcvMIDIParam(id, value, CHGSRC_DEVICE);
    return 0;
}

int OrvaDataCenter::OnRcvModeChange(MidiManager* midi, unsigned char kind, int number)
{
    if (kind == 2)
    {
        // No stored program is selected: ask for the one the amplifier plays.
        pause(pauseModeOther);
        if (midi != nullptr)
            midi->sendCurProgDumpRequest();
    }
    else
    {
        const int program = ((number % numUser) + numUser) % numUser;
        setCurProgNo(program);
        setCurrentProgramState(program);
        requestTimer(ActionManager::timerStatusRefresh, 200);
    }
    editSection.FireOnUICtrlSelectValid(false);
    return 0;
}

int OrvaDataCenter::OnRcvProgramChange(MidiManager* midi, int n, unsigned char newMode, unsigned char oldMode)
{
    if (newMode == 2 && oldMode != 2)
        return 0;

    // Only a program that exists: a user program, or one of an open file tab.
    unsigned char copy[recordSize];
    if (! copyProgramRecord(n, copy))
    {
        juce::Logger::writeToLog(juce::String(className()) + "::OnRcvProgramChange: ignored, program " + juce::String(n)
                                 + " is no user program and no program of an open file tab");
        return 0;
    }

    setCurProgNo(n);
    setCurrentProgramState(n);
    if (numbering.isUser(n))
        iUserDestProg = n;
    UpdateEditBuf(copy);

    if (midi != nullptr)
        midi->sendChangeMessage();
    requestTimer(ActionManager::timerMainRefresh, 1);
    editSection.FireOnUICtrlSelectValid(false);
    return 0;
}

int OrvaDataCenter::OnRcvGlobalDump(MidiManager* midi, const void* data, unsigned size)
{
    if (data == nullptr)
        return 0;
    // Only the bytes that arrived; the rest of the block keeps its content.
    std::memmove(buffers.global, data, juce::jmin((size_t) size, (size_t) globalSize));
    globalSection.OnReinitialized();
    if (midi != nullptr)
        midi->sendChangeMessage();
    globalSection.OnReinitialized();
    return 0;
}

int OrvaDataCenter::OnRcvAudioEQDump(MidiManager* midi, const void* data, unsigned size, int slot)
{
    if (data == nullptr || size < (unsigned) audioEQSize)
        return 0;
    setAudioEQBuf(static_cast<unsigned char*>(const_cast<void*>(data)), slot - 1);
    eqSection.OnReinitialized();
    if (midi != nullptr)
        midi->sendChangeMessage();
    eqSection.OnReinitialized();
    return 0;
}

int OrvaDataCenter::OnRcvCurAudioEQDump(MidiManager* midi, const void* data, unsigned size)
{
    if (data == nullptr || size < (unsigned) audioEQSize)
        return 0;
    std::memmove(buffers.currentEQ, data, audioEQSize);
    eqSection.OnReinitialized();
    BackupCurAudioEQBuf();
    if (midi != nullptr)
        midi->sendChangeMessage();
    eqSection.OnReinitialized();
    return 0;
}

// Decoder ------------------------------------------------------------------------

void OrvaDataCenter::beforeDecoding()
{
    slowLink = isSlowLink();
}

void OrvaDataCenter::decodeModelFunction(MidiManager* midi, const EditorSysExFrame& frame)
{
    switch (frame.function())
    {
        case fnCurAudioEQDump:
        {
            if (! needs(frame, packedAudioEQ))
                return;
            const int n = decode7to8buffer(scratch, frame.args(), packedAudioEQ);
            OnRcvCurAudioEQDump(midi, scratch, (unsigned) n);
            break;
        }

        case fnAudioEQDump:
            if (! needs(frame, 2 + packedAudioEQ))
                return;
            if (frame.arg(1) < 1 || frame.arg(1) > numAudioEQSlots)
                return;
            onAudioEQSlotDump(midi, frame.arg(1), frame.args() + 2);
            break;

        case fnModeNotice:
            if (needs(frame, 2))
                onModeNotice(midi, frame.arg(0), frame.arg(1));
            break;

        case fnGlobalDump:
        {
            // Older firmware sends 16 data bytes, newer the whole block; any
            // other length lost or gained bytes on the way.
            const int packed = frame.numArgBytes();
            if (packed != packedGlobalMin && packed != packedGlobalMax)
            {
                logIgnored("global dump of " + juce::String(packed) + " bytes, not " + juce::String(packedGlobalMin) + " or "
                           + juce::String(packedGlobalMax));
                return;
            }
            const int n = decode7to8buffer(scratch, frame.args(), packed);
            OnRcvGlobalDump(midi, scratch, (unsigned) n);
            break;
        }

        default: break;
    }
}

void OrvaDataCenter::onModeNotice(MidiManager* midi, int kind, int program)
{
    const int mode = GetMode();
    if (kind == 0)
    {
        PutMode(1);
        OnRcvProgramChange(midi, program, 1, (unsigned char) mode);
    }
    else if (kind == 2)
    {
        PutMode(2);
        OnRcvModeChange(midi, 2, program);
    }
}

void OrvaDataCenter::onModeMessage(MidiManager* midi, int kind, int program)
{
    if (auto* actions = actionManager())
        if (actions->isTimerRunning(ActionManager::eREQID_MODEREQUEST_TIMEOUT))
            actions->stopTimer(ActionManager::eREQID_MODEREQUEST_TIMEOUT);

    const int mode = GetMode();
    if (midi->isSyncRunning())
        SaveModeProgData(program, kind, (unsigned char) mode);

    if (kind == 2)
    {
        PutMode(2);
        OnRcvModeChange(midi, 2, program);
    }
    else if (kind == 0)
    {
        PutMode(1);
        OnRcvProgramChange(midi, program, 1, (unsigned char) mode);
    }

    if (! midi->isSyncRunning())
        return;

    midi->setBulkReceive(true);
    // The text is a constant: no receiver frees it.
    broadcastMessageId(MessageId::Progress, 0, 0, 0, 0, const_cast<char*>(receivingText));
    midi->sendProgDumpRequest(0, 0);
}

void OrvaDataCenter::onProgramDump(MidiManager* midi, int bank, int program, const juce::uint8* packed)
{
    if (bank != 0)
    {
        // There are no preset records on this model, and none is ever asked for.
        logIgnored("program dump of bank " + juce::String(bank));
        return;
    }

    setCurProgNo(1, program);
    decode7to8buffer(scratch, packed, packedProgram);
    setRAMProgram(program, scratch);

    if (! midi->isBulkReceive())
    {
        midi->setSequenceCounter(0);
        midi->setSynchronised(false);
        setSynchronised(false);
        clearBulkFlags(midi);
    }
    else
    {
        const int next = midi->getSequenceCounter() + 1;
        if (next < numUser)
        {
            midi->setSequenceCounter(next);
            pause(slowLink ? pauseSlow : pauseProgramFast);
            midi->sendProgDumpRequest(1, next);
        }
        else
        {
            finishUserProgramChain(midi);
        }
    }
    midi->sendChangeMessage();
}

void OrvaDataCenter::finishUserProgramChain(MidiManager* midi)
{
    midi->setSequenceCounter(0);
    clearBulkFlags(midi);
    midi->setSynchronised(true);
    setSynchronised(true);
    editSection.FireOnConnectStatusChanged(true);
    requestTimer(ActionManager::timerPresetRefresh, 2);

    if (! midi->isSyncRunning())
        return;

    // The amplifier's own program selection wins over the programs read.
    if (savedMode.kind == 2)
    {
        PutMode(2);
        OnRcvModeChange(midi, 2, savedMode.program);
    }
    else if (savedMode.kind == 0)
    {
        PutMode(1);
        OnRcvProgramChange(midi, savedMode.program, 1, savedMode.mode);
    }

    const int gap = slowLink ? pauseSlow : pauseSettingsFast;
    if (! midi->isSyncRunning())
        return;
    if (slowLink)
        pause(pauseSlow);
    midi->sendGlobalDumpRequest();
    pause(gap);
    if (! midi->isSyncRunning())
        return;
    midi->sendCurProgDumpRequest();
    pause(gap);
    if (! midi->isSyncRunning())
        return;
    midi->sendCurEQDumpRequest();
    pause(gap);
    if (! midi->isSyncRunning())
        return;
    // A chain cut off inside the slot dumps left its count behind.
    midi->setAudioEQCounter(0);
    midi->setAudioEQBulkReceive(true);
    midi->sendAudioEQDumpRequest(0);
}

void OrvaDataCenter::onAudioEQSlotDump(MidiManager* midi, int slot, const juce::uint8* packed)
{
    const int n = decode7to8buffer(scratch, packed, packedAudioEQ);
    OnRcvAudioEQDump(midi, scratch, (unsigned) n, slot);

    if (! midi->isAudioEQBulkReceive())
        return;
    const int count = midi->getAudioEQCounter() + 1;
    midi->setAudioEQCounter(count);
    if (count == numAudioEQSlots)
    {
        midi->setAudioEQBulkReceive(false);
        midi->setSyncRunning(false);
        midi->setAudioEQCounter(0);
        postMessageTo(actionManager(), MyMessage::create(MessageId::AudioEQBulkReceiveComplete));
    }
    else if (count < numAudioEQSlots)
    {
        pause(slowLink ? pauseSlow : pauseProgramFast);
        midi->sendAudioEQDumpRequest(count);
    }
}

void OrvaDataCenter::onWriteAcknowledged(MidiManager* midi)
{
    if (! midi->isBulkTransmit())
        return;
    const int count = midi->getSequenceCounter() + 1;
    midi->setSequenceCounter(count);
    if (count == numUser)
    {
        clearBulkFlags(midi);
        requestTimer(ActionManager::timerStatusRefresh, 200);
    }
    else if (count < numUser)
    {
        midi->sendProgDumpOut(count);
    }
    midi->sendChangeMessage();
}

void OrvaDataCenter::onTransferStopped(MidiManager* midi)
{
    // The amplifier stopped the transfer: no chain is running any more, a
    // synchronisation included (otherwise it stays marked as running and
    // every later transfer is refused).
    clearBulkFlags(midi);
    midi->setSyncRunning(false);
    midi->setSequenceCounter(0);
}

// Helpers ------------------------------------------------------------------------

bool OrvaDataCenter::acceptsUnsolicited(const MidiManager* midi) const
{
    return midi != nullptr && isConnected() && ! midi->isBulkReceive() && ! midi->isBulkTransmit()
           && ! midi->isAudioEQBulkReceive();
}

bool OrvaDataCenter::isSlowLink() const
{
    auto* environment = getCurrentDeviceEnvironment();
    if (environment == nullptr)
        return false;
    const auto device = environment->getDeviceInfo();
    return device.model != kProductModelNone && device.mediaType == kMediaTypeBluetooth;
}
