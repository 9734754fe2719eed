// The about page, the progress dialog and the connection badge.
#include "Action/ActionManager.h"
#include "Action/MidiManager.h"
#include "Application/Host.h"
#include "Common/DeviceEnvironment.h"
#include "Common/ModelInformation.h"
#include "Core/MessageEngine.h"
#include "Core/MessageIds.h"
#include "Core/SupportedModels.h"
#include "DataCenter/DataCenter.h"
#include "GUI/Editor/AnotherComponentListner.h"
#include "GUI/Shell/CAboutDialogComponent.h"
#include "GUI/Shell/CProgressBarDialogComponent.h"
#include "GUI/Shell/MainComponent.h"
#include "GUI/Shell/MainWindow.h"
#include "GUI/Shell/MasterGuiController.h"
#include "GUI/Shell/MasterGuiManager.h"
#include "GUI/Widgets/MIDIIndicator.h"
#include "ZEZEResource.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

using testing_support::pumpFor;
using testing_support::pumpUntil;

namespace
{
DeviceInfo device(int model, const juce::String& in, int v1, int v2, eMediaType media = kMediaTypeUSB)
{
    return DeviceInfo((eProductModelId) model, true, 0, in, 0, in + " out", v1, v2, 0, media);
}

struct Dialogs : ::testing::Test
{
    void SetUp() override
    {
        host = Host::createInstance();
        host->getMasterGuiController()->showMainWindow();
        manager = host->getMasterGuiManager();
        main = manager->getMainWindow()->getMainComponent();
    }

    void TearDown() override
    {
        if (resources != juce::File())
        {
            ZEZEResource::getInstance()->setResourceFolder(savedFolder);
            resources.deleteRecursively();
        }
        Host::destroyInstance();
        MainComponent::m_TargetModelId = -1;
    }

    // The model's environment, synchronised or not; without one the test ends.
    void connect(const DeviceInfo& info, bool synchronised)
    {
        host->changeDeviceEnvironment(info);
        ASSERT_NE(host->getDeviceEnvironment(), nullptr);
        ASSERT_NE(dataCenter(), nullptr);
        dataCenter()->setSynchronised(synchronised);
    }
    DataCenter* dataCenter() const
    {
        auto* environment = host->getDeviceEnvironment();
        return environment != nullptr ? environment->getDataCenter() : nullptr;
    }

    // Resources with plain pictures of the given names and sizes.
    void usePictures(std::initializer_list<std::pair<const char*, juce::Rectangle<int>>> pictures)
    {
        savedFolder = ZEZEResource::getInstance()->getResourceFolder();
        resources = juce::File::createTempFile("rigsmith-pictures");
        resources.createDirectory();
        for (auto& [name, size] : pictures)
        {
            juce::Image image(juce::Image::ARGB, size.getWidth(), size.getHeight(), true);
            image.clear(image.getBounds(), juce::Colours::red);
            juce::FileOutputStream out(resources.getChildFile(juce::String(name) + ".png"));
            juce::PNGImageFormat().writeImageToStream(image, out);
        }
        ZEZEResource::getInstance()->setResourceFolder(resources);
    }

    Host* host = nullptr;
    MasterGuiManager* manager = nullptr;
    MainComponent* main = nullptr;
    juce::File resources, savedFolder;
};

struct HeaderPage : juce::Component,
                    AnotherComponentListner
{
    void mouseDownByOtherComponent(juce::Component* c) override { pressed = c; }
    juce::Component* pressed = nullptr;
};

bool drewSomething(juce::Component& c)
{
    juce::Image image(juce::Image::ARGB, juce::jmax(1, c.getWidth()), juce::jmax(1, c.getHeight()), true);
    juce::Graphics g(image);
    c.paintEntireComponent(g, true);
    for (int y = 0; y < image.getHeight(); ++y)
        for (int x = 0; x < image.getWidth(); ++x)
            if (image.getPixelAt(x, y).getAlpha() != 0)
                return true;
    return false;
}
} // namespace

TEST_F(Dialogs, TheAboutPageShowsTheConnectionAndClosesOnOkOrEscape)
{
    manager->showAboutPage();
    auto* page = main->getAboutPage();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->getWidth(), 480);
    EXPECT_EQ(page->getHeight(), 200);

    page->refreshLabels();
    EXPECT_EQ(page->getVersionLabel().getText(), "version 1.2.2");
    EXPECT_EQ(page->getConnectionLabel().getText(), "Target : : Not Connected");
    EXPECT_EQ(page->getDeviceVersionLabel().getText(), "[Target : version -.--]");

    // An environment that is not synchronised yet reads as not connected.
    connect(device(2, "KX port", 1, 5), false);
    page->refreshLabels();
    EXPECT_EQ(page->getConnectionLabel().getText(), "Target : : Not Connected");

    dataCenter()->setSynchronised(true);
    page->refreshLabels();
    const auto name = SupportedModels::instance()->getInformation(2)->getName();
    EXPECT_EQ(page->getConnectionLabel().getText(), "Target : Connected(via KX port)");
    EXPECT_EQ(page->getDeviceVersionLabel().getText(), "[" + name + " : version 1.05]");
    testing_support::saveScreenshot(*main, "about-page-connected");

    // Other keys do nothing; Escape goes on to the key mappings and closes.
    EXPECT_FALSE(page->keyPressed(juce::KeyPress('a')));
    pumpFor(30);
    EXPECT_TRUE(main->isAboutPageShowing());
    EXPECT_FALSE(page->keyPressed(juce::KeyPress(juce::KeyPress::escapeKey)));
    EXPECT_TRUE(pumpUntil([&] { return ! main->isAboutPageShowing(); }));

    manager->showAboutPage();
    main->getAboutPage()->getOkButton().triggerClick();
    EXPECT_TRUE(pumpUntil([&] { return ! main->isAboutPageShowing(); }));
}

TEST_F(Dialogs, TheProgressDialogFollowsTheTransferAndCancelStopsIt)
{
    auto* dialog = main->getProgressBarDialog();
    ASSERT_NE(dialog, nullptr);
    const juce::Rectangle<int> parked(-1, -1, 1, 1);
    EXPECT_EQ(dialog->getBounds(), parked);
    EXPECT_FALSE(main->isProgressBarDialogShowing());

    connect(device(0, "DW port", 1, 0), true);
    auto* actions = host->getActionManager();
    auto* midi = host->getMidiManager();
    actions->OpenProgressBarDialog("RECEIVED...", 0);
    ASSERT_TRUE(main->isProgressBarDialogShowing());
    EXPECT_TRUE(dialog->isCurrentlyModal(false));
    EXPECT_EQ(dialog->getRange(), juce::Range<int>(0, 19));
    EXPECT_TRUE(main->getLocalBounds().contains(dialog->getBounds()));
    EXPECT_EQ(dialog->getBounds(), juce::Rectangle<int>(480, 140).withCentre(main->getLocalBounds().getCentre()));

    // The MIDI manager's change messages move the bar: counter + 1.
    midi->setSyncRunning(true);
    midi->setBulkReceive(true);
    midi->setSequenceCounter(13);
    midi->sendSynchronousChangeMessage();
    EXPECT_EQ(dialog->getValue(), 14);
    EXPECT_EQ(dialog->getText(), "RECEIVED...");
    testing_support::saveScreenshot(*main, "progress-dialog-receiving");

    midi->setBulkReceive(false);
    midi->setBulkTransmit(true);
    midi->setSequenceCounter(15);
    midi->sendSynchronousChangeMessage();
    EXPECT_EQ(dialog->getValue(), 16);
    EXPECT_EQ(dialog->getText(), "TRANSMIT...");

    // No transfer: nothing moves.
    midi->setBulkTransmit(false);
    midi->setSequenceCounter(2);
    midi->sendSynchronousChangeMessage();
    EXPECT_EQ(dialog->getValue(), 16);

    midi->setBulkTransmit(true);
    midi->setAudioEQBulkReceive(true);
    dialog->getCancelButton().triggerClick();
    EXPECT_TRUE(pumpUntil([&] { return ! main->isProgressBarDialogShowing(); }));
    EXPECT_FALSE(ActionManager::isTransferRunning());
    EXPECT_FALSE(dialog->isCurrentlyModal(false));
    EXPECT_EQ(dialog->getBounds(), parked);

    // The command layer closes it the same way.
    actions->OpenProgressBarDialog("TRANSMIT...", 3);
    EXPECT_EQ(dialog->getValue(), 3);
    actions->CloseProgressBarDialog();
    EXPECT_FALSE(main->isProgressBarDialogShowing());
    EXPECT_EQ(dialog->getBounds(), parked);
}

TEST_F(Dialogs, TheBadgeShowsTheModelOnlyWhileSynchronised)
{
    usePictures({ { "OrvaKX_24x62", { 62, 24 } },
                  { "OrvaKXlyn_24x62", { 62, 24 } },
                  { "USB_24x32", { 32, 24 } },
                  { "LEDON", { 10, 10 } } });
    HeaderPage header;
    juce::Component help;
    auto* badge = new MIDIIndicator(&help, false, {}, false);
    header.addAndMakeVisible(badge);
    EXPECT_EQ(badge->getImageString(), "");
    EXPECT_FALSE(drewSomething(*badge));

    connect(device(2, "KX", 1, 0), false);
    EXPECT_FALSE(drewSomething(*badge));
    EXPECT_EQ(badge->getPictureModel(), 2);
    EXPECT_EQ(badge->getWidth(), 62);
    dataCenter()->setSynchronised(true);
    EXPECT_TRUE(drewSomething(*badge));

    // The wireless variant: a new picture at the next paint.
    connect(device(4, "KX Lyn", 1, 0, kMediaTypeBluetooth), true);
    EXPECT_TRUE(drewSomething(*badge));
    EXPECT_EQ(badge->getPictureModel(), 4);
    EXPECT_EQ(badge->getImageString(), "OrvaKXlyn_24x62");

    // A click is the associated component's.
    const juce::MouseEvent click(juce::Desktop::getInstance().getMainMouseSource(), {}, {}, {}, {}, {}, {}, {}, badge, badge,
                                 juce::Time::getCurrentTime(), {}, juce::Time::getCurrentTime(), 1, false);
    badge->mouseDown(click);
    EXPECT_EQ(header.pressed, &help);

    MIDIIndicator lamp(nullptr, true, "lamp", true);
    EXPECT_EQ(lamp.getImageString(), "LEDON");
    EXPECT_EQ(lamp.getWidth(), 10);
    delete badge;
}

TEST_F(Dialogs, ABadgeForAModelOutsideTheRangeStaysBlank)
{
    usePictures({ { "OrvaKX_24x62", { 62, 24 } } });
    connect(device(1, "HMQ", 1, 0), true); // no HMQ picture among the resources
    MIDIIndicator badge(nullptr, false, {}, true);
    badge.setSize(20, 20);
    EXPECT_EQ(badge.getImageString(), "hesperine_120x25");
    EXPECT_FALSE(drewSomething(badge));
}
