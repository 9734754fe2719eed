#include "DWQ/DWQDataCenter.h"
#include "DataCenter/EditorSysExFrame.h"

#include "Action/ActionManager.h"
#include "Action/MidiManager.h"
#include "Action/midiutils.h"
#include "Application/Host.h"
#include "Core/MessageEngine.h"
#include "Core/MessageIds.h"
#include "DWQ/DWQPresetROMProg.h"
#include "Platform/RSClock.h"

#include <cstring>

namespace DWQ
{
sEditBuf m_sRAMProgDataN[8];
} // namespace DWQ

DWQ::sEditBuf DWQDataCenter::m_sEditBuf;
DWQ::sEditBuf DWQDataCenter::m_sBkEditBuf;
juce::String DWQDataCenter::sFileName[3];
const char* const DWQDataCenter::receivingText = "RECEIVED...";

namespace
{
// Function codes of the messages only this model decodes its own way.
enum Function : int
{
    fnModeNotice = 0x4E
};

constexpr int modelByte = 0x32;

// Raw message positions (F0 at 0): the function byte and its arguments.

constexpr int packedProgram = DecodingDataCenter::packedSize(DWQDataCenter::recordSize); // 35
static_assert(packedProgram - (packedProgram + 7) / 8 <= DWQDataCenter::scratchSize, "a program fits the scratch");

constexpr int pauseProgram = 1;

// Program numbers: user programs follow the presets; the receive chain
// ends after the last user program.
constexpr int firstUser = DWQDataCenter::numPresets;         // 11
constexpr int chainEnd = firstUser + DWQDataCenter::numUser; // 19

constexpr int idProgName = (int) 0xFFFF0000;

// The module type parameters.
constexpr int idModType = 0x400;
constexpr int idDlyRevType = 0x500;

// Fills the class statics from the initial program when the program starts.
const bool staticsFilled = [] {
    std::memcpy(DWQDataCenter::m_sEditBuf.bytes, DWQ::m_InitProgData, DWQDataCenter::recordSize);
    DWQDataCenter::m_sBkEditBuf = DWQDataCenter::m_sEditBuf;
    for (auto& record : DWQ::m_sRAMProgDataN)
        record = DWQDataCenter::m_sEditBuf;
    return true;
}();
} // namespace

DWQDataCenter::DWQDataCenter() : DecodingDataCenter(DataCenter::numberingForModel(0), modelByte, packedProgram)
{
    juce::ignoreUnused(staticsFilled);
    DWQ::Load_DWQPresetROMProg();
}

DWQDataCenter::~DWQDataCenter() = default;

void DWQDataCenter::Init(Host* hostToUse)
{
    host = hostToUse;
    userEditSection.Init(hostToUse, &m_sEditBuf);
}

// Buffers ----------------------------------------------------------------------

void DWQDataCenter::setEditBuf(unsigned char* record)
{
    if (record != nullptr && record != m_sEditBuf.bytes)
        std::memmove(m_sEditBuf.bytes, record, recordSize);
}

void DWQDataCenter::UpdateEditBuf(void* record)
{
    if (record == nullptr)
        return;
    setEditBuf(static_cast<unsigned char*>(record));

    // The zone switches follow the loaded program; the remembered types only
    // change to a type that is on. The types are the section's reads, so that
    // a byte out of range switches the zone as the pages show its type.
    const auto modType = (unsigned char) userEditSection.GetParamI(idModType);
    const auto dlyRevType = (unsigned char) userEditSection.GetParamI(idDlyRevType);
    userEditSection.setStateByte(1, modType != 0 ? 1 : 0);
    userEditSection.setStateByte(2, dlyRevType != 0 ? 1 : 0);
    if (modType != 0)
        userEditSection.setStateByte(3, modType);
    if (dlyRevType != 0)
        userEditSection.setStateByte(4, dlyRevType);

    userEditSection.OnReinitialized();
}

unsigned char* DWQDataCenter::getROMProgPtr(int preset) const
{
    return preset >= 0 && preset < numPresets ? DWQ::m_sROMProgDataN[preset].bytes : nullptr;
}

unsigned char* DWQDataCenter::getRAMProgPtr(int user) const
{
    return user >= 0 && user < numUser ? DWQ::m_sRAMProgDataN[user].bytes : nullptr;
}

void DWQDataCenter::setRAMProgram(int user, void* record)
{
    if (record != nullptr && user >= 0 && user < numUser)
        std::memmove(DWQ::m_sRAMProgDataN[user].bytes, record, recordSize);
}

juce::String DWQDataCenter::getFileName(int tab)
{
    return tab >= 0 && tab < ProgramNumbering::numTabs ? sFileName[tab] : juce::String("-");
}

void DWQDataCenter::setFileName(int tab, juce::String name)
{
    if (tab >= 0 && tab < ProgramNumbering::numTabs)
        sFileName[tab] = name;
}

void DWQDataCenter::setCurProgName(juce::String name)
{
    userEditSection.PutParamSEx(idProgName, programNameText(std::move(name)).toRawUTF8(), 255, CHGSRC_CONTROL);
}

void DWQDataCenter::BackupEditBuf()
{
    std::memcpy(m_sBkEditBuf.bytes, m_sEditBuf.bytes, recordSize);
}
void DWQDataCenter::RestoreEditBuf()
{
    std::memcpy(m_sEditBuf.bytes, m_sBkEditBuf.bytes, recordSize);
}

// Receive callbacks --------------------------------------------------------------

int DWQDataCenter::OnRcvCurProgDump(MidiManager* midi, const void* data, unsigned size)
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

int DWQDataCenter::OnRcvParamChange(MidiManager* midi, unsigned char hi, int lo, int value)
{
    if (! acceptsUnsolicited(midi))
        return 0;
    userEditSection.OnRcvMIDIParam(hi * 256 + lo, value, CHGSRC_DEVICE);
    return 0;
}

int DWQDataCenter::OnRcvModeChange(MidiManager*, unsigned char, int number)
{
    const int total = numPresets + numUser;
    const int program = ((number % total) + total) % total;
    setCurProgNo(program);
    setCurrentProgramState(program);
    requestTimer(ActionManager::timerStatusRefresh, 200);
    return 0;
}

int DWQDataCenter::OnRcvProgramChange(MidiManager* midi, int n, unsigned char, unsigned char)
{
    if (n == iCurProgNo)
        return 0;

    // Only a program that exists: a preset, a user program, or one of an
    // open file tab.
    unsigned char copy[recordSize];
    if (! copyProgramRecord(n, copy))
    {
        juce::Logger::writeToLog("DWQDataCenter::OnRcvProgramChange: ignored, program " + juce::String(n)
                                 + " is no preset, no user program and no program of an open file tab");
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
    return 0;
}

// Decoder ------------------------------------------------------------------------

void DWQDataCenter::decodeModelFunction(MidiManager* midi, const EditorSysExFrame& frame)
{
    if (frame.function() == fnModeNotice && needs(frame, 2))
        onModeNotice(midi, frame.arg(0), frame.arg(1));
}

int DWQDataCenter::programNumberOf(int kind, int program) noexcept
{
    if (kind == 0)
        return program >= 0 && program < numUser ? firstUser + program : -1;
    return program >= 0 && program < numPresets ? program : -1;
}

void DWQDataCenter::onModeNotice(MidiManager* midi, int kind, int program)
{
    const int n = programNumberOf(kind, program);
    if (n < 0)
    {
        logIgnored("mode notice for program " + juce::String(program) + " of kind " + juce::String(kind));
        return;
    }
    PutMode(kind != 1 ? 1 : 0);
    OnRcvProgramChange(midi, n, 0, 0);
}

void DWQDataCenter::onModeMessage(MidiManager* midi, int kind, int program)
{
    if (auto* actions = actionManager())
        if (actions->isTimerRunning(ActionManager::eREQID_MODEREQUEST_TIMEOUT))
            actions->stopTimer(ActionManager::eREQID_MODEREQUEST_TIMEOUT);

    const int n = programNumberOf(kind, program);
    if (n < 0)
    {
        // The chain goes on; only the selection of a program that does not
        // exist is left out (here and in the replay at the chain's end).
        logIgnored("mode message for program " + juce::String(program) + " of kind " + juce::String(kind));
    }
    else
    {
        if (midi->isSyncRunning())
            SaveModeProgData(program, kind != 1 ? 1 : 0, (unsigned char) kind);
        PutMode(kind != 1 ? 1 : 0);
        OnRcvProgramChange(midi, n, 0, 0);
    }

    if (! midi->isSyncRunning())
        return;

    midi->setBulkReceive(true);
    // The text is a constant: no receiver frees it.
    broadcastMessageId(MessageId::Progress, 0, 0, 0, 0, const_cast<char*>(receivingText));
    midi->sendProgDumpRequest(1, 0);
}

void DWQDataCenter::onProgramDump(MidiManager* midi, int bank, int program, const juce::uint8* packed)
{
    // Wire bank 0 holds the user programs, 1 the presets; a dump of a record
    // this model does not have is not stored and does not move a chain on.
    const bool preset = bank == 1;
    if ((bank != 0 && bank != 1) || program < 0 || program >= (preset ? numPresets : numUser))
    {
        logIgnored("program dump of bank " + juce::String(bank) + " program " + juce::String(program));
        return;
    }

    if (midi->isBulkReceive() && midi->getSequenceCounter() == firstUser)
        programBeforeChain = iCurProgNo;
    setCurProgNo(preset ? 0 : 1, program);
    decode7to8buffer(scratch, packed, packedProgram);
    if (preset)
        std::memcpy(DWQ::m_sROMProgDataN[program].bytes, scratch, recordSize);
    else
        setRAMProgram(program, scratch);

    if (! midi->isBulkReceive())
    {
        midi->setSequenceCounter(0);
        midi->setBulkTransmit(false);
        closeProgressBarDialog();
    }
    else
    {
        // The counter holds the number of the program last requested.
        const int next = midi->getSequenceCounter() + 1;
        if (next < chainEnd)
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
            finishReceiveChain(midi);
        }
    }
    midi->sendChangeMessage();
}

void DWQDataCenter::finishReceiveChain(MidiManager* midi)
{
    const bool wasSyncRunning = midi->isSyncRunning();
    midi->setSequenceCounter(0);
    midi->setSyncRunning(false);
    midi->setBulkReceive(false);
    midi->setBulkTransmit(false);
    midi->setSynchronised(true);
    setSynchronised(true);
    userEditSection.FireOnConnectStatusChanged(true);
    closeProgressBarDialog();
    requestTimer(ActionManager::timerPresetRefresh, 2);

    if (wasSyncRunning && takeModeSavedThisChain())
    {
        // The amplifier's own program selection wins over the programs read.
        const int n = programNumberOf(savedMode.mode, savedMode.program);
        if (n >= 0)
        {
            PutMode(savedMode.kind);
            OnRcvProgramChange(midi, n, 0, 0);
        }
    }
    else if (wasSyncRunning)
    {
        // Receive All read no mode: the amplifier still plays the program
        // that was current when the chain began.
        restoreProgramBeforeChain(midi);
    }

    midi->sendCurProgDumpRequest();
    requestTimer(ActionManager::timerReceiveChainEnd, 50);
}

void DWQDataCenter::restoreProgramBeforeChain(MidiManager* midi)
{
    // The chain moved the current program: it is selected again.
    if (const int n = takeProgramBeforeChain(); n >= 0)
        OnRcvProgramChange(midi, n, 0, 0);
}

void DWQDataCenter::onWriteAcknowledged(MidiManager* midi)
{
    if (! midi->isBulkTransmit())
        return;
    const int count = midi->getSequenceCounter() + 1;
    midi->setSequenceCounter(count);
    if (count >= chainEnd)
    {
        midi->setBulkTransmit(false);
        midi->setSyncRunning(false);
        midi->setBulkReceive(false);
        closeProgressBarDialog();
        requestTimer(ActionManager::timerStatusRefresh, 200);
    }
    else
    {
        midi->sendProgDumpOut(count);
    }
}

void DWQDataCenter::onTransferStopped(MidiManager* midi)
{
    midi->setSyncRunning(false);
    midi->setBulkReceive(false);
    midi->setBulkTransmit(false);
    midi->setSequenceCounter(0);
    closeProgressBarDialog();
}

// Helpers ------------------------------------------------------------------------

bool DWQDataCenter::acceptsUnsolicited(const MidiManager* midi) const
{
    return midi != nullptr && isConnected() && ! midi->isBulkReceive() && ! midi->isBulkTransmit();
}

void DWQDataCenter::FireOnConnectStatusChanged(bool isConnectedNow)
{
    userEditSection.FireOnConnectStatusChanged(isConnectedNow);
}
