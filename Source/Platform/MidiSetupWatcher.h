#pragma once

#include "Platform/MidiPortSystem.h"

#include <juce_events/juce_events.h>

#include <functional>
#include <memory>

// Reports MIDI devices coming and going to the application object. JUCE
// sends no device-change notification, so the port lists of the current port
// system are compared and each difference turned into the set-up
// notifications a platform MIDI client delivers: one "object added" (2) per
// new port, one "object removed" (3) per vanished port, then one "set-up
// changed" (1). Those feed the added/removed counters, which call
// midiDevRemoved() and then midiDevAdded() on the application object.
//
// Where the port system tells when its ports change, the lists are compared
// once after each change has settled and nothing runs in between; otherwise
// they are polled.
class MidiSetupWatcher : private juce::Timer,
                         private juce::AsyncUpdater
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

    // How long a change of the port lists must rest before they are compared,
    // so that the ports of one device arriving one by one count as one set-up
    // change.
    static constexpr int settleMs = 100;

    MidiSetupWatcher();
    ~MidiSetupWatcher() override;

    void setTarget(Target newTarget) { target = std::move(newTarget); }

    // Takes the current port lists as the known state and follows the port
    // system: told of changes where it can tell, else polling every
    // intervalMs milliseconds.
    void start(int intervalMs = 1000);
    void stop();

    // Whether the port lists are polled (the port system cannot tell of its
    // changes), and whether a comparison is due: both false while a watcher
    // that is told of changes rests.
    bool isPolling() const noexcept { return polling; }
    bool isComparisonPending() const noexcept { return isTimerRunning() || isUpdatePending(); }

    // Compares the port lists with the known state once, now.
    void poll();

    // The set-up hook: counts added and removed objects and, on a set-up
    // change, calls the target.
    void handleNotification(int notification);

    int getAddedCount() const noexcept { return added; }
    int getRemovedCount() const noexcept { return removed; }

private:
    void timerCallback() override;
    void handleAsyncUpdate() override;
    void callRemoved();
    void callAdded();

    Target target;
    std::unique_ptr<MidiPortSystem::Watch> watch;
    bool polling = false;
    juce::StringArray knownPorts; // "in:" / "out:" prefixed names
    bool known = false;
    int added = 0;
    int removed = 0;

    JUCE_DECLARE_NON_COPYABLE(MidiSetupWatcher)
};
