// Program files and file tabs: new, open, save as, close, and the user
// programs from and to a file.
#include "Action/ActionManager.h"
#include "Core/ProductModel.h"

#include "Action/FileCommandPrompts.h"
#include "Action/FileTabView.h"
#include "Action/MidiManager.h"
#include "Action/NativeFileCommandPrompts.h"
#include "Action/ReentrancyGuard.h"
#include "Application/Host.h"
#include "Application/StateHolder.h"
#include "Common/DeviceEnvironment.h"
#include "DataCenter/DataCenter.h"

#include <cstring>

int ActionManager::leadingTab(const FileTabView* view)
{
    return view != nullptr && view->hasLeadingTab() ? 1 : 0;
}

void ActionManager::logRefusal(const juce::String& operation, ProgramFile::ReadError error, const juce::File& file,
                               const ProgramFile::Format& format)
{
    juce::Logger::writeToLog("ActionManager::" + operation + "() refused " + file.getFullPathName() + ": "
                             + ProgramFile::describe(error, file, format));
}

bool ActionManager::getFileContext(int model, FileContext& context) const
{
    auto* environment = getCurrentDeviceEnvironment();
    auto* dataCenter = environment != nullptr ? environment->getDataCenter() : nullptr;
    const int environmentModel = environment != nullptr ? (int) environment->getDeviceInfo().model : -1;
    const auto* format = ProgramFile::forModel(environmentModel);
    const auto* asked = ProgramFile::forModel(model);
    if (dataCenter == nullptr || format == nullptr || asked == nullptr)
        return false;

    // A file of one model must never land in another model's buffers: their
    // records differ in size and layout.
    if (asked->tag != format->tag || dataCenter->getNumbering().recordSize != format->recordSize)
    {
        juce::Logger::writeToLog("ActionManager: file command for model " + juce::String(model) + " refused, the open model is "
                                 + juce::String(environmentModel));
        return false;
    }
    context = { dataCenter, format, environmentModel };
    return true;
}

void ActionManager::setFileCommandPrompts(std::unique_ptr<FileCommandPrompts> prompts)
{
    filePrompts = std::move(prompts);
}

FileCommandPrompts& ActionManager::prompts()
{
    if (filePrompts == nullptr)
        filePrompts = std::make_unique<NativeFileCommandPrompts>();
    return *filePrompts;
}

// The one step that shows a file tab: only a view that takes the tab makes it
// count as open.
bool ActionManager::showFileTab(DataCenter& dataCenter, int fileTab, const juce::String& title)
{
    if (fileTabView == nullptr)
        return false;
    // The tab's slots read their records while the view builds the tab.
    const int before = dataCenter.getFileCount();
    dataCenter.setFileCount(fileTab + 1);
    if (fileTabView->addFileTab(fileTab, title))
        return true;
    dataCenter.setFileCount(before);
    return false;
}

void ActionManager::copyIntoTab(DataCenter& dataCenter, int fileTab, const std::vector<unsigned char>& records,
                                const juce::String& name)
{
    {
        const juce::ScopedWriteLock lock(dataCenter.getFileTabLock());
        if (auto* first = dataCenter.getFileProgPtr(fileTab, 0))
            std::memcpy(first, records.data(), records.size());
    }
    dataCenter.setFileName(fileTab, name);
}

// --- New, open, save as, close ---------------------------------------------

bool ActionManager::executeNewFile(int model)
{
    static bool running = false;
    const ReentrancyGuard guard(running);
    FileContext context;
    if (! guard.entered || ! getFileContext(model, context))
        return false;

    auto& dataCenter = *context.dataCenter;
    const int n = dataCenter.getFileCount();
    if (n >= maxTabs)
    {
        prompts().showWarning("New File Error:", tooManyFiles, okButton);
        return false;
    }

    const juce::ScopedWriteLock lock(dataCenter.getFileTabLock());
    dataCenter.setFileName(n, "NEW FILE");
    const int recordSize = context.format->recordSize;
    for (int i = 0; i < context.format->programsPerTab; ++i)
    {
        auto* record = dataCenter.getFileProgPtr(n, i);
        if (record == nullptr)
            return false;
        std::memcpy(record, dataCenter.getInitProgData(), (size_t) recordSize);
        if (isOrvaModel(context.model))
        {
            const juce::String name = "NO NAME " + juce::String(i + 1);
            std::memset(record, ' ', 16);
            std::memcpy(record, name.toRawUTF8(), (size_t) name.length());
        }
    }
    dataCenter.setModifiedMask(n, 0);
    return true;
}

void ActionManager::afterNewFileUI(int model)
{
    FileContext context;
    if (! getFileContext(model, context))
        return;
    const int n = context.dataCenter->getFileCount();
    showFileTab(*context.dataCenter, n, context.dataCenter->getFileName(n));
}

void ActionManager::afterFileOpenUI(int model)
{
    afterNewFileUI(model);
}

int ActionManager::executeFileOpen(int model)
{
    static bool running = false;
    const ReentrancyGuard guard(running);
    FileContext context;
    if (! guard.entered || ! getFileContext(model, context))
        return -1;

    if (context.dataCenter->getFileCount() >= maxTabs)
    {
        prompts().showWarning("File Open Error:", tooManyFiles, okButton);
        return -1;
    }
    if (context.dataCenter->getFileReadBuf() == nullptr)
        return -1;

    return openChosenFile(model, "Open " + context.format->getTypeName() + " file...", context.format->getPattern(),
                          &ActionManager::executeFileOpenSub);
}

int ActionManager::openChosenFile(int model, const juce::String& dialogTitle, const juce::String& pattern,
                                  int (ActionManager::*read)(int, const juce::File&))
{
    int result = -1;
    const auto chosen = prompts().chooseFileToOpen(dialogTitle, pattern);
    if (chosen != juce::File())
        result = (this->*read)(model, chosen);

    if (fileTabView != nullptr)
        fileTabView->focusUserProgramButtons();
    return result;
}

int ActionManager::executeFileOpenSub(int model, const juce::File& file)
{
    FileContext context;
    if (! getFileContext(model, context))
        return -1;

    auto& dataCenter = *context.dataCenter;
    const int n = dataCenter.getFileCount();
    if (n >= maxTabs)
        return -1;

    // Read whole into a local buffer first: a refused file leaves the tab as it was.
    std::vector<unsigned char> records;
    const auto read =
        ProgramFile::read(file, *context.format, context.format->programsPerTab, dataCenter.getInitProgData(), records);
    if (! read.ok())
    {
        logRefusal("executeFileOpenSub", read.error, file, *context.format);
        prompts().showWarning("File Open Error:", ProgramFile::describe(read.error, file, *context.format), okButton);
        return -1;
    }

    copyIntoTab(dataCenter, n, records, file.getFileNameWithoutExtension());
    return read.programs;
}

namespace
{
// Writes the header and `count` records (read through `recordAt`, null ends
// the write as a failure) into the data centre's write buffer, then the whole
// image to the stream from its start. The records are read under `recordLock`
// when one is given (taken after the write buffer's lock).
template <typename RecordAt>
bool writeProgramImage(DataCenter& dataCenter, const ProgramFile::Format& format, juce::FileOutputStream& out, int count,
                       size_t imageSize, const juce::ReadWriteLock* recordLock, RecordAt&& recordAt)
{
    auto* image = dataCenter.getFileWriteBuf();
    if (image == nullptr)
        return false;

    try
    {
        const juce::ScopedWriteLock writeLock(dataCenter.getWriteBufLock());
        ProgramFile::writeHeader(image, format);
        {
            if (recordLock != nullptr)
                recordLock->enterRead();
            const juce::ScopeGuard unlock { [recordLock] {
                if (recordLock != nullptr)
                    recordLock->exitRead();
            } };
            for (int i = 0; i < count; ++i)
            {
                const auto* record = recordAt(i);
                if (record == nullptr)
                    return false;
                std::memcpy(image + ProgramFile::headerSize + i * format.recordSize, record, (size_t) format.recordSize);
            }
        }
        if (! out.setPosition(0))
            return false;
        return out.write(image, imageSize) && out.truncate().wasOk();
    }
    catch (...)
    {
        return false;
    }
}
} // namespace

bool ActionManager::executeFileSaveSubStream(int model, juce::FileOutputStream* out, int tab)
{
    FileContext context;
    if (out == nullptr || tab < 0 || tab >= maxTabs || ! getFileContext(model, context))
        return false;

    auto& dataCenter = *context.dataCenter;
    const auto& format = *context.format;
    return writeProgramImage(dataCenter, format, *out, format.programsPerTab, (size_t) format.tabImageSize(),
                             &dataCenter.getFileTabLock(), [&](int i) { return dataCenter.getFileProgPtr(tab, i); });
}

// The shared body of the two save commands: dialog, name check, extension,
// replace question, then the write through a temporary file. tab < 0 saves
// the user programs.
bool ActionManager::saveChosenFile(int model, const juce::String& dialogTitle, const juce::String& errorTitle, int tab)
{
    FileContext context;
    if (! getFileContext(model, context))
        return false;
    const auto& format = *context.format;

    const auto chosen = prompts().chooseFileToSave(dialogTitle, format.getPattern());
    if (chosen == juce::File())
        return false;

    if (! ProgramFile::isValidFileName(chosen.getFileName()))
    {
        prompts().showWarning(errorTitle, "Invalid file name.", okButton);
        if (fileTabView != nullptr)
            fileTabView->focusUserProgramButtons();
        return false;
    }

    chosen.getParentDirectory().setAsCurrentWorkingDirectory();
    const auto target = ProgramFile::withModelExtension(chosen, format);
    if (target != chosen && target.exists()
        && ! prompts().confirm("Confirm Save As:", target.getFileName() + " already exists.\n\rDo you want to replace it?",
                               " Yes ", "  No  "))
        return false;

    bool openFailed = false;
    bool written = false;
    {
        const juce::ScopedLock lock(fileSaveLock);
        const int imageSize = tab >= 0 ? format.tabImageSize() : format.userImageSize();
        written = ProgramFile::writeSafely(
            target, juce::jmax(16384, imageSize),
            [&](juce::FileOutputStream& out) {
                return tab >= 0 ? executeFileSaveSubStream(model, &out, tab) : executeFileSaveUserSubStream(model, &out);
            },
            &openFailed);
    }

    if (openFailed)
    {
        prompts().showWarning(
            "File Save Error:",
            "This file (or this location) is set to read-only.\n\rTry again with a different file name (or a different location).",
            okButton);
        return false;
    }
    if (! written)
    {
        juce::Logger::writeToLog("ActionManager::saveChosenFile() cannot write " + target.getFullPathName());
        prompts().showWarning("File Save Error:", target.getFileName() + " could not be written.", okButton);
    }
    else if (tab >= 0)
    {
        // Only a tab that reached the disk counts as saved.
        context.dataCenter->setFileName(tab, chosen.getFileNameWithoutExtension());
        context.dataCenter->setModifiedMask(tab, 0);
        // The name strip names the file of a current program of this tab:
        // it takes the new name now, not at the next program change.
        const auto& numbering = DataCenter::numberingForModel(context.model);
        auto* host = Host::getInstance();
        auto* state = host != nullptr ? host->getStateHolder() : nullptr;
        if (state != nullptr && numbering.isFile(state->currentProgram) && numbering.tabOf(state->currentProgram) == tab)
            if (auto* midi = host->getMidiManager())
                midi->sendChangeMessage();
    }

    if (fileTabView != nullptr)
        fileTabView->focusUserProgramButtons();
    return written;
}

bool ActionManager::executeFileSaveFile(int model)
{
    static bool running = false;
    const ReentrancyGuard guard(running);
    FileContext context;
    if (! guard.entered || fileTabView == nullptr || ! getFileContext(model, context))
        return false;

    const int n = context.dataCenter->getFileCount();
    const int f = fileTabView->getCurrentTabIndex() - leadingTab(fileTabView);
    if (f < 0 || f >= n || n > maxTabs)
        return false;

    return saveChosenFile(model, "Save Current File Programs...", "Save Current File Programs Error:", f);
}

void ActionManager::afterFileSaveUI(int model)
{
    FileContext context;
    if (fileTabView == nullptr || ! getFileContext(model, context))
        return;
    const int t = fileTabView->getCurrentTabIndex();
    fileTabView->setTabTitle(t, context.dataCenter->getFileName(t - leadingTab(fileTabView)));
}

bool ActionManager::executeFileClose(int model, int tab)
{
    static bool running = false;
    const ReentrancyGuard guard(running);
    FileContext context;
    if (! guard.entered || ! getFileContext(model, context))
        return false;

    auto& dataCenter = *context.dataCenter;
    if (tab < 0 || tab >= maxTabs || tab >= dataCenter.getFileCount())
    {
        juce::Logger::writeToLog("ActionManager::executeFileClose() no open file tab " + juce::String(tab));
        return false;
    }

    if (dataCenter.getModifiedMask(tab) != 0
        && ! prompts().confirm("File is modified. ", "Force close file.\nAre you sure?", " OK ", "Cancel"))
        return false;

    if (! dataCenter.removeFileBuf(tab))
        return false;
    for (int i = tab; i < maxTabs - 1; ++i)
        dataCenter.setModifiedMask(i, dataCenter.getModifiedMask(i + 1));
    dataCenter.setModifiedMask(maxTabs - 1, 0);
    followClosedTab(context.model, dataCenter, tab);
    return true;
}

// The current program follows the tabs: a program of a later tab moves down
// with its tab; one of the closed tab keeps its place in the editor but has
// no slot any more (-1), so the name strip names no file for it and no page
// lights the slot that the next file now holds under its old number. The
// pages are refreshed afterwards.
void ActionManager::followClosedTab(int model, DataCenter& dataCenter, int tab)
{
    const auto& numbering = DataCenter::numberingForModel(model);
    auto* host = Host::getInstance();
    if (auto* state = host != nullptr ? host->getStateHolder() : nullptr;
        state != nullptr && numbering.isFile(state->currentProgram))
    {
        const int holder = numbering.tabOf(state->currentProgram);
        if (holder == tab)
            state->currentProgram = -1;
        else if (holder > tab)
            state->currentProgram -= numbering.programsPerTab;
    }
    if (numbering.isFile(DataCenter::iCurProgNo))
    {
        const int holder = numbering.tabOf(DataCenter::iCurProgNo);
        if (holder == tab)
            DataCenter::iCurProgNo = -1;
        else if (holder > tab)
            dataCenter.setCurProgNo(DataCenter::iCurProgNo - numbering.programsPerTab);
    }

    if (auto* midi = host != nullptr ? host->getMidiManager() : nullptr)
        midi->sendChangeMessage();
}

void ActionManager::afterFileCloseUI(int model, int tabIndex)
{
    FileContext context;
    if (fileTabView == nullptr || ! getFileContext(model, context))
        return;
    if (tabIndex >= 0 && tabIndex < fileTabView->getNumTabs())
        fileTabView->removeFileTab(tabIndex);
}

// --- User programs -----------------------------------------------------------

int ActionManager::executeFileLoadUser(int model)
{
    static bool running = false;
    const ReentrancyGuard guard(running);
    FileContext context;
    if (! guard.entered || ! getFileContext(model, context))
        return -1;

    return openChosenFile(model, "Load USER PROGRAMS From...", context.format->getPattern(),
                          &ActionManager::executeFileLoadUserSub);
}

int ActionManager::executeFileLoadUserSub(int model, const juce::File& file)
{
    FileContext context;
    if (! getFileContext(model, context) || context.dataCenter->getRAMProgPtr(0) == nullptr)
        return -1;

    auto& dataCenter = *context.dataCenter;
    const auto& format = *context.format;
    std::vector<unsigned char> records;
    const auto read = ProgramFile::read(file, format, ProgramFile::numUserPrograms, dataCenter.getInitProgData(), records);
    if (! read.ok())
    {
        logRefusal("executeFileLoadUserSub", read.error, file, format);
        prompts().showWarning("Load USER PROGRAMS Error:", ProgramFile::describe(read.error, file, format), okButton);
        return -1;
    }

    for (int i = 0; i < ProgramFile::numUserPrograms; ++i)
        dataCenter.setRAMProgram(i, records.data() + i * format.recordSize);

    executeTxProg(context.model, false, false, true);
    return read.programs;
}

void ActionManager::afterFileLoadUserUI(int model)
{
    juce::ignoreUnused(model);
    if (fileTabView != nullptr)
        fileTabView->repaintUserProgramButtons();
}

void ActionManager::executeFileSaveUser(int model)
{
    static bool running = false;
    const ReentrancyGuard guard(running);
    if (guard.entered)
        saveChosenFile(model, "Save USER PROGRAMS As...", "Save USER PROGRAMS Error:", -1);
}

bool ActionManager::executeFileSaveUserSubStream(int model, juce::FileOutputStream* out)
{
    FileContext context;
    if (out == nullptr || ! getFileContext(model, context))
        return false;

    auto& dataCenter = *context.dataCenter;
    const auto& format = *context.format;
    return writeProgramImage(dataCenter, format, *out, ProgramFile::numUserPrograms, (size_t) format.userImageSize(), nullptr,
                             [&](int i) { return dataCenter.getRAMProgPtr(i); });
}

// --- Tabs across runs ---------------------------------------------------------
