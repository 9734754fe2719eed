#pragma once

#include "Application/RSApplicationBase.h"

class SecondLaunchHandover;
class MidiSetupWatcher;

// The application object: creates the Host, hands it the program files named
// on the command line and reacts to a second launch, quitting, sleep and wake
// and MIDI devices coming and going.
class Application : public RSApplicationBase
{
public:
    Application();
    ~Application() override;

    const juce::String getApplicationName() override { return "Rig Smith"; }
    const juce::String getApplicationVersion() override { return "1.2.2"; }
    // One instance runs per user: main() hands a second launch's command line
    // to the running instance before the framework starts. The framework's
    // own check is switched off because on this platform it cannot hand the
    // command line over and its lock is shared by every user of the machine.
    bool moreThanOneInstanceAllowed() override { return true; }

    void initialise(const juce::String& commandLine) override;
    void shutdown() override;
    void anotherInstanceStarted(const juce::String& commandLine) override;
    void systemRequestedQuit() override;
    void suspended() override;
    void resumed() override;

    void midiDevRemoved() override;
    void midiDevAdded() override;
    void saveInstanceState() override;
    bool backButtonPressed() override;

    void savePreferences();

    // Parses a command line and stores up to three existing program files in
    // Host's command-line slots (slots after the last file keep their value).
    static void parseCommandLine(const juce::String& commandLine);

    // The tokens of a command line: blanks separate, double quotes group (and
    // are dropped); an empty token between two blanks counts as a token.
    static juce::StringArray tokenizeCommandLine(const juce::String& commandLine);

    // The files among the first three tokens: not empty, at least 9
    // characters, not starting with '-', naming an existing file.
    static juce::Array<juce::File> selectCommandLineFiles(const juce::StringArray& tokens);

    const juce::String& getStartCommandLine() const noexcept { return startCommandLine; }

    // The name under which the running instance takes second launches.
    static const char* const instanceName;

private:
    juce::String startCommandLine;
    std::unique_ptr<SecondLaunchHandover> handover;
    std::unique_ptr<MidiSetupWatcher> midiSetupWatcher;
};
