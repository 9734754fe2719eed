#include "Preferences/PreferencesDataChangeBroadcaster.h"

PreferencesDataChangeBroadcaster::~PreferencesDataChangeBroadcaster()
{
    cancelPendingUpdate();
}

void PreferencesDataChangeBroadcaster::changeListenerCallback(juce::ChangeBroadcaster*)
{
    triggerAsyncUpdate();
}

void PreferencesDataChangeBroadcaster::handleAsyncUpdate()
{
    const int count = observers.size();
    for (int i = 0; i < count && i < observers.size(); ++i)
        observers.getUnchecked(i)->preferencesDataChanged();
}
