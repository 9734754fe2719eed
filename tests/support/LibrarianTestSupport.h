#pragma once

// A Host booted against a simulated Orva amplifier and synchronised with it,
// with the preferences in a folder of the test's own and the write question
// answered by the test.
#include "DataCenter/OrvaDataCenter.h"
#include "GUI/Editor/WriteConfirmation.h"
#include "GUI/Shell/MasterGuiController.h"
#include "Preferences/PreferencesData.h"
#include "support/BootedHostFixture.h"

#include <deque>

namespace testing_support
{
struct LibrarianFixture : BootedHostFixture
{
    LibrarianFixture()
    {
        previousFolder = PreferencesData::getApplicationDataFolder();
        PreferencesData::deleteInstance();
        folder = juce::File::createTempFile("rigsmith-librarian");
        folder.createDirectory();
        PreferencesData::setApplicationDataFolder(folder);
        WriteConfirmation::setPrompt([this](const juce::String& message, const juce::String& toggleText, bool& toggle) {
            questions.add(message + "|" + toggleText + "|" + (toggle ? "on" : "off"));
            if (answers.empty())
                return false;
            const auto answer = answers.front();
            answers.pop_front();
            toggle = answer.keepAsking;
            return answer.ok;
        });
    }

    ~LibrarianFixture() override
    {
        WriteConfirmation::setPrompt({});
        Host::destroyInstance();
        host = nullptr;
        pumpFor(10);
        PreferencesData::deleteInstance();
        PreferencesData::setApplicationDataFolder(previousFolder);
        folder.deleteRecursively();
    }

    // Boots against the amplifier and reads all its programs and settings.
    OrvaDataCenter* bootSynchronised(SimulatedAmplifier& amp)
    {
        auto* dc = boot<OrvaDataCenter>();
        if (dc == nullptr)
            return nullptr;
        EXPECT_TRUE(synchronise(amp, [this] { return log.contains("ActionManager::handleMessage(17)"); }));
        amp.clearRecords();
        return dc;
    }

    // Boots with the main window shown, so that the connection builds the
    // model's screen, then reads everything from the amplifier; waits for
    // the blank file tab the screen opens when no file was open.
    OrvaDataCenter* bootScreen(SimulatedAmplifier& amp)
    {
        host = Host::createInstance();
        host->getMasterGuiController()->showMainWindow();
        host->setBootFlag(true);
        host->getMasterConnectionManager()->scanDevices(true);
        EXPECT_TRUE(pumpUntil([this] { return ! host->isBooting(); }, testing_support::patienceMs));
        EXPECT_TRUE(pumpUntil([this] { return currentDataCenter() != nullptr && currentDataCenter()->isConnected(); },
                              testing_support::patienceMs));
        pumpFor(50);
        host->getActionManager()->stopTimer(ActionManager::eREQID_DELAYED_SYNCRONIZE);
        auto* midi = host->getMidiManager();
        EXPECT_TRUE(pumpUntil([midi] { return ! midi->isSyncRunning(); }, testing_support::patienceMs));
        auto* dc = dynamic_cast<OrvaDataCenter*>(currentDataCenter());
        if (dc == nullptr)
            return nullptr;
        EXPECT_TRUE(synchronise(amp, [this] { return log.contains("ActionManager::handleMessage(17)"); }));
        EXPECT_TRUE(pumpUntil([dc] { return dc->getFileCount() == 1; }));
        EXPECT_TRUE(settleRefreshes());
        amp.clearRecords();
        return dc;
    }

    // Fills file tab `tab` with distinct records and counts it as open.
    void openFileTab(DataCenter& dc, int tab, juce::uint8 seed)
    {
        for (int k = 0; k < 8; ++k)
        {
            auto* record = dc.getFileProgPtr(tab, k);
            for (int i = 0; i < 62; ++i)
                record[i] = (juce::uint8)((seed + k * 7 + i) & 0x7F);
            record[18] = 22; // a valid Orva PW amp value
        }
        dc.setFileCount(tab + 1);
    }

    int preference() const { return PreferencesData::getInstance()->getIntValue(WriteConfirmation::programPreferenceKey, -1); }

    // The function codes the amplifier received.
    static std::vector<int> functionsOf(const SimulatedAmplifier& amp)
    {
        std::vector<int> out;
        for (const auto& r : requestsOf(amp))
            out.push_back(r.empty() ? -1 : r[0]);
        return out;
    }

    struct Answer
    {
        bool ok;
        bool keepAsking;
    };
    std::deque<Answer> answers;
    juce::StringArray questions;
    juce::File folder, previousFolder;
};
} // namespace testing_support
