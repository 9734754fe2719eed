#pragma once

#include <juce_events/juce_events.h>

class Host;

// Posts section event records directly to the host's MasterGuiController.
// Tests may redirect the records to a listener of their own.
class CSectionEventPoster
{
public:
    // Event kinds.
    enum Kind : int
    {
        reinitialized = 1,
        paramPropsChanged = 2,
        paramChanged = 3,
        paramMinMaxChanged = 4,
        connectStatusChanged = 5,
        catalogSelect = 7,
        tooltipChanged = 10,
        customTabOpen = 12,
        uiCtrlSelectValid = 13,
        romSubTabMove = 15,
        usbRoutingChanged = 18,
        eqCoefChanged = 19
    };

    // Posts one record {kind, sender, a, b, c, d}; freed when there is no
    // receiver.
    static void post(Host* host, int kind, int sender, int a = 0, int b = 0, int c = 0, int d = 0);

    // While set, every record goes to this listener instead (null restores).
    static void setTargetOverride(juce::MessageListener* listener);
};
