#include "Platform/MidiSetupWatcher.h"

#include "Application/RSApplicationBase.h"
#include "Platform/MidiPortSystem.h"

namespace
{
juce::StringArray currentPorts()
{
    auto& system = MidiPortSystem::current();
    juce::StringArray ports;
    for (auto& name : system.getInputNames())
        ports.add("in:" + name);
    for (auto& name : system.getOutputNames())
        ports.add("out:" + name);
    return ports;
}
} // namespace

MidiSetupWatcher::MidiSetupWatcher() = default;

MidiSetupWatcher::~MidiSetupWatcher()
{
    stop();
}

void MidiSetupWatcher::start(int intervalMs)
{
    stop();

    // The port system calls back on a thread of its own; the comparison runs
    // on the message thread once the change has settled. Watched before the
    // lists are read, so that no change in between goes unnoticed.
    watch = MidiPortSystem::current().watchPorts([this] { triggerAsyncUpdate(); });
    polling = watch == nullptr;
    knownPorts = currentPorts();
    known = true;
    if (polling)
        startTimer(intervalMs);
}

void MidiSetupWatcher::stop()
{
    watch.reset(); // no call back after this
    cancelPendingUpdate();
    stopTimer();
    polling = false;
}

void MidiSetupWatcher::handleAsyncUpdate()
{
    startTimer(settleMs);
}

void MidiSetupWatcher::timerCallback()
{
    if (! polling)
        stopTimer();
    poll();
}

void MidiSetupWatcher::poll()
{
    auto now = currentPorts();
    if (! known)
    {
        knownPorts = now;
        known = true;
        return;
    }

    // Multiset difference: two ports may carry the same name.
    auto vanished = knownPorts;
    auto appeared = now;
    for (int i = vanished.size(); --i >= 0;)
    {
        const int match = appeared.indexOf(vanished[i]);
        if (match >= 0)
        {
            appeared.remove(match);
            vanished.remove(i);
        }
    }

    knownPorts = now;
    if (vanished.isEmpty() && appeared.isEmpty())
        return;

    for (int i = 0; i < vanished.size(); ++i)
        handleNotification(objectRemoved);
    for (int i = 0; i < appeared.size(); ++i)
        handleNotification(objectAdded);
    handleNotification(setupChanged);
}

void MidiSetupWatcher::handleNotification(int notification)
{
    // Without an application object (and no injected target) nothing happens.
    const bool injected = target.midiDevRemoved || target.midiDevAdded;
    if (! injected && RSApplicationBase::getRSInstance() == nullptr)
        return;

    switch (notification)
    {
        case objectAdded:
            ++added;
            removed = 0;
            break;

        case objectRemoved:
            ++removed;
            added = 0;
            break;

        case setupChanged:
            if (removed > 0)
            {
                callRemoved();
                removed = 0;
            }
            if (added > 0)
            {
                callAdded();
                added = 0;
            }
            break;

        default: break;
    }
}

void MidiSetupWatcher::callRemoved()
{
    if (target.midiDevRemoved)
        target.midiDevRemoved();
    else if (auto* app = RSApplicationBase::getRSInstance())
        app->midiDevRemoved();
}

void MidiSetupWatcher::callAdded()
{
    if (target.midiDevAdded)
        target.midiDevAdded();
    else if (auto* app = RSApplicationBase::getRSInstance())
        app->midiDevAdded();
}
