#pragma once

// The DWQR's working screen in a booted Host: the main window shown, a
// simulated DWQR connected and synchronised, and helpers to reach the
// screen's widgets and read what the amplifier received.
#include "DWQ/DWQDataCenter.h"
#include "GUI/DWQ/CDWQEditorLibrarianComponent.h"
#include "GUI/DWQ/DWQEditParamComponent.h"
#include "GUI/DWQ/DWQEditorComponent.h"
#include "GUI/Shell/MainComponent.h"
#include "GUI/Shell/MainWindow.h"
#include "GUI/Shell/MasterGuiController.h"
#include "GUI/Shell/MasterGuiManager.h"
#include "support/BootedHostFixture.h"
#include "support/LibrarianTestSupport.h"

namespace testing_support
{
// A mouse event on a component, at a position, with the button down since
// `down`.
inline juce::MouseEvent mouseOn(juce::Component& c, juce::Point<float> pos, juce::Point<float> down, int clicks = 1)
{
    const auto now = juce::Time::getCurrentTime();
    return juce::MouseEvent(juce::Desktop::getInstance().getMainMouseSource(), pos, juce::ModifierKeys::leftButtonModifier, 1.0f,
                            0.0f, 0.0f, 0.0f, 0.0f, &c, &c, now, down, now, clicks, false);
}

// A press and release at the component's centre.
inline void clickOn(juce::Component& c)
{
    const auto centre = c.getLocalBounds().getCentre().toFloat();
    c.mouseDown(mouseOn(c, centre, centre));
    c.mouseUp(mouseOn(c, centre, centre));
}

struct DWQScreenFixture : LibrarianFixture
{
    ~DWQScreenFixture() override
    {
        // The Host goes before the amplifier whose ports it holds open.
        Host::destroyInstance();
        host = nullptr;
        amp.reset();
    }

    struct StartMode
    {
        int kind = SimulatedAmplifier::modeUser;
        int program = 0;
    };

    // The program the amplifier holds at start: modulation off (its last
    // type FLANGER in the section's memory), delay/reverb TAPE ECHO on.
    static SimulatedAmplifier::Bytes startProgram()
    {
        SimulatedAmplifier::Bytes p(30, 0);
        const char* name = "Start Program   ";
        std::copy(name, name + 16, p.begin());
        p[16] = 20; // NR
        p[17] = 60; // volume
        p[18] = 4;  // amp type
        p[19] = 33; // gain
        p[20] = 44; // treble
        p[21] = 55; // middle
        p[22] = 66; // bass
        p[23] = 0;  // modulation off
        p[24] = 0x20;
        p[25] = 0x03; // speed
        p[26] = 2;    // delay/reverb TAPE ECHO
        p[27] = 30;   // mix
        p[28] = 100;
        p[29] = 0; // time
        return p;
    }

    // Boots with the main window shown, so that the DWQR's view is built,
    // and synchronises; the amplifier's records are then cleared.
    void bootScreen(StartMode start = StartMode { SimulatedAmplifier::modeUser, 0 })
    {
        amp = std::make_unique<SimulatedAmplifier>(ports, 0);
        amp->setMode(start.kind, start.program);
        amp->setEditBuffer(startProgram());
        host = Host::createInstance();
        host->setBootFlag(true);
        host->getMasterGuiController()->showMainWindow();
        host->getMasterConnectionManager()->scanDevices(true);
        ASSERT_TRUE(pumpUntil([this] { return ! host->isBooting(); }, testing_support::patienceMs));
        ASSERT_TRUE(pumpUntil([this] { return currentDataCenter() != nullptr && currentDataCenter()->isConnected(); },
                              testing_support::patienceMs));
        pumpFor(50);
        host->getActionManager()->stopTimer(ActionManager::eREQID_DELAYED_SYNCRONIZE);
        auto* midi = host->getMidiManager();
        ASSERT_TRUE(pumpUntil([midi] { return ! midi->isSyncRunning(); }, testing_support::patienceMs));
        dc = dynamic_cast<DWQDataCenter*>(currentDataCenter());
        ASSERT_NE(dc, nullptr);
        ASSERT_TRUE(synchronise(*amp, [this] { return dc->isSynchronised(); }));
        ASSERT_NE(view(), nullptr);
        // The refreshes that follow the synchronisation, and the pictures'
        // slides into their zones.
        ASSERT_TRUE(settleRefreshes());
        ASSERT_TRUE(pumpUntil([this] { return area() != nullptr && ! area()->getAnimator().isAnimating(); }));
        ASSERT_TRUE(settle());
        amp->clearRecords();
    }

    MainComponent* mainComponent() const
    {
        auto* window = host != nullptr ? host->getMasterGuiManager()->getMainWindow() : nullptr;
        return window != nullptr ? window->getMainComponent() : nullptr;
    }
    CDWQEditorLibrarianComponent* view() const
    {
        auto* main = mainComponent();
        return main != nullptr ? dynamic_cast<CDWQEditorLibrarianComponent*>(main->getView()) : nullptr;
    }
    DWQEditorComponent* editor() const { return view() != nullptr ? view()->getEditorPage() : nullptr; }
    DWQEditParamComponent* area() const
    {
        return editor() != nullptr ? dynamic_cast<DWQEditParamComponent*>(editor()->getEditParam()) : nullptr;
    }
    template <typename W>
    W* widget(int paramId) const
    {
        return area() != nullptr ? dynamic_cast<W*>(area()->findChildByParamId(paramId)) : nullptr;
    }
    DWQ::CDWQUserEditSectionImpl& section() const { return dc->getUserEditSection(); }

    // The editor messages the amplifier received, as function and argument
    // bytes.
    std::vector<std::vector<int>> received() const { return requestsOf(*amp); }
    // A parameter change as the amplifier receives it.
    static std::vector<int> paramChange(int id, int value)
    {
        return { 0x41, (id >> 8) & 0x7F, id & 0xFF, value & 0x7F, (value >> 7) & 0x7F };
    }
    // Waits until the amplifier has received n messages, then a little
    // longer and until nothing is on its way, so that a second message
    // would show.
    bool settleAt(int n)
    {
        const bool reached = pumpUntil([this, n] { return amp->getNumReceived() >= n; });
        pumpFor(150);
        const bool settled = settle();
        return reached && settled && amp->getNumReceived() == n;
    }

    std::unique_ptr<SimulatedAmplifier> amp;
    DWQDataCenter* dc = nullptr;
};
} // namespace testing_support
