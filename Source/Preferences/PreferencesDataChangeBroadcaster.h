#pragma once

#include <juce_events/juce_events.h>

#include "Preferences/PreferencesDataChangeBroadcasterObserver.h"
#include "Singleton.h"

// Notification hub for preference changes: a change message from any
// broadcaster it listens to is passed on, asynchronously on the message
// thread, to every observer in the order they were added.
class PreferencesDataChangeBroadcaster : public Singleton<PreferencesDataChangeBroadcaster>,
                                         private juce::AsyncUpdater,
                                         public juce::DeletedAtShutdown,
                                         public juce::ChangeListener
{
public:
    PreferencesDataChangeBroadcaster() = default;
    ~PreferencesDataChangeBroadcaster() override;

    void addObserver(PreferencesDataChangeBroadcasterObserver* observer) { observers.addIfNotAlreadyThere(observer); }
    void removeObserver(PreferencesDataChangeBroadcasterObserver* observer) { observers.removeFirstMatchingValue(observer); }

    void changeListenerCallback(juce::ChangeBroadcaster*) override;

private:
    void handleAsyncUpdate() override;

    juce::Array<PreferencesDataChangeBroadcasterObserver*> observers;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(PreferencesDataChangeBroadcaster)
};
