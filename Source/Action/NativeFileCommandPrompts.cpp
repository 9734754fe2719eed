#include "Action/NativeFileCommandPrompts.h"

#include <juce_gui_basics/juce_gui_basics.h>

juce::File NativeFileCommandPrompts::chooseFileToOpen(const juce::String& title, const juce::String& pattern)
{
    juce::FileChooser chooser(title, juce::File(), pattern);
    return chooser.browseForFileToOpen() ? chooser.getResult() : juce::File();
}

juce::File NativeFileCommandPrompts::chooseFileToSave(const juce::String& title, const juce::String& pattern)
{
    juce::FileChooser chooser(title, juce::File(), pattern);
    return chooser.browseForFileToSave(true) ? chooser.getResult() : juce::File();
}

void NativeFileCommandPrompts::showWarning(const juce::String& title, const juce::String& text, const juce::String& button)
{
    juce::AlertWindow::showMessageBox(juce::MessageBoxIconType::WarningIcon, title, text, button);
}

void NativeFileCommandPrompts::showWarningAsync(const juce::String& title, const juce::String& text, const juce::String& button)
{
    juce::AlertWindow::showMessageBoxAsync(juce::MessageBoxIconType::WarningIcon, title, text, button);
}

bool NativeFileCommandPrompts::confirm(const juce::String& title, const juce::String& text, const juce::String& yesButton,
                                       const juce::String& noButton)
{
    return juce::AlertWindow::showOkCancelBox(juce::MessageBoxIconType::WarningIcon, title, text, yesButton, noButton, nullptr,
                                              nullptr);
}
