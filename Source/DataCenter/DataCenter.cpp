#include "DataCenter/DataCenter.h"

#include "Application/Host.h"
#include "Application/StateHolder.h"

#include <cstring>

namespace
{
constexpr int nameLength = 16;

const DataCenter::ProgramNumbering numberingDWQ { 11, 11, 11, 30 };
const DataCenter::ProgramNumbering numberingHMQ { 60, 60, 11, 62 };
const DataCenter::ProgramNumbering numberingOrva { 0, 0, 8, 62 };

StateHolder* stateHolder()
{
    auto* host = Host::getInstance();
    return host != nullptr ? host->getStateHolder() : nullptr;
}

void appendName(juce::String& to, const unsigned char* record)
{
    if (record == nullptr)
        return;
    for (int i = 0; i < nameLength; ++i)
        to += (juce::juce_wchar) record[i];
}
} // namespace

int DataCenter::iCurProgNo = 0;
int DataCenter::iUserDestProg = 0;

const DataCenter::ProgramNumbering& DataCenter::numberingForModel(int modelId) noexcept
{
    if (modelId == 0)
        return numberingDWQ;
    if (modelId == 1)
        return numberingHMQ;
    return numberingOrva;
}

DataCenter::DataCenter(const ProgramNumbering& programNumbering) : numbering(programNumbering)
{
    if (iUserDestProg < numbering.firstUser)
        iUserDestProg = numbering.firstUser;
}

DataCenter::~DataCenter() = default;

juce::String DataCenter::getProgName(int n)
{
    progNameScratch.clear();
    if (numbering.isPreset(n))
    {
        appendName(progNameScratch, getROMProgPtr(n));
    }
    else if (numbering.isUser(n))
    {
        appendName(progNameScratch, getRAMProgPtr(n - numbering.firstUser));
    }
    else if (numbering.isFile(n))
    {
        const juce::ScopedReadLock lock(fileTabLock);
        appendName(progNameScratch, getFileProgPtr(numbering.tabOf(n), numbering.indexInTab(n)));
    }
    return progNameScratch;
}

juce::String DataCenter::getCurProgName()
{
    const unsigned char* edit = getEditBuf();
    if (edit == nullptr)
        return {};

    char name[nameLength + 1] = {};
    std::memcpy(name, edit, nameLength);
    for (int i = nameLength - 1; i >= 0 && name[i] == ' '; --i)
        name[i] = 0;
    return juce::String(juce::CharPointer_UTF8(name), (size_t) std::strlen(name));
}

int DataCenter::GetMode() const
{
    auto* state = stateHolder();
    return state != nullptr ? state->mode : 0;
}

int DataCenter::PutMode(int mode)
{
    if (auto* state = stateHolder())
    {
        state->previousMode = state->mode;
        state->mode = mode;
    }
    return GetMode();
}

void DataCenter::SaveModeProgData(int program, int kind, unsigned char mode)
{
    savedMode = { program, kind, mode };
    modeSavedThisChain = true;
}

unsigned char* DataCenter::getFileProgPtr(int tab, int index) const
{
    if (! juce::isPositiveAndBelow(tab, ProgramNumbering::numTabs) || ! juce::isPositiveAndBelow(index, numbering.programsPerTab))
        return nullptr;
    auto* base = const_cast<DataCenter*>(this)->getFileReadBuf();
    return base != nullptr ? base + (tab * numbering.programsPerTab + index) * numbering.recordSize : nullptr;
}

bool DataCenter::copyProgramRecord(int n, unsigned char* out)
{
    const unsigned char* record = nullptr;
    if (numbering.isPreset(n))
        record = getROMProgPtr(n);
    else if (numbering.isUser(n))
        record = getRAMProgPtr(n - numbering.firstUser);

    if (record != nullptr)
    {
        std::memcpy(out, record, (size_t) numbering.recordSize);
        return true;
    }
    if (! isOpenFileProgram(n))
        return false;

    const juce::ScopedReadLock lock(fileTabLock);
    record = getFileProgPtr(numbering.tabOf(n), numbering.indexInTab(n));
    if (record == nullptr)
        return false;
    std::memcpy(out, record, (size_t) numbering.recordSize);
    return true;
}

int DataCenter::takeProgramBeforeChain()
{
    const int n = std::exchange(programBeforeChain, -1);
    if (! numbering.isPreset(n) && ! numbering.isUser(n) && ! isOpenFileProgram(n))
        return -1;
    if (numbering.isUser(n))
        iUserDestProg = n;
    iCurProgNo = -1;
    return n;
}

bool DataCenter::removeFileBuf(int tab)
{
    // Only an open tab can be closed.
    if (fileCount < 1 || fileCount > ProgramNumbering::numTabs || tab < 0 || tab >= fileCount)
        return false;

    auto* base = getFileReadBuf();
    const size_t tabBytes = (size_t) (numbering.programsPerTab * numbering.recordSize);
    for (int i = tab; i < ProgramNumbering::numTabs - 1; ++i)
    {
        if (base != nullptr)
            std::memmove(base + (size_t) i * tabBytes, base + (size_t) (i + 1) * tabBytes, tabBytes);
        setFileName(i, getFileName(i + 1));
    }
    --fileCount;
    return true;
}

void DataCenter::setCurProgNo(int n)
{
    if (numbering.isUser(n))
    {
        curBank = 1;
        curProg = n - numbering.firstUser;
        iCurProgNo = n;
    }
    else if (numbering.isPreset(n))
    {
        curBank = 0;
        curProg = n;
        iCurProgNo = n;
    }
    else if (numbering.isFile(n))
    {
        iCurProgNo = n;
    }
}

void DataCenter::setCurProgNo(int bank, int program)
{
    const bool user = bank != 0 || numbering.numPresets == 0;
    if (user)
    {
        if (program < 0 || program >= ProgramNumbering::numUser)
            return;
        iCurProgNo = numbering.firstUser + program;
    }
    else
    {
        if (program < 0 || program >= numbering.numPresets)
            return;
        iCurProgNo = program;
    }
    curBank = bank;
    curProg = program;
}

int DataCenter::getModifiedMask(int tab) const noexcept
{
    return tab >= 0 && tab < ProgramNumbering::numTabs ? modifiedMask[tab] : 0;
}

void DataCenter::setModifiedMask(int tab, int mask) noexcept
{
    if (tab >= 0 && tab < ProgramNumbering::numTabs)
        modifiedMask[tab] = mask;
}

void DataCenter::setConnected(bool isConnectedNow) noexcept
{
    connected = isConnectedNow;
    if (! isConnectedNow)
    {
        synchronised = false;
        modeSavedThisChain = false;
    }
}
