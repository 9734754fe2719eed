#pragma once

// A Host with the device environment of one model, a tab view and scripted
// dialogs, for the program-file commands. The preferences and the tab
// backups go to a temporary application-data folder of the test's own.
#include "Action/ActionManager.h"
#include "Action/FileCommandPrompts.h"
#include "Action/FileTabView.h"
#include "Action/ProgramFile.h"
#include "Application/Host.h"
#include "Common/DeviceEnvironment.h"
#include "Core/DeviceInfo.h"
#include "DataCenter/DataCenter.h"
#include "GUI/Shell/MasterGuiController.h"
#include "Preferences/PreferencesData.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

#include <deque>

namespace testing_support
{
// The tabbed component as the file commands see it.
struct FakeFileTabView : FileTabView
{
    bool leading = false;
    juce::StringArray titles; // one per tab, the preset tab included
    int current = -1;
    int freeSubTabs = 3;
    int focusCount = 0;
    int repaintCount = 0;

    bool hasLeadingTab() const override { return leading; }
    int getNumTabs() const override { return titles.size(); }
    int getCurrentTabIndex() const override { return current; }
    void setCurrentTabIndex(int t) override { current = t; }
    juce::String getTabTitle(int t) const override { return titles[t]; }
    void setTabTitle(int t, const juce::String& title) override { titles.set(t, title); }
    bool addFileTab(int, const juce::String& title) override
    {
        if (freeSubTabs == 0)
            return false;
        --freeSubTabs;
        titles.add(title);
        current = titles.size() - 1;
        return true;
    }
    void removeFileTab(int t) override
    {
        titles.remove(t);
        current = juce::jmax(current - 1, 0);
        ++freeSubTabs;
    }
    void focusUserProgramButtons() override { ++focusCount; }
    void repaintUserProgramButtons() override { ++repaintCount; }
};

// Dialog answers given in advance; every box shown is recorded.
struct ScriptedPrompts : FileCommandPrompts
{
    std::deque<juce::File> files; // File() = cancel
    std::deque<bool> answers;     // none left = the second button
    juce::StringArray dialogs, boxes;

    juce::File next(const juce::String& title, const juce::String& pattern)
    {
        dialogs.add(title + "|" + pattern);
        if (files.empty())
            return {};
        auto f = files.front();
        files.pop_front();
        return f;
    }
    juce::File chooseFileToOpen(const juce::String& t, const juce::String& p) override { return next(t, p); }
    juce::File chooseFileToSave(const juce::String& t, const juce::String& p) override { return next(t, p); }
    void showWarning(const juce::String& t, const juce::String& x, const juce::String& b) override
    {
        boxes.add(t + "|" + x + "|" + b);
    }
    void showWarningAsync(const juce::String& t, const juce::String& x, const juce::String& b) override
    {
        boxes.add("async " + t + "|" + x + "|" + b);
    }
    bool confirm(const juce::String& t, const juce::String& x, const juce::String& y, const juce::String& n) override
    {
        boxes.add(t + "|" + x + "|" + y + "|" + n);
        if (answers.empty())
            return false;
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }
};

struct FileTabFixture : ::testing::Test
{
    FileTabFixture()
    {
        previousFolder = PreferencesData::getApplicationDataFolder();
        PreferencesData::deleteInstance();
        folder = juce::File::createTempFile("rigsmith-files");
        folder.createDirectory();
        PreferencesData::setApplicationDataFolder(folder);
    }

    ~FileTabFixture() override
    {
        if (host != nullptr)
            host->getActionManager()->setFileTabView(nullptr);
        Host::destroyInstance();
        pumpFor(10);
        PreferencesData::deleteInstance();
        PreferencesData::setApplicationDataFolder(previousFolder);
        folder.deleteRecursively();
    }

    // A Host with model m's environment and its real screen (no amplifier),
    // the file commands answered by scripted prompts; the check for blank
    // programs is stopped unless asked to run.
    void startScreenOf(int m, bool keepEmpty = true)
    {
        model = m;
        host = Host::createInstance();
        host->getMasterGuiController()->showMainWindow();
        const DeviceInfo device((eProductModelId) m, false, 1, "in", 2, "out", 0, 0, 0, kMediaTypeUSB);
        host->changeDeviceEnvironment(device);
        ASSERT_NE(dc(), nullptr);
        auto p = std::make_unique<ScriptedPrompts>();
        prompts = p.get();
        actions().setFileCommandPrompts(std::move(p));
        host->afterChangingDeviceEnvironment(device);
        if (keepEmpty)
            actions().stopTimer(ActionManager::eREQID_BLANKPROG_CHECK);
        pumpFor(50);
    }

    // A Host with model m's environment; the view has a preset tab when
    // `leading` (DWQ and HMQ librarians).
    void start(int m, bool leading = false)
    {
        model = m;
        host = Host::createInstance();
        host->changeDeviceEnvironment(DeviceInfo((eProductModelId) m, false, 1, "in", 2, "out", 0, 0, 0, kMediaTypeUSB));
        ASSERT_NE(dc(), nullptr);
        view = FakeFileTabView();
        view.leading = leading;
        if (leading)
            view.titles.add("PRESET");
        view.current = leading ? 0 : -1;
        actions().setFileTabView(&view);
        auto p = std::make_unique<ScriptedPrompts>();
        prompts = p.get();
        actions().setFileCommandPrompts(std::move(p));
    }

    ActionManager& actions() { return *host->getActionManager(); }
    DataCenter* dc() { return host->getDeviceEnvironment() != nullptr ? host->getDeviceEnvironment()->getDataCenter() : nullptr; }
    const ProgramFile::Format& format() const { return *ProgramFile::forModel(model); }

    // A program file of `records` records named by their index ('A' + i),
    // with the given tag, plus `extra` trailing bytes.
    juce::File makeFile(const juce::String& name, int records, const char* tag = nullptr, int extra = 0)
    {
        const auto& f = format();
        juce::MemoryBlock data((size_t) (ProgramFile::headerSize + records * f.recordSize + extra), true);
        auto* bytes = static_cast<unsigned char*>(data.getData());
        std::memcpy(bytes, tag != nullptr ? (const void*) tag : (const void*) f.tag, ProgramFile::tagSize);
        for (int i = 0; i < records; ++i)
        {
            auto* rec = bytes + ProgramFile::headerSize + i * f.recordSize;
            std::memset(rec, ' ', 16);
            rec[0] = (unsigned char) ('A' + i);
            std::memset(rec + 16, i + 1, (size_t) (f.recordSize - 16));
        }
        auto file = folder.getChildFile(name);
        file.replaceWithData(data.getData(), data.getSize());
        return file;
    }

    juce::String tabProgramName(int tab, int index)
    {
        const auto* rec = dc()->getFileProgPtr(tab, index);
        return juce::String((const char*) rec, 16);
    }
    bool isInitRecord(const unsigned char* rec) const
    {
        if (ProgramFile::forModel(model) == nullptr)
            return false;
        return std::memcmp(rec, host->getDeviceEnvironment()->getDataCenter()->getInitProgData(), (size_t) format().recordSize)
               == 0;
    }

    // Opens the file as the File Open command does, then shows the tab.
    int openTab(const juce::File& file)
    {
        prompts->files.push_back(file);
        const int programs = actions().executeFileOpen(model);
        if (programs >= 1)
            actions().afterFileOpenUI(model);
        return programs;
    }

    juce::File folder, previousFolder;
    Host* host = nullptr;
    int model = -1;
    FakeFileTabView view;
    ScriptedPrompts* prompts = nullptr;
};
} // namespace testing_support
