#include "Action/MenuBarManager.h"

#include "Application/Host.h"
#include "Core/ProductModel.h"
#include "Platform/BluetoothMidiPairing.h"

namespace
{
constexpr int separator = 0;

// Adds the items in order. A separator is added only after an item that is
// not a separator; an id the command manager does not know adds nothing.
void addItems(juce::PopupMenu& menu, juce::ApplicationCommandManager* commands, std::initializer_list<int> ids)
{
    bool lastWasItem = false;
    for (const int id : ids)
    {
        if (id == separator)
        {
            if (lastWasItem)
                menu.addSeparator();
            lastWasItem = false;
        }
        else if (commands != nullptr && commands->getCommandForID(id) != nullptr)
        {
            menu.addCommandItem(commands, id);
            lastWasItem = true;
        }
    }
}
} // namespace

MenuBarManager::MenuBarManager(juce::ApplicationCommandManager* manager) : commandManager(manager)
{}

MenuBarManager::~MenuBarManager() = default;

juce::StringArray MenuBarManager::getMenuBarNames()
{
    return { "File", "Option" };
}

juce::PopupMenu MenuBarManager::getMenuForIndex(int index, const juce::String&)
{
    juce::PopupMenu menu;
    if (index == 0)
    {
        addItems(menu, commandManager, { 0x101, 0x100, 0x104, 0x105, separator, 0x102, 0x103, separator, 0x106, separator });
    }
    else if (index == 1)
    {
        if (BluetoothMidiPairing::get().isAvailable())
            addItems(menu, commandManager, { separator, 0x405, 0x402, 0x403, 0x406 });
        else
            addItems(menu, commandManager, { 0x402, 0x403, 0x406 });
    }
    return menu;
}

void MenuBarManager::menuItemSelected(int, int)
{}

juce::PopupMenu* MenuBarManager::createPopupMenu()
{
    if (popupMenu == nullptr)
        popupMenu = std::make_unique<juce::PopupMenu>();
    popupMenu->clear();

    // One pass, so that the separator rule holds across the optional part.
    auto* host = Host::getInstance();
    const int model = host != nullptr ? host->getCurrentModelId() : -1;
    const bool lyn = isWirelessModel(model) && BluetoothMidiPairing::get().isAvailable();
    if (lyn)
        addItems(*popupMenu, commandManager,
                 { 0x101, 0x100, 0x104, 0x105, separator, 0x102, 0x103, separator, 0x106, separator, 0x405, separator, 0x400,
                   0x402, 0x403 });
    else
        addItems(*popupMenu, commandManager,
                 { 0x101, 0x100, 0x104, 0x105, separator, 0x102, 0x103, separator, 0x106, separator, 0x400, 0x402, 0x403 });
    return popupMenu.get();
}

void MenuBarManager::deletePopupMenu()
{
    if (popupMenu == nullptr)
        return;
    popupMenu->clear();
    popupMenu.reset();
}
