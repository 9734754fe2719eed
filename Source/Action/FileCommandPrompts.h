#pragma once

#include <juce_core/juce_core.h>

// The modal questions of the file commands: the native file dialogs and the
// warning and confirmation boxes. The application uses
// NativeFileCommandPrompts; tests give their own answers.
class FileCommandPrompts
{
public:
    virtual ~FileCommandPrompts() = default;

    // The chosen file, or File() when the dialog was cancelled.
    virtual juce::File chooseFileToOpen(const juce::String& title, const juce::String& pattern) = 0;
    // Warns about an existing file before returning it.
    virtual juce::File chooseFileToSave(const juce::String& title, const juce::String& pattern) = 0;

    // Modal warning box with one button.
    virtual void showWarning(const juce::String& title, const juce::String& text, const juce::String& button) = 0;
    // The same box shown without waiting for it.
    virtual void showWarningAsync(const juce::String& title, const juce::String& text, const juce::String& button) = 0;
    // Modal two-button warning box; true for the first button.
    virtual bool confirm(const juce::String& title, const juce::String& text, const juce::String& yesButton,
                         const juce::String& noButton) = 0;
};
