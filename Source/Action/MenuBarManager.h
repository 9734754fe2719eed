#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

// The menu model of the command layer. It is installed neither as the
// platform's main menu nor as a window menu bar: the menus the user sees are
// the popup of the editor header's menu button (createPopupMenu). Items are
// commands of the command manager, so they show their shortcuts and are
// greyed when their command is inactive; selecting one runs the command
// through the command manager.
class MenuBarManager : public juce::MenuBarModel
{
public:
    explicit MenuBarManager(juce::ApplicationCommandManager* commandManager);
    ~MenuBarManager() override;

    juce::StringArray getMenuBarNames() override;
    juce::PopupMenu getMenuForIndex(int topLevelMenuIndex, const juce::String& menuName) override;
    void menuItemSelected(int menuItemID, int topLevelMenuIndex) override;

    // Rebuilds the owned popup menu and returns it; valid until
    // deletePopupMenu or the next call.
    juce::PopupMenu* createPopupMenu();
    void deletePopupMenu();

private:
    juce::ApplicationCommandManager* commandManager; // not owned
    std::unique_ptr<juce::PopupMenu> popupMenu;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(MenuBarManager)
};
