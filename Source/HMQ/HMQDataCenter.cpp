#include "HMQ/HMQDataCenter.h"
#include "DataCenter/EditorSysExFrame.h"

#include "Action/ActionManager.h"
#include "Action/MidiManager.h"
#include "Action/midiutils.h"
#include "Application/Host.h"
#include "Core/MessageEngine.h"
#include "Core/MessageIds.h"
#include "HMQ/HMQPresetROMProgData.h"
#include "ParamTable/HMQ/HMQCustomTables.h"
#include "ParamTable/HMQ/HMQParamEditTable.h"
#include "Platform/RSClock.h"

#include <cstring>

namespace HMQ
{
sEditBuf m_sRAMProgDataN[8];
} // namespace HMQ

HMQ::sEditBuf HMQDataCenter::m_sEditBuf;
HMQ::sEditBuf HMQDataCenter::m_sBkEditBuf;
HMQ::sCustomAmpFXBuf HMQDataCenter::m_sCustomBuf[4];
juce::String HMQDataCenter::sFileName[3];
const char* const HMQDataCenter::receivingText = "RECEIVED...";

namespace
{
// Function codes of the messages only this model decodes its own way.
enum Function : int
{
    fnModeNotice = 0x4E,
    fnCustomDump = 0x65
};

// Mode kinds of the mode message and the mode notice.
enum ModeKind : int
{
    modeUser = 0,
    modePreset = 1,
    modeOther = 2
};

// Raw message positions (F0 at 0): the function byte and its arguments.
constexpr unsigned char modelByte = 0x34;

constexpr int packedRecord = DecodingDataCenter::packedSize(HMQDataCenter::recordSize); // 71
static_assert(packedRecord - (packedRecord + 7) / 8 <= HMQDataCenter::scratchSize, "a record fits the scratch");

constexpr int firstUser = HMQDataCenter::numPresets;          // 60
constexpr int firstFile = firstUser + HMQDataCenter::numUser; // 68
constexpr int pauseProgram = 1;
constexpr int pauseSettings = 10;
constexpr int pauseModeOther = 5;

// The program a mode message or notice selects in the HMQ number space, or -1
// when its number is no program of its bank.
int programOfMode(int kind, int number)
{
    if (kind == modeUser)
        return juce::isPositiveAndBelow(number, HMQDataCenter::numUser) ? firstUser + number : -1;
    if (kind == modePreset)
        return juce::isPositiveAndBelow(number, HMQDataCenter::numPresets) ? number : -1;
    return -1;
}

// Fills the class statics from the initial data when the program starts.
// The initial images are constant-initialised, so they are ready here.
const bool staticsFilled = [] {
    std::memcpy(HMQDataCenter::m_sEditBuf.bytes, HMQ::m_InitProgData, 62);
    HMQDataCenter::m_sBkEditBuf = HMQDataCenter::m_sEditBuf;
    for (auto& record : HMQ::m_sRAMProgDataN)
        record = HMQDataCenter::m_sEditBuf;
    for (int slot = 0; slot < HMQDataCenter::numCustomSlots; ++slot)
        std::memcpy(HMQDataCenter::m_sCustomBuf[slot].bytes, HMQ::INITCHUNK_CUSTOMPARAM + slot * 62, 62);
    return true;
}();
} // namespace

HMQDataCenter::HMQDataCenter() : DecodingDataCenter(DataCenter::numberingForModel(1), modelByte, packedRecord)
{
    juce::ignoreUnused(staticsFilled);
    HMQ::Load_HMQPresetROMProg();
}

HMQDataCenter::~HMQDataCenter() = default;

void HMQDataCenter::Init(Host* hostToUse)
{
    host = hostToUse;
    userEditSection.Init(hostToUse, &m_sEditBuf);
    customSection.Init(hostToUse, m_sCustomBuf);
}

// Buffers ----------------------------------------------------------------------

void HMQDataCenter::setEditBuf(unsigned char* record)
{
    if (record == nullptr || record == m_sEditBuf.bytes)
        return;
    const juce::ScopedWriteLock lock(fileTabLock);
    std::memmove(m_sEditBuf.bytes, record, recordSize);
}

const unsigned char* HMQDataCenter::getInitProgData() const
{
    return HMQ::m_InitProgData;
}

void HMQDataCenter::UpdateEditBuf(void* record)
{
    setEditBuf(static_cast<unsigned char*>(record));
    userEditSection.OnReinitialized();
}

unsigned char* HMQDataCenter::getCustomBuf(int slot) const
{
    return juce::isPositiveAndBelow(slot, numCustomSlots) ? m_sCustomBuf[slot].bytes : nullptr;
}

void HMQDataCenter::setCustomBuf(unsigned char* record, int slot)
{
    if (record == nullptr || ! juce::isPositiveAndBelow(slot, numCustomSlots))
        return;
    const juce::ScopedWriteLock lock(fileTabLock);
    std::memmove(m_sCustomBuf[slot].bytes, record, recordSize);
}

bool HMQDataCenter::storeEditPartInCustomSlot(int part, int slot)
{
    // Byte 17 of a custom slot: which modules were written into it.
    static constexpr unsigned char writtenBit[] = { 0x01, 0x02, 0x04, 0x10 };
    if (! juce::isPositiveAndBelow(part, 4) || ! juce::isPositiveAndBelow(slot, numCustomSlots))
        return false;

    const juce::ScopedWriteLock lock(fileTabLock);
    auto& custom = m_sCustomBuf[slot];
    switch (part)
    {
        case customAmp: custom.CopyAmpPart_fromEditBuf(&m_sEditBuf); break;
        case customPedal1: custom.CopyPedal1Part_fromEditBuf(&m_sEditBuf); break;
        case customPedal2: custom.CopyPedal2Part_fromEditBuf(&m_sEditBuf); break;
        default: custom.CopyReverbPart_fromEditBuf(&m_sEditBuf); break;
    }
    custom.bytes[17] |= writtenBit[part];
    return true;
}

bool HMQDataCenter::loadCustomPartIntoEditBuf(int part, int slot)
{
    if (! juce::isPositiveAndBelow(part, 4) || ! juce::isPositiveAndBelow(slot, numCustomSlots))
        return false;

    const juce::ScopedWriteLock lock(fileTabLock);
    const auto& custom = m_sCustomBuf[slot];
    switch (part)
    {
        case customAmp: m_sEditBuf.CopyAmpPart_fromCustomBuf(&custom); break;
        case customPedal1: m_sEditBuf.CopyPedal1Part_fromCustomBuf(&custom); break;
        case customPedal2: m_sEditBuf.CopyPedal2Part_fromCustomBuf(&custom); break;
        default: m_sEditBuf.CopyReverbPart_fromCustomBuf(&custom); break;
    }
    return true;
}

void HMQDataCenter::UpdateCustomBuf(void* record, int slot)
{
    if (! juce::isPositiveAndBelow(slot, numCustomSlots))
        return;
    setCustomBuf(static_cast<unsigned char*>(record), slot);
    customSection.OnReinitialized();
}

unsigned char* HMQDataCenter::getROMProgPtr(int preset) const
{
    return juce::isPositiveAndBelow(preset, numPresets) ? HMQ::m_sROMProgDataN[preset].bytes : nullptr;
}

unsigned char* HMQDataCenter::getRAMProgPtr(int user) const
{
    return juce::isPositiveAndBelow(user, numUser) ? HMQ::m_sRAMProgDataN[user].bytes : nullptr;
}

void HMQDataCenter::setRAMProgram(int user, void* record)
{
    if (record != nullptr && juce::isPositiveAndBelow(user, numUser))
        std::memmove(HMQ::m_sRAMProgDataN[user].bytes, record, recordSize);
}

juce::String HMQDataCenter::getFileName(int tab)
{
    return juce::isPositiveAndBelow(tab, ProgramNumbering::numTabs) ? sFileName[tab] : juce::String("-");
}

void HMQDataCenter::setFileName(int tab, juce::String name)
{
    if (juce::isPositiveAndBelow(tab, ProgramNumbering::numTabs))
        sFileName[tab] = name;
}

void HMQDataCenter::setCurProgName(juce::String name)
{
    userEditSection.PutParamSEx(idProgName, programNameText(std::move(name)).toRawUTF8(), 255, CHGSRC_CONTROL);
}

void HMQDataCenter::BackupEditBuf()
{
    m_sBkEditBuf = m_sEditBuf;
}
void HMQDataCenter::RestoreEditBuf()
{
    m_sEditBuf = m_sBkEditBuf;
}

// Receive callbacks --------------------------------------------------------------

int HMQDataCenter::OnRcvCurProgDump(MidiManager* midi, const void* data, unsigned size)
{
    if (data == nullptr || size < (unsigned) recordSize)
        return 0;
    UpdateEditBuf(const_cast<void*>(data));
    if (midi != nullptr && midi->isBulkReceive())
        setCurProgNo(0, 0);
    if (midi != nullptr)
        midi->sendChangeMessage();
    userEditSection.OnReinitialized();
    return 0;
}

int HMQDataCenter::OnRcvParamChange(MidiManager* midi, unsigned char hi, int lo, int value)
{
    if (acceptsUnsolicited(midi))
        userEditSection.OnRcvMIDIParam(hi * 256 + lo, value, CHGSRC_DEVICE);
    return 0;
}

int HMQDataCenter::OnRcvModeChange(MidiManager* midi, unsigned char kind, int number)
{
    if (kind == modeOther)
    {
        // No stored program is selected: ask for the one the amplifier plays.
        pause(pauseModeOther);
        if (midi != nullptr)
            midi->sendCurProgDumpRequest();
    }
    else
    {
        const int program = ((number % firstFile) + firstFile) % firstFile;
        setCurProgNo(program);
        setCurrentProgramState(program);
        requestTimer(ActionManager::timerStatusRefresh, 200);
    }
    userEditSection.FireOnUICtrlSelectValid(false);
    return 0;
}

int HMQDataCenter::OnRcvProgramChange(MidiManager* midi, int n, unsigned char newMode, unsigned char oldMode)
{
    // Only a program that exists: a preset, a user program, or one of an open file tab.
    unsigned char copy[recordSize];
    if (! copyProgramRecord(n, copy))
    {
        juce::Logger::writeToLog("HMQDataCenter::OnRcvProgramChange: ignored, program " + juce::String(n)
                                 + " is no preset, no user program and no program of an open file tab");
        return 0;
    }

    if (n == iCurProgNo && ! (oldMode == modeOther && newMode != oldMode))
        return 0;

    setCurProgNo(n);
    setCurrentProgramState(n);
    if (numbering.isUser(n))
        iUserDestProg = n;
    UpdateEditBuf(copy);

    if (midi != nullptr)
        midi->sendChangeMessage();
    requestTimer(ActionManager::timerMainRefresh, 1);
    customSection.FireOnCustomTabOpen(0, false);
    userEditSection.FireOnUICtrlSelectValid(false);
    return 0;
}

int HMQDataCenter::OnRcvCustomAMPFXDump(MidiManager* midi, const void* data, unsigned slot)
{
    if (data == nullptr || slot >= (unsigned) numCustomSlots)
        return 0;
    UpdateCustomBuf(const_cast<void*>(data), (int) slot);
    if (midi != nullptr)
        midi->sendChangeMessage();
    return 0;
}

// Decoder ------------------------------------------------------------------------

void HMQDataCenter::decodeModelFunction(MidiManager* midi, const EditorSysExFrame& frame)
{
    switch (frame.function())
    {
        case fnModeNotice:
            if (needs(frame, 2))
                onModeNotice(midi, frame.arg(0), frame.arg(1));
            break;

        case fnCustomDump:
            if (! needs(frame, 2 + packedRecord))
                return;
            if (frame.arg(1) >= numCustomSlots)
            {
                logIgnored("custom slot " + juce::String(frame.arg(1)));
                return;
            }
            onCustomSlotDump(midi, frame.arg(1), frame.args() + 2);
            break;

        default: break;
    }
}

void HMQDataCenter::onModeNotice(MidiManager* midi, int kind, int number)
{
    const int mode = GetMode();
    if (kind == modeOther)
    {
        PutMode(2);
        OnRcvModeChange(midi, 2, number);
        return;
    }
    const int program = programOfMode(kind, number);
    if (program < 0)
    {
        logIgnored("mode notice kind " + juce::String(kind) + " program " + juce::String(number));
        return;
    }
    PutMode(kind == modeUser ? 1 : 0);
    OnRcvProgramChange(midi, program, (unsigned char) (kind == modeUser ? 1 : 0), (unsigned char) mode);
}

void HMQDataCenter::onModeMessage(MidiManager* midi, int kind, int number)
{
    if (auto* actions = actionManager())
        if (actions->isTimerRunning(ActionManager::eREQID_MODEREQUEST_TIMEOUT))
            actions->stopTimer(ActionManager::eREQID_MODEREQUEST_TIMEOUT);

    const int mode = GetMode();
    if (midi->isSyncRunning())
        SaveModeProgData(number, kind, (unsigned char) mode);

    if (kind == modeOther)
    {
        PutMode(2);
        OnRcvModeChange(midi, 2, number);
    }
    else if (kind == modeUser || kind == modePreset)
    {
        const int program = programOfMode(kind, number);
        if (program >= 0)
        {
            PutMode(kind == modeUser ? 1 : 0);
            OnRcvProgramChange(midi, program, (unsigned char) (kind == modeUser ? 1 : 0), (unsigned char) mode);
        }
        else
        {
            logIgnored("mode message program " + juce::String(number) + " of kind " + juce::String(kind));
        }
    }

    if (! midi->isSyncRunning())
        return;

    midi->setBulkReceive(true);
    // The text is a constant: no receiver frees it.
    broadcastMessageId(MessageId::Progress, 0, 0, 0, 0, const_cast<char*>(receivingText));
    midi->sendProgDumpRequest(1, 0);
}

void HMQDataCenter::onProgramDump(MidiManager* midi, int bank, int program, const juce::uint8* packed)
{
    // Wire bank 0 is the user bank, 1 the preset bank; only existing records are stored.
    const bool user = bank == 0;
    if ((bank != 0 && bank != 1) || ! juce::isPositiveAndBelow(program, user ? numUser : numPresets))
    {
        logIgnored("program dump of bank " + juce::String(bank) + " program " + juce::String(program));
        return;
    }

    if (midi->isBulkReceive() && midi->getSequenceCounter() == firstUser)
        programBeforeChain = iCurProgNo;
    setCurProgNo(user ? 1 : 0, program);
    decode7to8buffer(scratch, packed, packedRecord);
    if (user)
        setRAMProgram(program, scratch);
    else
        std::memcpy(HMQ::m_sROMProgDataN[program].bytes, scratch, recordSize);

    if (! midi->isBulkReceive())
    {
        midi->setSequenceCounter(0);
        clearBulkFlags(midi);
    }
    else
    {
        const int next = midi->getSequenceCounter() + 1;
        if (next < firstFile)
        {
            midi->setSequenceCounter(next);
            pause(pauseProgram);
            if (next < firstUser)
                midi->sendProgDumpRequest(0, next);
            else
                midi->sendProgDumpRequest(1, next - firstUser);
        }
        else
        {
            finishUserProgramChain(midi);
        }
    }
    midi->sendChangeMessage();
}

void HMQDataCenter::finishUserProgramChain(MidiManager* midi)
{
    midi->setSequenceCounter(0);
    clearBulkFlags(midi);
    midi->setSynchronised(true);
    setSynchronised(true);
    userEditSection.FireOnConnectStatusChanged(true);
    requestTimer(ActionManager::timerPresetRefresh, 2);

    const bool modeOfThisChain = takeModeSavedThisChain();
    if (midi->isSyncRunning() && ! modeOfThisChain)
    {
        // Receive All read no mode: the amplifier still plays the program
        // that was current when the chain began.
        restoreProgramBeforeChain(midi);
    }
    else if (midi->isSyncRunning())
    {
        // The amplifier's own program selection wins over the programs read.
        if (savedMode.kind == modeOther)
        {
            PutMode(2);
            OnRcvModeChange(midi, 2, savedMode.program);
        }
        else if (const int program = programOfMode(savedMode.kind, savedMode.program); program >= 0)
        {
            const int newMode = savedMode.kind == modeUser ? 1 : 0;
            PutMode(newMode);
            OnRcvProgramChange(midi, program, (unsigned char) newMode, savedMode.mode);
        }
    }

    if (midi->isSyncRunning())
    {
        midi->sendCurProgDumpRequest();
        pause(pauseSettings);
    }
    if (midi->isSyncRunning())
    {
        midi->setCustomCounter(0);
        midi->setCustomBulkReceive(true);
        midi->sendCustomAmpFXDumpRequest(0);
    }
    requestTimer(ActionManager::timerReceiveChainEnd, 50);
}

void HMQDataCenter::restoreProgramBeforeChain(MidiManager* midi)
{
    // No stored program was selected: the current program is asked for next.
    if (GetMode() == 2)
    {
        programBeforeChain = -1;
        return;
    }
    // The chain moved the current program: it is selected again.
    if (const int n = takeProgramBeforeChain(); n >= 0)
    {
        const auto mode = (unsigned char) (numbering.isUser(n) ? 1 : 0);
        OnRcvProgramChange(midi, n, mode, mode);
    }
}

void HMQDataCenter::onCustomSlotDump(MidiManager* midi, int slot, const juce::uint8* packed)
{
    decode7to8buffer(scratch, packed, packedRecord);
    OnRcvCustomAMPFXDump(midi, scratch, (unsigned) slot);

    if (! midi->isCustomBulkReceive())
        return;
    const int count = midi->getCustomCounter() + 1;
    midi->setCustomCounter(count);
    if (count >= numCustomSlots)
    {
        midi->setSyncRunning(false);
        midi->setCustomBulkReceive(false);
        midi->setCustomCounter(0);
        postMessageTo(actionManager(), MyMessage::create(MessageId::CustomBulkReceiveComplete));
    }
    else
    {
        pause(pauseProgram);
        midi->sendCustomAmpFXDumpRequest(count);
    }
}

void HMQDataCenter::onWriteAcknowledged(MidiManager* midi)
{
    if (! midi->isBulkTransmit())
        return;
    const int count = midi->getSequenceCounter() + 1;
    midi->setSequenceCounter(count);
    if (count >= firstFile)
    {
        midi->setSyncRunning(false);
        clearBulkFlags(midi);
        requestTimer(ActionManager::timerStatusRefresh, 200);
    }
    else
    {
        midi->sendProgDumpOut(count);
    }
    midi->sendChangeMessage();
}

void HMQDataCenter::onTransferStopped(MidiManager* midi)
{
    // The amplifier stopped the transfer: no chain is running any more, a
    // synchronisation included (otherwise it stays marked as running and
    // every later transfer is refused).
    clearBulkFlags(midi);
    midi->setSyncRunning(false);
    midi->setSequenceCounter(0);
}

// Helpers ------------------------------------------------------------------------

bool HMQDataCenter::acceptsUnsolicited(const MidiManager* midi) const
{
    return midi != nullptr && isConnected() && ! midi->isBulkReceive() && ! midi->isBulkTransmit();
}

void HMQDataCenter::FireOnConnectStatusChanged(bool isConnectedNow)
{
    userEditSection.FireOnConnectStatusChanged(isConnectedNow);
}
