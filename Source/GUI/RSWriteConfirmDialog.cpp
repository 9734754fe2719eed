#include "GUI/RSWriteConfirmDialog.h"

#include "Application/Host.h"
#include "Preferences/PreferencesData.h"

bool RSWriteConfirmDialog::ask(const juce::String& question, const juce::String& toggleText, bool& alwaysAsk)
{
    juce::AlertWindow box({}, question, juce::MessageBoxIconType::NoIcon);
    box.setColour(juce::AlertWindow::backgroundColourId, juce::Colour(backgroundColour));
    box.setColour(juce::AlertWindow::textColourId, juce::Colour(textColour));
    box.setColour(juce::AlertWindow::outlineColourId, juce::Colour(textColour));

    juce::ToggleButton toggle(toggleText);
    toggle.setColour(juce::ToggleButton::textColourId, juce::Colour(textColour));
    toggle.setToggleState(alwaysAsk, juce::dontSendNotification);
    toggle.setBounds(40, 40, 300, 20);
    box.addCustomComponent(&toggle);

    box.addButton("OK", 1, juce::KeyPress(juce::KeyPress::returnKey));
    box.addButton("Cancel", 0, juce::KeyPress(juce::KeyPress::escapeKey));

    const int result = box.runModalLoop();
    box.removeCustomComponent(0);
    alwaysAsk = toggle.getToggleState();
    return result == 1;
}

bool RSWriteConfirmDialog::confirmWrite(const juce::String& question, const juce::String& toggleText,
                                        const juce::String& preferenceKey)
{
    auto* host = Host::getInstance();
    auto* preferences = host != nullptr ? host->getPreferencesData() : nullptr;
    const int setting = preferences != nullptr ? preferences->getIntValue(preferenceKey, -1) : -1;
    if (setting != 1 && setting != -1)
        return true;

    bool alwaysAsk = true;
    if (! ask(question, toggleText, alwaysAsk))
        return false;
    if (preferences != nullptr)
        preferences->setValue(preferenceKey, alwaysAsk ? 1 : 0);
    return true;
}
