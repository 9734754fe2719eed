#pragma once

#include <juce_events/juce_events.h>

#include <map>

// The application's sequencer: numbered one-shot timers carry out the steps
// that must wait a little or must not run inside their caller (connection
// set-up, delayed synchronisation and its time-out, the blank-program check,
// refreshes, the hand-over after a second launch). It also receives the
// notices the data centres and the scanner post to it, and answers quit.
// Message thread only, except that the data centres request and stop timers
// from the MIDI thread while holding the message-manager lock.
class ActionManager : public juce::MessageListener,
                      public juce::MultiTimer
{
public:
    // Timer ids. The named ones appear under these names in the log.
    enum TimerId : int
    {
        timerStatusRefresh = 1,
        timerMainRefresh = 2,
        timerPresetRefresh = 4,
        eREQID_DISCONNECT_STARTUP = 5,
        eREQID_DELAYED_SYNCRONIZE = 8,
        timerReceiveChainEnd = 10,
        eREQID_BLANKPROG_CHECK = 11,
        eREQID_MODEREQUEST_TIMEOUT = 13,
        timerAnotherInstance = 14
    };

    ActionManager();
    ~ActionManager() override;

    // Starts timer id to fire once after ms milliseconds; a running timer is
    // restarted with the new delay. cmd is carried for callers and unused.
    // Timers are started through this call only (stopping and querying use
    // the framework's MultiTimer calls).
    void setTimerEventReq(int id, int ms, int cmd);

    // Stops every timer (the owner calls this before deleting).
    void stopAllTimers();

    void timerCallback(int timerID) override;
    void handleMessage(const juce::Message& message) override;

    // Quitting needs nothing from the command layer: the backups and
    // preferences are saved at shutdown. Always agrees.
    bool executeQuit(int model);

    // Set when a quit must wait for a running transfer; the status refresh
    // (timer 1) then quits. Nothing sets it until the command table does.
    void setQuitRequested(bool b) noexcept { quitRequested = b; }
    bool isQuitRequested() const noexcept { return quitRequested; }

private:
    // The actions of the timers that need the connection manager and the
    // data centres.
    void runStatusRefresh();
    void runPostConnectSetup();
    void runDelayedSynchronize();
    void runBlankProgramCheck();
    void runModeRequestTimeout();

    void refreshMainComponent();

    // When each requested timer is due (millisecond counter). The framework's
    // timer thread counts the time since its last wake-up against a timer
    // started in between, so a restarted timer can fire up to 100 ms early;
    // an early firing is re-armed for the rest of the delay.
    std::map<int, juce::uint32> dueTimes;
    bool quitRequested = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(ActionManager)
};
