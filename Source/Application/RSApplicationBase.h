#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The framework's application base with the hooks this application adds:
// MIDI devices removed and added, start/restart/stop, instance-state saving,
// activate/inactivate and the back button. The platform glue (the MIDI set-up
// watcher, the sleep/wake notifications, tests) calls them.
class RSApplicationBase : public juce::JUCEApplication
{
public:
    virtual void midiDevRemoved() {}
    virtual void midiDevAdded() {}
    virtual void midiDevChanged() {}
    virtual void midiDevOpened() {}
    virtual void midiDevOpenedDelayed() {}
    virtual void start() {}
    virtual void restart() {}
    virtual void stop() {}
    virtual void saveInstanceState() {}
    virtual void activate() {}
    virtual void inactivate() {}
    bool backButtonPressed() override { return false; }

    // The running application object, or null.
    static RSApplicationBase* getRSInstance()
    {
        return dynamic_cast<RSApplicationBase*>(juce::JUCEApplicationBase::getInstance());
    }
};
