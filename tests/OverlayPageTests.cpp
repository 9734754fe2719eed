// The overlay page manager and the main component's one-overlay rule.
#include "Action/ActionManager.h"
#include "Application/Host.h"
#include "Common/DeviceEnvironment.h"
#include "Core/DeviceInfo.h"
#include "Core/MessageEngine.h"
#include "Core/MessageIds.h"
#include "GUI/Editor/CEditorLibrarianComponent.h"
#include "GUI/Editor/EditParamComponent.h"
#include "GUI/Editor/EditorComponent.h"
#include "GUI/Editor/UserButtonContainerComponent.h"
#include "GUI/Editor/WriteProgDialogComponent.h"
#include "GUI/HMQ/CHMQEditorLibrarianComponent.h"
#include "GUI/HMQ/HMQUserSubTab.h"
#include "GUI/Shell/CAboutDialogComponent.h"
#include "GUI/Shell/CProgressBarDialogComponent.h"
#include "GUI/Shell/MainComponent.h"
#include "GUI/Shell/MainWindow.h"
#include "GUI/Shell/MasterGuiController.h"
#include "GUI/Shell/MasterGuiManager.h"
#include "GUI/Shell/OverlayComponentHolder.h"
#include "GUI/Shell/TypeSelectOverlayComponentHolder.h"
#include "GUI/Widgets/FocusHandOver.h"
#include "GUI/Widgets/RSTouchScrollViewport.h"
#include "HMQ/HMQDataCenter.h"
#include "Platform/BluetoothMidiPairing.h"
#include "support/AppProcess.h"
#include "support/ChildTestRun.h"
#include "support/PrivateDisplay.h"
#include "support/SimulatedAmplifierApp.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

using testing_support::pumpFor;
using testing_support::pumpUntil;

namespace
{
// A pairing window that exists and records its use.
struct FakePairing : BluetoothMidiPairing
{
    bool isAvailable() const override { return true; }
    bool open(std::function<void(int)> callback) override
    {
        onClosed = std::move(callback);
        showing = true;
        return true;
    }
    void close() override { showing = false; }
    bool isShowing() const override { return showing; }

    std::function<void(int)> onClosed;
    bool showing = false;
};

// Records the ids the bus delivers.
struct BusRecorder : juce::MessageListener
{
    void handleMessage(const juce::Message& m) override
    {
        if (auto* my = dynamic_cast<const MyMessage*>(&m))
            ids.add(my->getId());
    }
    juce::Array<int> ids;
};

struct OverlayPages : ::testing::Test
{
    void SetUp() override
    {
        host = Host::createInstance();
        host->getMasterGuiController()->showMainWindow();
        manager = host->getMasterGuiManager();
        main = manager->getMainWindow()->getMainComponent();
        MessageEngine::instance()->addListener(&recorder);
    }

    void TearDown() override
    {
        MessageEngine::instance()->removeListener(&recorder);
        BluetoothMidiPairing::install(nullptr);
        Host::destroyInstance();
        MainComponent::m_TargetModelId = -1;
    }

    void send(int id, int a = 0, void* ptr = nullptr)
    {
        broadcastMessageId(id, a, 0, 0, 0, ptr);
        pumpFor(30);
    }

    Host* host = nullptr;
    MasterGuiManager* manager = nullptr;
    MainComponent* main = nullptr;
    BusRecorder recorder;
};

// The same, for a test that runs only in a child process of its own (its
// suite's name starts with ChildOnly: ctest does not list it, and the
// one-process pass leaves it out).
struct ChildOnlyOverlayPages : OverlayPages
{};

} // namespace

TEST(OverlayPagesWithoutWindow, EveryOperationIsSafeBeforeTheWindowExists)
{
    MasterGuiManager manager; // no bus, no window
    EXPECT_EQ(manager.getMainWindow(), nullptr);
    manager.showDeviceSelect();
    manager.showAudioEQEdit();
    manager.showUSBRoutingSelect();
    manager.showCatalogSelMini();
    manager.showAboutPage();
    manager.showBLEMidiDeviceSelect();
    manager.showProgressBarDialog("RECEIVED...", 3);
    manager.hideDeviceSelect();
    manager.hideAudioEQEdit();
    manager.hideUSBRoutingSelect();
    manager.hideCatalogSelMini();
    manager.changeTargetModel(2);
    EXPECT_FALSE(manager.isDeviceSelectShowing());
    EXPECT_FALSE(manager.isAudioEQEditShowing());
    EXPECT_FALSE(manager.isUSBRoutingSelectShowing());
    EXPECT_FALSE(manager.isCatalogSelMiniShowing());
    EXPECT_EQ(manager.getAudioEQEdit(), nullptr);
    EXPECT_EQ(manager.getUSBRoutingSelect(), nullptr);
    EXPECT_EQ(manager.getCatalogSelMini(), nullptr);
    EXPECT_EQ(manager.getCurrentTargetModel(), -1);

    auto* message = MyMessage::create(MessageId::CloseOverlays);
    manager.handleMessage(*message);
    delete message;
}

TEST_F(OverlayPages, OnlyOneOverlayAtATimeCentredOverABackdrop)
{
    manager->showAboutPage();
    ASSERT_TRUE(main->isAboutPageShowing());
    auto* holder = main->getOverlayHolder();
    ASSERT_NE(holder, nullptr);
    EXPECT_EQ(holder->getBounds(), main->getLocalBounds());
    auto* page = holder->getContent();
    EXPECT_EQ(page->getBounds().getCentre(), main->getLocalBounds().getCentre());
    EXPECT_TRUE(testing_support::saveScreenshot(*main, "main-with-about-overlay").existsAsFile());

    // A second request while a page is shown is ignored, for any page.
    manager->showUSBRoutingSelect();
    manager->showDeviceSelect();
    EXPECT_FALSE(manager->isUSBRoutingSelectShowing());
    EXPECT_FALSE(manager->isDeviceSelectShowing());
    EXPECT_EQ(main->getOverlayHolder(), holder);

    // Hiding the device page does not take another page's holder away.
    manager->hideDeviceSelect();
    EXPECT_EQ(main->getOverlayHolder(), holder);

    send(MessageId::AboutPageClosed);
    EXPECT_FALSE(main->isAboutPageShowing());
    EXPECT_EQ(main->getOverlayHolder(), nullptr);
    EXPECT_TRUE(recorder.ids.contains(MessageId::AboutPageShown));

    // The device page lives on between showings.
    manager->showDeviceSelect();
    EXPECT_TRUE(manager->isDeviceSelectShowing());
    auto* devicePage = main->getOverlayHolder()->getContent();
    manager->hideDeviceSelect();
    EXPECT_FALSE(manager->isDeviceSelectShowing());
    manager->showDeviceSelect();
    EXPECT_EQ(main->getOverlayHolder()->getContent(), devicePage);
    EXPECT_TRUE(pumpUntil([&] { return recorder.ids.contains(MessageId::DeviceSelectShown); }));
}

TEST_F(OverlayPages, TheAudioEQPageIsOnlyForTheOrvaModels)
{
    manager->showAudioEQEdit();
    EXPECT_FALSE(manager->isAudioEQEditShowing());

    MainComponent::m_TargetModelId = 1;
    manager->showAudioEQEdit();
    EXPECT_FALSE(manager->isAudioEQEditShowing());

    MainComponent::m_TargetModelId = 4;
    manager->showAudioEQEdit();
    EXPECT_TRUE(manager->isAudioEQEditShowing());
    EXPECT_NE(manager->getAudioEQEdit(), nullptr);

    // Closed twice (the manager, then Host): the second finds nothing.
    send(MessageId::AudioEQEditClosed);
    manager->hideAudioEQEdit();
    EXPECT_FALSE(manager->isAudioEQEditShowing());
    EXPECT_EQ(main->getOverlayHolder(), nullptr);
}

TEST_F(OverlayPages, CloseOverlaysClosesEveryPageButTheDevicePage)
{
    MainComponent::m_TargetModelId = 2;
    FakePairing pairing;
    BluetoothMidiPairing::install(&pairing);

    manager->showAudioEQEdit();
    send(MessageId::CloseOverlays);
    EXPECT_FALSE(manager->isAudioEQEditShowing());

    manager->showUSBRoutingSelect();
    send(MessageId::CloseOverlays);
    EXPECT_FALSE(manager->isUSBRoutingSelectShowing());

    manager->showCatalogSelMini();
    EXPECT_TRUE(manager->isCatalogSelMiniShowing());
    send(MessageId::CloseOverlays);
    EXPECT_FALSE(manager->isCatalogSelMiniShowing());

    manager->showAboutPage();
    manager->showBLEMidiDeviceSelect();
    EXPECT_TRUE(pairing.showing);
    send(MessageId::CloseOverlays);
    EXPECT_FALSE(main->isAboutPageShowing());
    EXPECT_FALSE(pairing.showing);

    manager->showDeviceSelect();
    send(MessageId::CloseOverlays);
    EXPECT_TRUE(manager->isDeviceSelectShowing());
    EXPECT_NE(main->getOverlayHolder(), nullptr);
}

TEST_F(OverlayPages, TheBluetoothPairingWindowOpensOnlyWhereItExists)
{
    EXPECT_FALSE(main->showBLEMidiDeviceSelect());

    FakePairing pairing;
    BluetoothMidiPairing::install(&pairing);
    EXPECT_TRUE(main->showBLEMidiDeviceSelect());
    EXPECT_TRUE(main->isBLEMidiDeviceSelectShowing());

    // Ending the window turns drag scrolling back on; other results do not.
    pairing.onClosed(7);
    pumpFor(30);
    EXPECT_FALSE(recorder.ids.contains(MessageId::DragScrollOn));
    pairing.onClosed(1);
    EXPECT_TRUE(pumpUntil([&] { return recorder.ids.contains(MessageId::DragScrollOn); }));
}

TEST_F(OverlayPages, TheSmallCatalogueSitsBottomRightAndABackdropClickClosesIt)
{
    manager->showCatalogSelMini();
    EXPECT_FALSE(manager->isCatalogSelMiniShowing()); // no model yet

    MainComponent::m_TargetModelId = 0;
    manager->showCatalogSelMini();
    ASSERT_TRUE(manager->isCatalogSelMiniShowing());
    auto* holder = dynamic_cast<TypeSelectOverlayComponentHolder*>(main->getOverlayHolder());
    ASSERT_NE(holder, nullptr);
    auto* page = manager->getCatalogSelMini();
    EXPECT_EQ(page->getBounds().getBottomRight(), main->getLocalBounds().getBottomRight());

    const juce::MouseEvent click(juce::Desktop::getInstance().getMainMouseSource(), {}, {}, {}, {}, {}, {}, {}, holder, holder,
                                 juce::Time::getCurrentTime(), {}, juce::Time::getCurrentTime(), 1, false);
    holder->mouseDown(click);
    EXPECT_TRUE(pumpUntil([&] { return ! manager->isCatalogSelMiniShowing(); }));
}

TEST_F(OverlayPages, DragScrollAndProgressMessages)
{
    RSTouchScrollViewport first, second;
    send(MessageId::DragScrollOff);
    EXPECT_EQ(first.getScrollOnDragMode(), juce::Viewport::ScrollOnDragMode::never);
    EXPECT_EQ(second.getScrollOnDragMode(), juce::Viewport::ScrollOnDragMode::never);
    send(MessageId::DragScrollOn);
    EXPECT_EQ(first.getScrollOnDragMode(), juce::Viewport::ScrollOnDragMode::all);
    EXPECT_EQ(second.getScrollOnDragMode(), juce::Viewport::ScrollOnDragMode::all);

    // Without a model there is no progress to show.
    static const char text[] = "TRANSMIT...";
    send(MessageId::Progress, 11, (void*) text);
    EXPECT_FALSE(main->isProgressBarDialogShowing());

    host->changeDeviceEnvironment(DeviceInfo((eProductModelId) 1, false, 0, {}, 0, {}, 0, 0, 0, (eMediaType) -1));
    send(MessageId::Progress, 11, (void*) text);
    EXPECT_TRUE(main->isProgressBarDialogShowing());
    EXPECT_EQ(main->getProgressText(), "TRANSMIT...");
    EXPECT_EQ(main->getProgressValue(), 11);
    EXPECT_EQ(main->getProgressRange(), juce::Range<int>(0, 68));

    // No text keeps the last one.
    send(MessageId::Progress, 12, nullptr);
    EXPECT_EQ(main->getProgressText(), "TRANSMIT...");
    EXPECT_EQ(main->getProgressValue(), 12);
}

TEST_F(OverlayPages, TheTargetModelGoesThroughTheManager)
{
    EXPECT_EQ(manager->getCurrentTargetModel(), -1);
    manager->changeTargetModel(3);
    EXPECT_EQ(manager->getCurrentTargetModel(), 3);
}

// Wherever the focus is handed on, the window keeps it there when it is
// activated again, though it was deactivated while the parameter area held
// the focus (a menu opened from the header's menu button, which takes no
// focus itself, so the focus stays where the view handed it): the About page and the small catalogue take it when
// they open; every page and dialog hands it to the main component when it
// closes, and the write dialog's OK to the user-button container. It runs
// only in a child on a display of its own (RealWindowFocus below), where the
// window can always take the focus: not taking it there is a failure.
TEST_F(ChildOnlyOverlayPages, TheFocusStaysWhereItIsHandedOnWhenTheWindowIsActivatedAgain)
{
    if (juce::SystemStats::getEnvironmentVariable("RIGSMITH_OWN_DISPLAY", {}).isEmpty())
        GTEST_SKIP() << "runs on a display of its own (RealWindowFocus)";
    host->changeDeviceEnvironment(DeviceInfo((eProductModelId) 3, false, 0, {}, 0, {}, 0, 0, 0, (eMediaType) -1));
    manager->changeTargetModel(3);
    ASSERT_NE(main->getView(), nullptr);
    auto* area = main->getView()->getEditorComponent()->getEditParam();
    auto* peer = main->getPeer();
    ASSERT_TRUE(area != nullptr && peer != nullptr);
    ASSERT_TRUE(area->getWantsKeyboardFocus());
    area->grabKeyboardFocus();
    ASSERT_TRUE(area->hasKeyboardFocus(false)) << "the window did not take the keyboard focus on its own display";

    // The menu takes the window's focus while the area holds it; the
    // window is activated again once `handOn` has run.
    const auto focusAfter = [&](const std::function<void()>& handOn) {
        area->grabKeyboardFocus();
        peer->handleFocusLoss();
        handOn();
        pumpFor(30);
        peer->handleFocusGain();
        return juce::Component::getCurrentlyFocusedComponent();
    };
    const auto closedBy = [&](int id) { return [&, id] { send(id); }; };

    auto* focused = focusAfter([&] { manager->showAboutPage(); });
    EXPECT_EQ(focused, main->getAboutPage());
    EXPECT_EQ(focusAfter(closedBy(MessageId::AboutPageClosed)), main);
    EXPECT_FALSE(main->isAboutPageShowing());

    // The menu's modal loop chose About: the page took the focus inside the
    // loop, whose end gives it back to the area, which held it when the loop
    // began.
    focused = focusAfter([&] {
        {
            const FocusHandOver::AcrossModalLoop loop;
            manager->showAboutPage();
            area->grabKeyboardFocus();
        }
        EXPECT_EQ(juce::Component::getCurrentlyFocusedComponent(), main->getAboutPage());
    });
    EXPECT_EQ(focused, main->getAboutPage());
    // A loop in which nothing was handed the focus leaves it alone.
    {
        const FocusHandOver::AcrossModalLoop loop;
        area->grabKeyboardFocus();
    }
    EXPECT_EQ(juce::Component::getCurrentlyFocusedComponent(), area);
    EXPECT_EQ(focusAfter(closedBy(MessageId::AboutPageClosed)), main);

    focused = focusAfter([&] { manager->showCatalogSelMini(); });
    EXPECT_EQ(focused, manager->getCatalogSelMini());
    EXPECT_EQ(focusAfter(closedBy(MessageId::CatalogSelMiniClosed)), main);

    manager->showUSBRoutingSelect();
    EXPECT_EQ(focusAfter(closedBy(MessageId::USBRoutingSelectClosed)), main);
    manager->showAudioEQEdit();
    EXPECT_EQ(focusAfter(closedBy(MessageId::AudioEQEditClosed)), main);
    manager->showDeviceSelect();
    EXPECT_EQ(focusAfter([&] { manager->hideDeviceSelect(); }), main);
    EXPECT_EQ(main->getOverlayHolder(), nullptr);

    // The progress dialog, cancelled or closed at the end of a transfer.
    auto* progress = main->getProgressBarDialog();
    main->openProgressBarDialog("RECEIVED...", 1);
    EXPECT_EQ(focusAfter([&] { progress->buttonClicked(&progress->getCancelButton()); }), main);
    EXPECT_FALSE(main->isProgressBarDialogShowing());
    main->openProgressBarDialog("RECEIVED...", 2);
    EXPECT_EQ(focusAfter([&] {
                  progress->getCancelButton().grabKeyboardFocus();
                  main->closeProgressBarDialog();
              }),
              main);
    // Also when the focus stayed elsewhere while it stood in front (on the
    // area, which held it when the transfer was started from the menu); the
    // end of a chain that never opened it leaves the focus alone.
    EXPECT_EQ(focusAfter([&] {
                  main->openProgressBarDialog("TRANSMIT...", 3);
                  main->closeProgressBarDialog();
              }),
              main);
    EXPECT_EQ(focusAfter([&] { main->closeProgressBarDialog(); }), area);

    // The write dialog: its OK button first; Cancel hands the focus to the
    // main component, OK (after the write) to the user-button container.
    auto* writeDialog = main->getWriteProgDialog();
    EXPECT_EQ(focusAfter([&] { host->getActionManager()->OpenWriteProgDialog(3); }), writeDialog->getOkButton());
    EXPECT_EQ(focusAfter([&] { writeDialog->cancelButtonPressed(); }), main);
    host->getActionManager()->OpenWriteProgDialog(3);
    auto* container = main->getView()->getUserButtonContainer();
    ASSERT_NE(container, nullptr);
    EXPECT_EQ(focusAfter([&] { writeDialog->okButtonPressed(); }), container);
    EXPECT_FALSE(writeDialog->isVisible());

    // A new file tab comes to the front and leaves the focus where it was
    // (the framework would hand it to the file bar's add button).
    area->grabKeyboardFocus();
    ASSERT_TRUE(host->getActionManager()->executeNewFile(3));
    host->getActionManager()->afterNewFileUI(3);
    EXPECT_EQ(juce::Component::getCurrentlyFocusedComponent(), area);

    // A view built for another model hands the focus to its parameter area.
    host->changeDeviceEnvironment(DeviceInfo((eProductModelId) 1, false, 0, {}, 0, {}, 0, 0, 0, (eMediaType) -1));
    focused = focusAfter([&] { manager->changeTargetModel(1); });
    ASSERT_NE(main->getView(), nullptr);
    EXPECT_EQ(focused, main->getView()->getEditorComponent()->getEditParam());

    // The amplifier opens a custom page there: the lower panel turns to it
    // and the focus stays where the player left it.
    auto* hmqView = dynamic_cast<CHMQEditorLibrarianComponent*>(main->getView());
    auto* hmq = dynamic_cast<HMQDataCenter*>(host->getDeviceEnvironment()->getDataCenter());
    ASSERT_TRUE(hmqView != nullptr && hmq != nullptr);
    auto* hmqArea = hmqView->getEditorComponent()->getEditParam();
    hmqArea->grabKeyboardFocus();
    hmq->getCustomSection().FireOnCustomTabOpen(0, true);
    ASSERT_TRUE(pumpUntil([&] { return hmqView->getLowerPanel()->getTabs()->getCurrentTabIndex() == 1; }));
    ASSERT_TRUE(testing_support::pumpUntilPostedHandled());
    EXPECT_EQ(juce::Component::getCurrentlyFocusedComponent(), hmqArea);
}

// The keyboard focus belongs to one window of a display at a time: tests
// running beside this one on a shared display take it in the middle of a
// hand-over, and a window that lost it cannot take it back with its older
// time. So the hand-over test runs in a child on a display of its own, with a
// window manager as on a user's desktop.
TEST(RealWindowFocus, TheHandOversRunOnADisplayOfTheirOwn)
{
    if (! testing_support::AppProcess::ensureWindowManager() || ! juce::File("/usr/bin/Xvfb").existsAsFile())
        GTEST_SKIP() << "needs Xvfb, wmctrl and openbox";
    testing_support::PrivateDisplay display;
    ASSERT_TRUE(display.gotTheDisplayLock()) << "another real-window test kept its display";
    ASSERT_TRUE(display.isReady());
    // The child's own skip is a failure here: the hand-overs did not run.
    const testing_support::ChildTestRun run({ "RIGSMITH_OWN_DISPLAY=1" }, "ChildOnlyOverlayPages.*",
                                            testing_support::SimulatedAmplifierApp::patienceMs);
    EXPECT_TRUE(run.passed(1)) << run.output;
}
