#include "GUI/Editor/ProgramRecordCopy.h"

#include "DataCenter/DataCenter.h"

#include <cstring>

const unsigned char* ProgramRecordCopy::sourceRecord(DataCenter& dataCenter, int n, bool fromEditBuffer)
{
    if (fromEditBuffer)
        return dataCenter.getEditBuf();
    const auto& numbering = dataCenter.getNumbering();
    if (numbering.isPreset(n))
        return dataCenter.getROMProgPtr(n);
    if (numbering.isUser(n))
        return dataCenter.getRAMProgPtr(n - numbering.firstUser);
    if (numbering.isFile(n) && numbering.tabOf(n) < dataCenter.getFileCount())
        return dataCenter.getFileProgPtr(numbering.tabOf(n), numbering.indexInTab(n));
    return nullptr;
}

void ProgramRecordCopy::copy(unsigned char* destination, const unsigned char* source, int size)
{
    if (destination != source)
        std::memcpy(destination, source, (size_t) size);
}

bool ProgramRecordCopy::intoUserSlot(DataCenter& dataCenter, int slot, int sourceProgram, bool fromEditBuffer)
{
    if (slot < 0 || slot >= DataCenter::ProgramNumbering::numUser)
        return false;
    const juce::ScopedWriteLock lock(dataCenter.getFileTabLock());
    auto* destination = dataCenter.getRAMProgPtr(slot);
    const auto* source = sourceRecord(dataCenter, sourceProgram, fromEditBuffer);
    if (destination == nullptr || source == nullptr)
        return false;
    copy(destination, source, dataCenter.getNumbering().recordSize);
    return true;
}

bool ProgramRecordCopy::intoFileSlot(DataCenter& dataCenter, int tab, int index, int sourceProgram, bool fromEditBuffer)
{
    const auto& numbering = dataCenter.getNumbering();
    // A tab that holds no file has no slots to write.
    if (tab < 0 || tab >= dataCenter.getFileCount() || index < 0 || index >= numbering.programsPerTab)
        return false;
    const juce::ScopedWriteLock lock(dataCenter.getFileTabLock());
    auto* destination = dataCenter.getFileProgPtr(tab, index);
    const auto* source = sourceRecord(dataCenter, sourceProgram, fromEditBuffer);
    if (destination == nullptr || source == nullptr)
        return false;
    copy(destination, source, numbering.recordSize);
    dataCenter.setModifiedMask(tab, dataCenter.getModifiedMask(tab) | (1 << index));
    return true;
}
