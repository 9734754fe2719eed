#pragma once

// A Host booted against a simulated Orva amplifier with the main window
// shown and the model made the target, for the overlay pages of the Orva
// models. The write confirmation of the EQ slots starts unset.
#include "DWQ/DWQ_PrefsDefine.h"
#include "GUI/Shell/MainWindow.h"
#include "GUI/Shell/MasterGuiController.h"
#include "GUI/Shell/MasterGuiManager.h"
#include "Preferences/PreferencesData.h"
#include "support/BootedHostFixture.h"
#include "support/PeerMouse.h"

namespace testing_support
{
struct OrvaOverlayFixture : BootedHostFixture
{
    ~OrvaOverlayFixture() override
    {
        if (manager != nullptr)
        {
            manager->hideAudioEQEdit();
            manager->hideUSBRoutingSelect();
        }
    }

    template <typename DC>
    DC* start(int model)
    {
        amp = std::make_unique<SimulatedAmplifier>(ports, model);
        auto* dc = boot<DC>();
        host->getMasterGuiController()->showMainWindow();
        manager = host->getMasterGuiManager();
        main = manager->getMainWindow()->getMainComponent();
        manager->changeTargetModel(model);
        pumpFor(50);
        host->getPreferencesData()->setValue(DWQ::PreferencesUserEQWriteComfirm, -1);
        return dc;
    }

    // What the amplifier received since the last clear, as function and
    // argument bytes; waits until at least `count` messages arrived and
    // nothing more is on its way.
    std::vector<std::vector<int>> receivedAfter(int count)
    {
        amp->waitForReceived(count, testing_support::patienceMs);
        pumpFor(20);
        EXPECT_TRUE(settle());
        return requestsOf(*amp);
    }

    static std::vector<int> paramChange(int id, int value)
    {
        return { 0x41, (id >> 8) & 0xFF, id & 0xFF, value & 0x7F, (value >> 7) & 0x7F };
    }

    std::unique_ptr<SimulatedAmplifier> amp;
    MasterGuiManager* manager = nullptr;
    MainComponent* main = nullptr;
    PeerMouse mouse;
};
} // namespace testing_support
