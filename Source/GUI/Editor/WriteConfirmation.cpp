#include "GUI/Editor/WriteConfirmation.h"

#include "GUI/Widgets/FocusHandOver.h"
#include "GUI/Widgets/RSWidgetSupport.h"
#include "Preferences/PreferencesData.h"

namespace
{
WriteConfirmation::Prompt& prompt()
{
    static WriteConfirmation::Prompt p;
    return p;
}
} // namespace

void WriteConfirmation::setPrompt(Prompt p)
{
    prompt() = std::move(p);
}

bool WriteConfirmation::confirm(const juce::String& message, const juce::String& toggleText, const juce::String& key)
{
    auto* preferences = PreferencesData::getInstance();
    const int stored = preferences != nullptr ? preferences->getIntValue(key, -1) : -1;
    if (stored != -1 && stored != 1)
        return true;

    bool toggle = true;
    const bool ok = prompt() ? prompt()(message, toggleText, toggle) : showAlert(message, toggleText, toggle);
    if (! ok)
        return false;
    if (preferences != nullptr)
        preferences->setValue(key, toggle ? 1 : 0);
    return true;
}

bool WriteConfirmation::ask(const juce::String& message)
{
    bool toggle = false;
    return prompt() ? prompt()(message, {}, toggle) : showAlert(message, {}, toggle);
}

bool WriteConfirmation::showAlert(const juce::String& message, const juce::String& toggleText, bool& toggle)
{
    // The focus goes back where it was once the question is answered.
    const juce::Component::SafePointer<juce::Component> focused(juce::Component::getCurrentlyFocusedComponent());
    juce::AlertWindow window({}, message, juce::MessageBoxIconType::NoIcon);
    window.setColour(juce::AlertWindow::backgroundColourId, juce::Colour(0xFF4F4F4F));
    window.setColour(juce::AlertWindow::textColourId, juce::Colour(0xFFD4D4D4));
    window.setColour(juce::AlertWindow::outlineColourId, juce::Colour(0xFFD4D4D4));

    juce::ToggleButton always(toggleText);
    // The alert window writes a custom component's name above it: the toggle
    // keeps its text but has no name, so the question is not shown twice.
    always.setName({});
    always.setColour(juce::ToggleButton::textColourId, juce::Colour(0xFFD4D4D4));
    always.setToggleState(true, juce::dontSendNotification);
    always.setBounds(40, 40, 300, 20);
    if (toggleText.isNotEmpty())
        window.addCustomComponent(&always);

    window.addButton("OK", 1, juce::KeyPress(juce::KeyPress::returnKey));
    window.addButton("Cancel", 0, juce::KeyPress(juce::KeyPress::escapeKey));
    RSWidgetSupport::remakeNativeWindow(window);

#if JUCE_MODAL_LOOPS_PERMITTED
    const int result = window.runModalLoop();
#else
    const int result = 0;
#endif
    if (toggleText.isNotEmpty())
        window.removeCustomComponent(0);
    toggle = always.getToggleState();
    window.setVisible(false);
    FocusHandOver::give(focused.getComponent());
    return result == 1;
}
