// Tabs carried from one run to the next: the restore at start-up, the
// command-line files, dropped files and the backup at quit.
#include "Action/ActionManager.h"
#include "Core/ProductModel.h"

#include "Action/FileCommandPrompts.h"
#include "Action/FileTabView.h"
#include "Action/ProgressView.h"
#include "Application/Host.h"
#include "Common/DeviceEnvironment.h"
#include "DWQ/DWQ_PrefsDefine.h"
#include "DataCenter/DataCenter.h"
#include "Preferences/PreferencesData.h"

namespace
{
struct TabPreferenceKeys
{
    const char* fileName[3];
    const char* dirty[3];
    const char* currentTab;
};

const TabPreferenceKeys& tabPreferenceKeys(int model)
{
    static const TabPreferenceKeys dwq {
        { DWQ::Preferences_DWQ_TAB1FileName, DWQ::Preferences_DWQ_TAB2FileName, DWQ::Preferences_DWQ_TAB3FileName },
        { DWQ::Preferences_DWQ_TAB1DirtyData, DWQ::Preferences_DWQ_TAB2DirtyData, DWQ::Preferences_DWQ_TAB3DirtyData },
        DWQ::Preferences_DWQ_CurrentTabindex
    };
    static const TabPreferenceKeys hmq {
        { DWQ::Preferences_HMQ_TAB1FileName, DWQ::Preferences_HMQ_TAB2FileName, DWQ::Preferences_HMQ_TAB3FileName },
        { DWQ::Preferences_HMQ_TAB1DirtyData, DWQ::Preferences_HMQ_TAB2DirtyData, DWQ::Preferences_HMQ_TAB3DirtyData },
        DWQ::Preferences_HMQ_CurrentTabindex
    };
    static const TabPreferenceKeys okx {
        { DWQ::Preferences_OKX_TAB1FileName, DWQ::Preferences_OKX_TAB2FileName, DWQ::Preferences_OKX_TAB3FileName },
        { DWQ::Preferences_OKX_TAB1DirtyData, DWQ::Preferences_OKX_TAB2DirtyData, DWQ::Preferences_OKX_TAB3DirtyData },
        DWQ::Preferences_OKX_CurrentTabindex
    };
    static const TabPreferenceKeys opw {
        { DWQ::Preferences_OPW_TAB1FileName, DWQ::Preferences_OPW_TAB2FileName, DWQ::Preferences_OPW_TAB3FileName },
        { DWQ::Preferences_OPW_TAB1DirtyData, DWQ::Preferences_OPW_TAB2DirtyData, DWQ::Preferences_OPW_TAB3DirtyData },
        DWQ::Preferences_OPW_CurrentTabindex
    };
    switch (model)
    {
        case kProductModelDWQ: return dwq;
        case kProductModelHMQ: return hmq;
        case kProductModelOPW:
        case kProductModelOPWlyn: return opw;
        default: return okx;
    }
}

juce::String backupFileName(int fileTab, const ProgramFile::Format& format)
{
    return "TABFile" + juce::String(fileTab + 1) + format.getExtension();
}

} // namespace

void ActionManager::bringMainWindowToFront()
{
    if (progressView != nullptr)
        progressView->bringWindowToFront();
}

juce::File ActionManager::getTabBackupFolder()
{
    return PreferencesData::getInstance()->getPreferencesFile().getParentDirectory();
}

bool ActionManager::fileShouldOpen_restore(juce::Component* mainComponent)
{
    juce::Logger::writeToLog(juce::String("******************ActionManager::fileShouldOpen_restore(")
                             + (mainComponent != nullptr ? "not nullptr" : "nullptr") + ")");
    bool restored = false;
    FileContext context;
    auto* host = Host::getInstance();
    auto* environment = getCurrentDeviceEnvironment();
    if (host == nullptr || environment == nullptr || ! getFileContext((int) environment->getDeviceInfo().model, context))
        return false;
    if (fileTabView == nullptr)
        return false;

    auto& dataCenter = *context.dataCenter;
    const auto& format = *context.format;
    const int flag = leadingTab(fileTabView);
    if (fileTabView->getNumTabs() == flag)
    {
        auto* preferences = PreferencesData::getInstance();
        const auto& keys = tabPreferenceKeys(context.model);
        const auto folder = getTabBackupFolder();

        // The names are a chain: a missing one ends it.
        juce::String names[maxTabs];
        for (int i = 0; i < maxTabs; ++i)
            host->restoreFile(i) = juce::File();
        for (int i = 0; i < maxTabs; ++i)
        {
            const auto stored = preferences->getStringValue(keys.fileName[i], {});
            if (stored.isEmpty())
                break;
            names[i] = stored.containsChar('.') ? stored.upToLastOccurrenceOf(".", false, false) : juce::String();
            host->restoreFile(i) = folder.getChildFile(backupFileName(i, format));
        }

        // The stored flags follow their file to whichever tab it lands in.
        int dirtyOfTab[maxTabs] = { 0, 0, 0 };
        for (int i = 0; i < maxTabs; ++i)
        {
            auto& slot = host->restoreFile(i);
            if (! slot.existsAsFile())
                continue;
            if (slot.getFileExtension() != format.getExtension())
                break;

            const int n = dataCenter.getFileCount();
            std::vector<unsigned char> records;
            const auto read = ProgramFile::read(slot, format, format.programsPerTab, dataCenter.getInitProgData(), records);
            if (read.error == ProgramFile::ReadError::cannotOpen)
                juce::Logger::writeToLog("failedToOpen()");
            else if (! read.ok())
                logRefusal("fileShouldOpen_restore", read.error, slot, format);

            if (read.ok() && n < maxTabs)
            {
                copyIntoTab(dataCenter, n, records, names[i]);
                if (showFileTab(dataCenter, n, dataCenter.getFileName(n)))
                {
                    dirtyOfTab[n] = preferences->getIntValue(keys.dirty[i], 0);
                    restored = true;
                }
            }
            slot = juce::File();
        }

        for (int k = 0; k < maxTabs; ++k)
            dataCenter.setModifiedMask(k, k < dataCenter.getFileCount() ? dirtyOfTab[k] : 0);
        const int current = preferences->getIntValue(keys.currentTab, 0) + flag - 1;
        fileTabView->setCurrentTabIndex(current < fileTabView->getNumTabs() ? juce::jmax(-1, current) : -1);
    }

    juce::Logger::writeToLog("******************ActionManager::fileShouldOpen_restore() -EXIT");
    return restored;
}

bool ActionManager::fileShouldOpen_commandline(juce::Component* mainComponent, bool fromUI)
{
    juce::ignoreUnused(mainComponent, fromUI);
    juce::Logger::writeToLog("******************ActionManager::fileShouldOpen_commandline()");

    auto* host = Host::getInstance();
    if (host == nullptr || ! host->hasCommandLineFile())
    {
        juce::Logger::writeToLog("******************ActionManager::fileShouldOpen_commandline() no commandline exit");
        return false;
    }

    FileContext context;
    auto* environment = getCurrentDeviceEnvironment();
    if (environment == nullptr || ! getFileContext((int) environment->getDeviceInfo().model, context))
        return false;

    auto& dataCenter = *context.dataCenter;
    const auto& format = *context.format;
    bool opened = false;
    {
        const juce::ScopedLock lock(viewLock);
        for (int i = 0; i < maxTabs; ++i)
        {
            auto& slot = host->commandLineFile(i);
            const auto file = slot;
            slot = juce::File();
            if (! file.existsAsFile())
            {
                juce::Thread::sleep(1);
                continue;
            }
            if (file.getFileExtension() != format.getExtension())
            {
                juce::Logger::writeToLog("ActionManager::fileShouldOpen_commandline() not a " + format.getExtension()
                                         + " file: " + file.getFullPathName());
                prompts().showWarningAsync("File Open Error:", "This is not a " + format.getExtension() + " file.", okButton);
                continue;
            }

            const int n = dataCenter.getFileCount();
            if (n >= maxTabs)
            {
                for (int j = 0; j < maxTabs; ++j)
                    host->commandLineFile(j) = juce::File();
                bringMainWindowToFront();
                prompts().showWarningAsync("File Open Error:", tooManyFiles, okButton);
                return opened;
            }

            std::vector<unsigned char> records;
            const auto read = ProgramFile::read(file, format, format.programsPerTab, dataCenter.getInitProgData(), records);
            if (! read.ok())
            {
                if (read.error == ProgramFile::ReadError::cannotOpen)
                    juce::Logger::writeToLog("failedToOpen()");
                logRefusal("fileShouldOpen_commandline", read.error, file, format);
                prompts().showWarningAsync("File Open Error:", ProgramFile::describe(read.error, file, format), okButton);
                juce::Thread::sleep(1);
                continue;
            }

            const auto name = file.getFileNameWithoutExtension();
            copyIntoTab(dataCenter, n, records, name);
            showFileTab(dataCenter, n, name.isNotEmpty() ? name : juce::String("@@@"));
            juce::Thread::sleep(1);
            opened = true;
        }
    }
    if (opened)
        bringMainWindowToFront();
    return opened;
}

void ActionManager::filesDropped_delegate(const juce::StringArray& files, int x, int y)
{
    juce::ignoreUnused(x, y);
    FileContext context;
    auto* environment = getCurrentDeviceEnvironment();
    if (environment == nullptr || ! getFileContext((int) environment->getDeviceInfo().model, context))
        return;

    auto& dataCenter = *context.dataCenter;
    const auto& format = *context.format;
    if (dataCenter.getFileCount() + files.size() > maxTabs)
    {
        prompts().showWarning("File Open Error:", tooManyFiles, okButton);
        return;
    }

    for (const auto& path : files)
    {
        const juce::File file(path);
        if (! file.existsAsFile())
            continue;
        if (file.getFileExtension() != format.getExtension())
        {
            prompts().showWarning("File Open Error:", "This is not a " + format.getExtension() + " file.", okButton);
            return;
        }

        const int n = dataCenter.getFileCount();
        std::vector<unsigned char> records;
        const auto read = ProgramFile::read(file, format, format.programsPerTab, dataCenter.getInitProgData(), records);
        if (! read.ok())
        {
            logRefusal("filesDropped_delegate", read.error, file, format);
            prompts().showWarning("File Open Error:", ProgramFile::describe(read.error, file, format), okButton);
            continue;
        }
        if (n >= maxTabs)
            return;

        copyIntoTab(dataCenter, n, records, file.getFileNameWithoutExtension());
        showFileTab(dataCenter, n, dataCenter.getFileName(n));
    }
}

bool ActionManager::executeTabFileBackup()
{
    juce::Logger::writeToLog("ActionManager::executeTabFileBackup()\n");
    bool result = false;
    try
    {
        FileContext context;
        auto* environment = getCurrentDeviceEnvironment();
        if (environment != nullptr && getFileContext((int) environment->getDeviceInfo().model, context) && fileTabView != nullptr
            && context.dataCenter->getFileCount() <= maxTabs)
        {
            auto& dataCenter = *context.dataCenter;
            const auto& format = *context.format;
            auto* preferences = PreferencesData::getInstance();
            const auto& keys = tabPreferenceKeys(context.model);
            const int flag = leadingTab(fileTabView);
            const int numTabs = fileTabView->getNumTabs();

            for (int k = 0; k < maxTabs; ++k)
                preferences->setValue(keys.dirty[k], dataCenter.getModifiedMask(k));
            preferences->setValue(keys.currentTab, fileTabView->getCurrentTabIndex() + 1 - flag);
            for (int k = 0; k < maxTabs; ++k)
                preferences->setValue(keys.fileName[k], k + flag < numTabs
                                                            ? fileTabView->getTabTitle(k + flag) + format.getExtension()
                                                            : juce::String());

            const auto folder = getTabBackupFolder();
            try
            {
                for (int k = maxTabs - 1; k >= 0; --k)
                {
                    if (k + flag >= numTabs)
                        continue;
                    const juce::ScopedLock lock(fileSaveLock);
                    // Written beside and moved over the old copy: a failed
                    // write keeps the previous backup whole.
                    if (ProgramFile::writeSafely(
                            folder.getChildFile(backupFileName(k, format)), format.tabImageSize(),
                            [&](juce::FileOutputStream& out) { return executeFileSaveSubStream(context.model, &out, k); }))
                        result = true;
                }
            }
            catch (...)
            {
                juce::Logger::writeToLog("ActionManager::executeTabFileBackup() delete file fairure.");
            }

            preferences->save();
            juce::Logger::writeToLog("ActionManager::executeTabFileBackup() preferences.XML update.\n");
        }
    }
    catch (...)
    {
        juce::Logger::writeToLog("ActionManager::executeTabFileBackup() exception catched\n");
        result = false;
    }
    juce::Logger::writeToLog("ActionManager::executeTabFileBackup() exit\n");
    return result;
}
