#pragma once

#include <juce_core/juce_core.h>

// What the command layer needs of the main window's content: the progress
// dialog of the transfers and a refresh of what the window shows. The main
// component registers itself with ActionManager::setProgressView when it is
// set up and clears it before it goes away; without a view the commands show
// no progress.
class ProgressView
{
public:
    virtual ~ProgressView() = default;

    // Opens (or updates) the progress dialog over the range with the text
    // (an empty text keeps the last one) at the value.
    virtual void openProgress(juce::Range<int> range, const juce::String& text, int value) = 0;
    virtual void closeProgress() = 0;
    // Says on the open progress dialog that a quit waits for the transfer.
    virtual void showQuitWaiting(bool waiting) { juce::ignoreUnused(waiting); }

    // The status refresh of the timers (connection state, transfers).
    virtual void refreshStatus() = 0;

    // The preset buttons show the preset names the data centre holds now.
    virtual void renewPresetButtons() {}

    // Brings the window that shows the view to the front.
    virtual void bringWindowToFront() = 0;
};
