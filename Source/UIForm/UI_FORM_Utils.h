#pragma once

#include "UIForm/UI_FORMINFO.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <map>
#include <string>

// Turns a form item into a widget: the class code of its class name, then
// the widget of that code, named, stamped with the item's fields as
// properties and placed at the item's bounds.
class UI_FORM_Utils
{
public:
    // The class code of the item's class name, -1 for an unknown name.
    static int GetItemClassInt(const UI_FORMINFO& item);

    // A new widget for the item, owned by the caller and not added to the
    // parent, or null when the class makes none. The parent is only handed to
    // the type pickers.
    static juce::Component* CreateControl(juce::Component* parent, const UI_FORMINFO& item);

    // Class name to code; filled on the first lookup.
    static std::map<std::string, int> gClassName2IntMap;
};
