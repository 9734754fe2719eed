// The device-selection page: its rows, the choice it hands to Host, and its
// reactions to the scan and connection messages.
#include "Application/Host.h"
#include "Core/ConnectedDeviceInfoList.h"
#include "Core/MessageEngine.h"
#include "Core/MessageIds.h"
#include "GUI/Shell/DeviceSelectComponent.h"
#include "GUI/Shell/MainComponent.h"
#include "GUI/Shell/MainWindow.h"
#include "GUI/Shell/MasterGuiController.h"
#include "GUI/Shell/MasterGuiManager.h"
#include "GUI/Widgets/FontLibrary.h"
#include "Preferences/PreferencesData.h"
#include "support/PaintRecorder.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

#include <algorithm>

using testing_support::pumpFor;
using testing_support::pumpUntil;

namespace
{
DeviceInfo found(int model, const juce::String& port, int v1 = 1, int v2 = 5)
{
    return DeviceInfo((eProductModelId) model, true, 0, port + " IN", 0, port + " OUT", v1, v2, 0, kMediaTypeUSB);
}

juce::MouseEvent clickOn(juce::Component& c)
{
    return juce::MouseEvent(juce::Desktop::getInstance().getMainMouseSource(), {}, {}, {}, {}, {}, {}, {}, &c, &c,
                            juce::Time::getCurrentTime(), {}, juce::Time::getCurrentTime(), 2, false);
}

// Takes the 37 records off the bus in Host's place.
struct ChoiceRecorder : juce::MessageListener
{
    void handleMessage(const juce::Message& m) override
    {
        auto* my = dynamic_cast<const MyMessage*>(&m);
        if (my == nullptr || my->getId() != MessageId::DeviceSelectedToHost)
            return;
        ++count;
        std::unique_ptr<DeviceInfo> info(static_cast<DeviceInfo*>(my->getRecord()->ptr));
        my->getRecord()->ptr = nullptr;
        withPayload = info != nullptr;
        if (info != nullptr)
            last = *info;
    }
    int count = 0;
    bool withPayload = false;
    DeviceInfo last;
};

struct DevicePage : ::testing::Test
{
    void SetUp() override
    {
        host = Host::createInstance();
        host->getMasterGuiController()->showMainWindow();
        manager = host->getMasterGuiManager();
        main = manager->getMainWindow()->getMainComponent();
        list = ConnectedDeviceInfoList::instance();
    }

    void TearDown() override
    {
        if (auto* bus = MessageEngine::instance())
            bus->removeListener(&choices);
        PreferencesData::getInstance()->setManualMidiPortSetting(false);
        Host::destroyInstance();
        MainComponent::m_TargetModelId = -1;
    }

    DeviceSelectComponent* show()
    {
        manager->showDeviceSelect();
        pumpFor(30);
        return DeviceSelectComponent::getInstanceWithoutCreating();
    }

    // Host leaves the bus so that the test sees the choice itself.
    void takeChoicesFromHost()
    {
        MessageEngine::instance()->removeListener(host);
        MessageEngine::instance()->addListener(&choices);
    }

    void send(int id)
    {
        broadcastMessageId(id);
        pumpFor(30);
    }

    static juce::Array<int> models(const DeviceSelectComponent& page)
    {
        juce::Array<int> result;
        for (auto& entry : page.getEntries())
            result.add((int) entry.model);
        return result;
    }

    Host* host = nullptr;
    MasterGuiManager* manager = nullptr;
    MainComponent* main = nullptr;
    ConnectedDeviceInfoList* list = nullptr;
    ChoiceRecorder choices;
};
} // namespace

TEST_F(DevicePage, WithNothingFoundItListsOneOfflineRowPerModelAndOkWaitsForTheScan)
{
    auto* page = show();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->getBounds().getCentre(), main->getLocalBounds().getCentre());
    EXPECT_EQ(page->getWidth(), 421);
    EXPECT_EQ(page->getHeight(), 640);

    EXPECT_EQ(models(*page), juce::Array<int>({ 0, 1, 2, 3, 4, 5 }));
    for (auto& entry : page->getEntries())
        EXPECT_FALSE(entry.isConnected());
    EXPECT_FALSE(page->getOnlyConnectedToggle().isEnabled());
    EXPECT_FALSE(page->getOnlyConnectedToggle().getToggleState());
    EXPECT_EQ(page->getListBox().getSelectedRow(), 0);
    EXPECT_EQ((int) page->getChosen().model, 0);

    // Shown during the boot: OK waits for the scan's end.
    EXPECT_FALSE(page->getOkButton().isEnabled());
    send(MessageId::ScanFinished);
    EXPECT_TRUE(page->getOkButton().isEnabled());
    testing_support::saveScreenshot(*main, "device-page-no-devices");
}

TEST_F(DevicePage, FoundDevicesComeFirstAndTheToggleHidesTheOfflineRows)
{
    list->add(found(2, "Orva KX"));
    auto* page = show();
    ASSERT_NE(page, nullptr);

    // One device, toggle on: that device alone.
    EXPECT_EQ(models(*page), juce::Array<int>({ 2 }));
    EXPECT_TRUE(page->getOnlyConnectedToggle().isEnabled());
    EXPECT_EQ(page->getChosen().midiInName, "Orva KX IN");

    // Toggle off: the offline rows of the other models (4 counts apart from 2).
    page->getOnlyConnectedToggle().setToggleState(false, juce::sendNotificationSync);
    EXPECT_EQ(models(*page), juce::Array<int>({ 2, 0, 1, 3, 4, 5 }));

    // Several devices, and the device in use as row 0, not listed twice.
    list->add(found(5, "Orva PW Lyn"));
    list->add(found(1, "HMQ"));
    host->changeDeviceEnvironment(found(1, "HMQ"));
    page->getOnlyConnectedToggle().setToggleState(true, juce::sendNotificationSync);
    EXPECT_EQ(models(*page), juce::Array<int>({ 1, 2, 5 }));
    EXPECT_EQ((int) page->getChosen().model, 1);
    testing_support::saveScreenshot(*page, "device-page-three-devices");
}

TEST_F(DevicePage, OkHandsHostACopyOfTheSelectedRowOrNothingForTheDeviceInUse)
{
    list->add(found(2, "Orva KX"));
    list->add(found(3, "Orva PW"));
    auto* page = show();
    ASSERT_NE(page, nullptr);
    takeChoicesFromHost();

    page->getListBox().selectRow(1);
    page->clickedOkButton();
    pumpFor(30);
    ASSERT_EQ(choices.count, 1);
    ASSERT_TRUE(choices.withPayload);
    EXPECT_EQ((int) choices.last.model, 3);
    EXPECT_EQ(choices.last.midiInName, "Orva PW IN");
    EXPECT_EQ(choices.last.version2, 5);

    // No row selected: nothing goes out.
    page->getListBox().deselectAllRows();
    page->clickedOkButton();
    pumpFor(30);
    EXPECT_EQ(choices.count, 1);

    // The device already in use goes without a record.
    host->changeDeviceEnvironment(found(2, "Orva KX"));
    page->getOnlyConnectedToggle().setToggleState(false, juce::sendNotificationSync);
    page->getListBox().selectRow(0);
    page->clickedOkButton();
    pumpFor(30);
    EXPECT_EQ(choices.count, 2);
    EXPECT_FALSE(choices.withPayload);
}

TEST_F(DevicePage, HostTakesTheChoiceAndHidesThePage)
{
    auto* page = show();
    ASSERT_NE(page, nullptr);
    page->getListBox().selectRow(4); // the offline Orva KX Lyn
    page->listBoxItemDoubleClicked(4, clickOn(*page));
    EXPECT_TRUE(pumpUntil([&] { return host->getCurrentModelId() == 4; }, testing_support::patienceMs));
    EXPECT_TRUE(pumpUntil([&] { return ! manager->isDeviceSelectShowing(); }));

    // Choosing it again only hides the page.
    manager->showDeviceSelect();
    pumpFor(30);
    auto* environment = host->getDeviceEnvironment();
    page->getListBox().selectRow(0);
    ASSERT_EQ((int) page->getChosen().model, 4);
    page->clickedOkButton();
    EXPECT_TRUE(pumpUntil([&] { return ! manager->isDeviceSelectShowing(); }));
    EXPECT_EQ(host->getDeviceEnvironment(), environment);
}

TEST_F(DevicePage, RowsThatVanishedAreNeverUsed)
{
    list->add(found(0, "DWQ"));
    list->add(found(1, "HMQ"));
    list->add(found(2, "Orva KX"));
    auto* page = show();
    ASSERT_NE(page, nullptr);
    page->getListBox().selectRow(2);
    EXPECT_EQ((int) page->getChosen().model, 2);

    // Rows out of range are ignored.
    page->selectedRowsChanged(17);
    page->listBoxItemDoubleClicked(-1, clickOn(*page));
    juce::Image image(juce::Image::ARGB, 300, 85, true);
    juce::Graphics g(image);
    page->paintListBoxItem(17, g, 300, 85, true);
    EXPECT_EQ((int) page->getChosen().model, 2);

    // The list changes under the page; the toggle rebuilds it and row 0 is
    // what OK sends, not the record of the vanished row.
    list->clear();
    list->add(found(3, "Orva PW"));
    takeChoicesFromHost();
    page->getOnlyConnectedToggle().setToggleState(false, juce::sendNotificationSync);
    page->getOnlyConnectedToggle().setToggleState(true, juce::sendNotificationSync);
    EXPECT_EQ(models(*page), juce::Array<int>({ 3 }));
    EXPECT_EQ((int) page->getChosen().model, 3);
    page->clickedOkButton();
    pumpFor(30);
    ASSERT_EQ(choices.count, 1);
    EXPECT_EQ((int) choices.last.model, 3);
}

TEST_F(DevicePage, ReactsToTheBusOnlyWhileShowing)
{
    auto* page = show();
    ASSERT_NE(page, nullptr);
    manager->hideDeviceSelect();
    ASSERT_FALSE(page->isShowing());
    // Only the page answers the scan messages here, not Host's boot logic.
    MessageEngine::instance()->removeListener(host);

    list->add(found(2, "Orva KX"));
    send(MessageId::MidiDevicesChanged);
    send(MessageId::ReconnectScanFinished);
    send(MessageId::ScanFinished);
    EXPECT_EQ(page->getEntries().size(), 6u);
    EXPECT_FALSE(page->getOkButton().isEnabled());

    // Shown again (42): rebuilt, row 0 chosen; still booting, so OK waits.
    manager->showDeviceSelect();
    pumpFor(30);
    EXPECT_EQ(models(*page), juce::Array<int>({ 2, 0, 1, 3, 4, 5 }));
    EXPECT_EQ((int) page->getChosen().model, 2);
    EXPECT_FALSE(page->getOkButton().isEnabled());

    // 29 and 31 rebuild; 31 enables OK.
    list->add(found(1, "HMQ"));
    send(MessageId::MidiDevicesChanged);
    EXPECT_EQ(models(*page), juce::Array<int>({ 2, 1, 0, 3, 4, 5 }));
    EXPECT_FALSE(page->getOkButton().isEnabled());
    list->add(found(0, "DWQ"));
    send(MessageId::ReconnectScanFinished);
    EXPECT_EQ(page->getEntries().size(), 6u);
    EXPECT_TRUE(page->getOkButton().isEnabled());

    // 5 arrives through the main component and rebuilds.
    list->clear();
    auto* status = MyMessage::create(MessageId::ConnectionStatus, 0);
    main->handleMessage(*status);
    delete status;
    EXPECT_EQ(models(*page), juce::Array<int>({ 0, 1, 2, 3, 4, 5 }));

    // 51 and 52 switch drag scrolling of the list.
    auto* viewport = page->getListBox().getViewport();
    send(MessageId::DragScrollOff);
    EXPECT_EQ(viewport->getScrollOnDragMode(), juce::Viewport::ScrollOnDragMode::never);
    send(MessageId::DragScrollOn);
    EXPECT_EQ(viewport->getScrollOnDragMode(), juce::Viewport::ScrollOnDragMode::all);
}

TEST_F(DevicePage, ShownAfterTheBootScanOkIsAtOnceUsable)
{
    host->setBootFlag(false);
    auto* page = show();
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(page->getOkButton().isEnabled());
}

TEST_F(DevicePage, ManualPortModeListsTheModelsOnly)
{
    PreferencesData::getInstance()->setManualMidiPortSetting(true);
    list->add(found(2, "Orva KX"));
    auto* page = show();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(models(*page), juce::Array<int>({ 0, 1, 2, 3, 4, 5 }));
    EXPECT_FALSE(page->getOnlyConnectedToggle().isEnabled());
}

TEST_F(DevicePage, EachValueOfAConnectedRowStandsApartFromItsHeader)
{
    list->add(found(2, "Orva KX", 1, 5));
    auto* page = show();
    ASSERT_NE(page, nullptr);
    ASSERT_EQ(page->getNumRows(), 1);

    const int width = page->getListBox().getVisibleRowWidth(), height = 85;
    juce::Image image(juce::Image::ARGB, width, height, true);
    testing_support::PaintRecorder drawn(image);
    {
        juce::Graphics g(drawn);
        page->paintListBoxItem(0, g, width, height, false);
    }

    // Port names and the firmware version stand on the three small lines
    // under the model name; each value's first glyph keeps at least a blank's
    // width from the header's last one.
    const juce::StringArray values { "Orva KX IN", "Orva KX OUT", "1.05" };
    const auto small = FontLibrary::getDeviceSelectListPortSmallFont();
    const float blank = small.getStringWidthFloat(" ");
    std::vector<float> baselines;
    for (const auto& glyph : drawn.glyphs)
        if (glyph.origin.y > 36.0f
            && std::none_of(baselines.begin(), baselines.end(), [&](float b) { return std::abs(b - glyph.origin.y) < 1.0f; }))
            baselines.push_back(glyph.origin.y);
    ASSERT_EQ(baselines.size(), 3u);
    std::sort(baselines.begin(), baselines.end());
    std::vector<float> valueStarts;
    for (int i = 0; i < 3; ++i)
    {
        const auto line = drawn.glyphsOnBaseline(baselines[(size_t) i]);
        const auto valueGlyphs = (size_t) values[i].removeCharacters(" ").length();
        ASSERT_GT(line.size(), valueGlyphs) << values[i];
        const auto& first = line[line.size() - valueGlyphs];
        const auto& before = line[line.size() - valueGlyphs - 1];
        EXPECT_GE(first.ink.getX() - before.ink.getRight(), blank) << values[i];
        valueStarts.push_back(first.origin.x);
    }
    // The two port names start at the same x.
    EXPECT_FLOAT_EQ(valueStarts[0], valueStarts[1]);
    testing_support::saveScreenshot(*page, "device_page_connected_row");
}
