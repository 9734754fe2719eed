#pragma once

#include "Platform/MidiPortSystem.h"

#include <atomic>
#include <functional>
#include <juce_core/juce_core.h>

// Tells when the MIDI ports of the system may have changed, without polling:
// one thread sleeps in poll() with no time-out. With the ALSA sequencer open
// it listens to the sequencer's announcements (ports starting, ending or
// changing). Where there is no sequencer (no sound driver yet), it watches the
// sound device folder, and the folder that holds it, until the sequencer's
// device appears. onChange is called on that thread.
class AlsaPortWatch : public MidiPortSystem::Watch,
                      private juce::Thread
{
public:
    explicit AlsaPortWatch(std::function<void()> onChange, const juce::File& deviceFolder = juce::File("/dev/snd"));
    ~AlsaPortWatch() override;

    // False when neither the sequencer nor the folders can be watched: the
    // caller has to poll.
    bool isWatching() const noexcept { return watching; }

    // Whether the sequencer's announcements are being listened to.
    bool hasSequencer() const noexcept { return sequencerOpen.load(); }

private:
    struct Sequencer;

    void run() override;
    bool openSequencer();
    void closeSequencer();
    bool openFolderWatch();
    void closeFolderWatch();
    void addFolderWatches();
    bool readFolderEvents();
    bool readSequencerEvents();

    std::function<void()> onChange;
    juce::File folder;
    int wakePipe[2] = { -1, -1 };
    int inotifyFd = -1;
    int parentWatch = -1, folderWatch = -1;
    std::unique_ptr<Sequencer> sequencer;
    std::atomic<bool> sequencerOpen { false };
    bool watching = false;

    JUCE_DECLARE_NON_COPYABLE(AlsaPortWatch)
};
