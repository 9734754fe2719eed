#pragma once

#include <juce_events/juce_events.h>

#include <functional>

// Reports MIDI devices coming and going to the application object. JUCE
// sends no device-change notification, so a timer compares the port lists of
// the current port system and turns each difference into the set-up
// notifications a platform MIDI client delivers: one "object added" (2) per
// new port, one "object removed" (3) per vanished port, then one "set-up
// changed" (1). Those feed the added/removed counters, which call
// midiDevRemoved() and then midiDevAdded() on the application object.
class MidiSetupWatcher : private juce::Timer
{
public:
    enum Notification
    {
        setupChanged = 1,
        objectAdded = 2,
        objectRemoved = 3
    };

    // Where the calls go. Unset, they go to the running application object
    // (nothing when there is none).
    struct Target
    {
        std::function<void()> midiDevRemoved;
        std::function<void()> midiDevAdded;
    };

    MidiSetupWatcher();
    ~MidiSetupWatcher() override;

    void setTarget(Target newTarget) { target = std::move(newTarget); }

    // Takes the current port lists as the known state and polls every
    // intervalMs milliseconds.
    void start(int intervalMs = 1000);
    void stop();

    // Compares the port lists with the known state once, now.
    void poll();

    // The set-up hook: counts added and removed objects and, on a set-up
    // change, calls the target.
    void handleNotification(int notification);

    int getAddedCount() const noexcept { return added; }
    int getRemovedCount() const noexcept { return removed; }

private:
    void timerCallback() override { poll(); }
    void callRemoved();
    void callAdded();

    Target target;
    juce::StringArray knownPorts; // "in:" / "out:" prefixed names
    bool known = false;
    int added = 0;
    int removed = 0;

    JUCE_DECLARE_NON_COPYABLE(MidiSetupWatcher)
};
