#pragma once

#include "Action/FileCommandPrompts.h"

// The platform's file dialogs and the framework's alert windows, all with
// the warning icon.
class NativeFileCommandPrompts : public FileCommandPrompts
{
public:
    juce::File chooseFileToOpen(const juce::String& title, const juce::String& pattern) override;
    juce::File chooseFileToSave(const juce::String& title, const juce::String& pattern) override;
    void showWarning(const juce::String& title, const juce::String& text, const juce::String& button) override;
    void showWarningAsync(const juce::String& title, const juce::String& text, const juce::String& button) override;
    bool confirm(const juce::String& title, const juce::String& text, const juce::String& yesButton,
                 const juce::String& noButton) override;
};
