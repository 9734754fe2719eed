#pragma once

// Told when the preferences change.
class PreferencesDataChangeBroadcasterObserver
{
public:
    virtual ~PreferencesDataChangeBroadcasterObserver() = default;
    virtual void preferencesDataChanged() = 0;
};
