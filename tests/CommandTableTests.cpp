// The command table: registered ids in order, names, descriptions and
// shortcuts, activity per model and connection state, perform's dispatch,
// the tab rules of Save File As and Close File, and the popup menu's items
// and greying.
#include "Action/ActionManager.h"
#include "Action/MenuBarManager.h"
#include "Action/MidiManager.h"
#include "Application/Host.h"
#include "Common/DeviceEnvironment.h"
#include "Core/DeviceInfo.h"
#include "DataCenter/DataCenter.h"
#include "GUI/Shell/MainComponent.h"
#include "GUI/Shell/MainWindow.h"
#include "GUI/Shell/MasterGuiController.h"
#include "GUI/Shell/MasterGuiManager.h"
#include "Platform/BluetoothMidiPairing.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

#include <map>

namespace
{
struct AvailablePairing : BluetoothMidiPairing
{
    bool isAvailable() const override { return true; }
    bool open(std::function<void(int)>) override { return true; }
    void close() override {}
    bool isShowing() const override { return false; }
};

struct CommandTable : ::testing::Test
{
    void SetUp() override
    {
        host = Host::createInstance();
        actions = host->getActionManager();
        commands = host->getCommandManager();
    }
    void TearDown() override
    {
        BluetoothMidiPairing::install(nullptr);
        Host::destroyInstance();
        MainComponent::m_TargetModelId = -1;
    }

    void openModel(int model)
    {
        host->changeDeviceEnvironment(DeviceInfo((eProductModelId) model, false, 0, {}, 0, {}, 0, 0, 0, kMediaTypeUnknown));
    }

    juce::ApplicationCommandInfo info(int id)
    {
        juce::ApplicationCommandInfo result(id);
        result.flags = juce::ApplicationCommandInfo::isDisabled; // as the framework asks
        actions->getCommandInfo(id, result);
        return result;
    }
    bool active(int id) { return (info(id).flags & juce::ApplicationCommandInfo::isDisabled) == 0; }

    // The popup's items: name and enabled state, "|" for a separator.
    juce::String popupItems()
    {
        juce::StringArray out;
        auto* menu = host->getMenuBarManager()->createPopupMenu();
        for (juce::PopupMenu::MenuItemIterator it(*menu); it.next();)
        {
            auto& item = it.getItem();
            out.add(item.isSeparator ? "|" : item.text + (item.isEnabled ? "" : " (off)"));
        }
        host->getMenuBarManager()->deletePopupMenu();
        return out.joinIntoString(", ");
    }

    Host* host = nullptr;
    ActionManager* actions = nullptr;
    juce::ApplicationCommandManager* commands = nullptr;
};
} // namespace

TEST_F(CommandTable, RegistersThirteenCommandsInOrderWithNamesAndShortcuts)
{
    juce::Array<juce::CommandID> ids;
    actions->getAllCommands(ids);
    EXPECT_EQ(ids, juce::Array<juce::CommandID>(
                       { 0x101, 0x100, 0x102, 0x103, 0x104, 0x105, 0x106, 0x107, 0x108, 0x10B, 0x402, 0x403, 0x405 }));
    EXPECT_EQ(commands->getNumCommands(), 13);
    for (const int id : { 0x109, 0x10A, 0x404, 0x400, 0x406 })
        EXPECT_EQ(commands->getCommandForID(id), nullptr) << id;

    const auto* save = commands->getCommandForID(0x103);
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(save->shortName, "Save USER PROGRAMS As...");
    EXPECT_EQ(save->categoryName, "File");
    ASSERT_EQ(save->defaultKeypresses.size(), 1);
    EXPECT_EQ(save->defaultKeypresses[0], juce::KeyPress('s', juce::ModifierKeys::commandModifier, 0));
    EXPECT_TRUE(commands->getCommandForID(0x102)->defaultKeypresses.isEmpty());
    EXPECT_EQ(commands->getCommandForID(0x10B)->description, "Quit...");
    EXPECT_EQ(commands->getCommandForID(0x405)->description, "Bluetooth MIDI Setting...");
    // The shortcuts reach the commands through the key mappings.
    EXPECT_EQ(commands->getKeyMappings()->findCommandForKeyPress(juce::KeyPress('u', juce::ModifierKeys::commandModifier, 0)),
              0x106);

    // An id outside the table leaves the info as it came.
    juce::ApplicationCommandInfo other(0x406);
    other.shortName = "untouched";
    actions->getCommandInfo(0x406, other);
    EXPECT_EQ(other.shortName, "untouched");
}

TEST_F(CommandTable, EveryShortcutAndTheOrderOfTheFileMenu)
{
    // Command + letter, or none; each reaches its command through the key mappings.
    const std::map<int, char> shortcuts { { 0x100, 'o' }, { 0x101, 'n' }, { 0x103, 's' }, { 0x104, 't' },
                                          { 0x105, 'w' }, { 0x106, 'u' }, { 0x10B, 'q' } };
    juce::Array<juce::CommandID> ids;
    actions->getAllCommands(ids);
    for (const auto id : ids)
    {
        SCOPED_TRACE(juce::String::toHexString(id).toStdString());
        const auto* command = commands->getCommandForID(id);
        ASSERT_NE(command, nullptr);
        const auto found = shortcuts.find(id);
        if (found == shortcuts.end())
        {
            EXPECT_TRUE(command->defaultKeypresses.isEmpty());
            continue;
        }
        const juce::KeyPress key(found->second, juce::ModifierKeys::commandModifier, 0);
        ASSERT_EQ(command->defaultKeypresses.size(), 1);
        EXPECT_EQ(command->defaultKeypresses[0], key);
        EXPECT_EQ(commands->getKeyMappings()->findCommandForKeyPress(key), id);
    }

    // The File menu of the menu-bar model: ids in order, 0 for a separator.
    juce::Array<int> items;
    const auto menu = host->getMenuBarManager()->getMenuForIndex(0, "File");
    for (juce::PopupMenu::MenuItemIterator it(menu); it.next();)
        items.add(it.getItem().isSeparator ? 0 : it.getItem().itemID);
    EXPECT_EQ(items, juce::Array<int>({ 0x101, 0x100, 0x104, 0x105, 0, 0x102, 0x103, 0, 0x106, 0 }));
}

TEST_F(CommandTable, DescriptionsFollowTheModel)
{
    EXPECT_EQ(info(0x100).description, "");
    openModel(1);
    EXPECT_EQ(info(0x100).description, "Open .hmqprog File");
    EXPECT_EQ(info(0x109).description, "Tx to HMQ");
    openModel(0);
    EXPECT_EQ(info(0x105).description, "Close .dwqprog File...");
    EXPECT_EQ(info(0x10A).description, "Rx from DW");
    openModel(4);
    EXPECT_EQ(info(0x104).description, "Save .okxprog File...");
    EXPECT_EQ(info(0x107).description, "Tx to Orva KX");
    openModel(5);
    EXPECT_EQ(info(0x101).description, "Create .opwprog File...");
}

TEST_F(CommandTable, TransferCommandsNeedAConnectedIdleModel)
{
    // No model: nothing to transfer.
    EXPECT_FALSE(active(0x107));
    EXPECT_FALSE(active(0x108));
    EXPECT_TRUE(active(0x106));

    openModel(2);
    ASSERT_NE(host->getDeviceEnvironment(), nullptr);
    auto* dc = host->getDeviceEnvironment()->getDataCenter();
    actions->setMenuEnable(false);
    EXPECT_TRUE(active(0x107)); // menus not yet enabled: left active
    actions->setMenuEnable(true);
    EXPECT_FALSE(active(0x107)); // offline
    dc->setConnected(true);
    EXPECT_TRUE(active(0x107));
    EXPECT_TRUE(active(0x108));

    auto* midi = host->getMidiManager();
    midi->setBulkTransmit(true);
    EXPECT_FALSE(active(0x107));
    EXPECT_FALSE(active(0x108));
    midi->setBulkTransmit(false);
    midi->setAudioEQBulkReceive(true);
    EXPECT_FALSE(active(0x108));
    midi->setAudioEQBulkReceive(false);
    dc->setConnected(false);
}

TEST_F(CommandTable, TabRulesOfSaveAndClose)
{
    using Tabs = ActionManager::LibrarianTabs;
    // DWQ with the preset tab current: neither save nor close.
    EXPECT_FALSE(ActionManager::isSaveFileActive(Tabs { 2, 0, true }));
    EXPECT_FALSE(ActionManager::isCloseFileActive(0, Tabs { 2, 0, true }));
    EXPECT_TRUE(ActionManager::isCloseFileActive(0, Tabs { 2, 1, true }));
    EXPECT_EQ(ActionManager::fileToClose(0, Tabs { 2, 1, true }), 0);
    EXPECT_EQ(ActionManager::fileToClose(-1, Tabs { 4, 3, true }), 2);
    // A current tab past the last names no file.
    EXPECT_EQ(ActionManager::fileToClose(1, Tabs { 2, 2, true }), -1);
    // The last file tab of an Orva model stays.
    EXPECT_FALSE(ActionManager::isCloseFileActive(2, Tabs { 1, 0, false }));
    EXPECT_EQ(ActionManager::fileToClose(2, Tabs { 1, 0, false }), -1);
    EXPECT_TRUE(ActionManager::isCloseFileActive(3, Tabs { 2, 1, false }));
    EXPECT_EQ(ActionManager::fileToClose(3, Tabs { 2, 1, false }), 1);
    EXPECT_TRUE(ActionManager::isSaveFileActive(Tabs { 3, 2, false }));
    EXPECT_FALSE(ActionManager::isSaveFileActive(Tabs { 3, -1, false }));
}

TEST_F(CommandTable, PerformDispatchesKnownIdsOnly)
{
    host->getMasterGuiController()->showMainWindow();
    auto* main = host->getMasterGuiManager()->getMainWindow()->getMainComponent();
    ASSERT_NE(main, nullptr);

    EXPECT_FALSE(actions->perform(juce::ApplicationCommandTarget::InvocationInfo(0x406)));
    EXPECT_FALSE(actions->perform(juce::ApplicationCommandTarget::InvocationInfo(0x400)));

    EXPECT_TRUE(actions->perform(juce::ApplicationCommandTarget::InvocationInfo(0x404)));
    EXPECT_TRUE(main->isDeviceSelectShowing());
    main->hideDeviceSelect();

    // Commands reach the command layer through the window's target chain.
    EXPECT_EQ(main->getNextCommandTarget(), actions);
    EXPECT_TRUE(actions->invoke(juce::ApplicationCommandTarget::InvocationInfo(0x402), false));
    EXPECT_TRUE(main->isAboutPageShowing());

    // Without a model the transfers do nothing and ask nothing.
    int asked = 0;
    actions->setConfirmation([&](auto&&...) {
        ++asked;
        return true;
    });
    for (const int id : { 0x107, 0x108, 0x109, 0x10A, 0x106, 0x105 })
        EXPECT_TRUE(actions->perform(juce::ApplicationCommandTarget::InvocationInfo(id))) << id;
    EXPECT_EQ(asked, 0);
}

TEST_F(CommandTable, PopupMenuItemsAndGreying)
{
    AvailablePairing pairing;
    BluetoothMidiPairing::install(&pairing);

    const juce::StringArray plain { "New File...",
                                    "Open File...",
                                    "Save File As...",
                                    "Close File",
                                    "|",
                                    "Load USER PROGRAMS From...",
                                    "Save USER PROGRAMS As...",
                                    "|",
                                    "Write Current Program...",
                                    "|",
                                    "About",
                                    "Help" };
    EXPECT_EQ(popupItems(), plain.joinIntoString(", "));

    openModel(2);
    EXPECT_EQ(popupItems(), plain.joinIntoString(", "));

    openModel(4);
    auto lyn = plain;
    lyn.insert(10, "Bluetooth MIDI");
    lyn.insert(11, "|");
    EXPECT_EQ(popupItems(), lyn.joinIntoString(", "));

    BluetoothMidiPairing::install(nullptr);
    EXPECT_EQ(popupItems(), plain.joinIntoString(", "));

    // The menus of the menu-bar model.
    auto* model = host->getMenuBarManager();
    EXPECT_EQ(model->getMenuBarNames(), juce::StringArray({ "File", "Option" }));
    EXPECT_EQ(model->getMenuForIndex(0, "File").getNumItems(), 7); // separators not counted
    EXPECT_EQ(model->getMenuForIndex(1, "Option").getNumItems(), 2);
    EXPECT_EQ(model->getMenuForIndex(2, "").getNumItems(), 0);
}
