#pragma once

#include <juce_core/juce_core.h>

// The application's one logger: every juce::Logger::writeToLog line goes to
// "Rig Smith/Rig Smith.log" in the application-data folder. The file is kept
// to about maxFileSize bytes: trimmed (whole lines, the oldest first) at each
// start and whenever a run has written that much more. The console stays
// quiet unless echoing is asked for: RIGSMITH_LOG_ECHO=1 in the environment
// (0 turns it off); without the variable Debug builds echo, Release builds
// do not.
class ApplicationLog : public juce::Logger
{
public:
    static constexpr juce::int64 maxFileSize = 512 * 1024;

    ApplicationLog(const juce::File& file, bool echoToConsole);
    ~ApplicationLog() override;

    // Makes a log in the application-data folder the current logger.
    static void install();
    // Removes the installed log (if it is still the current logger) and deletes it.
    static void uninstall();

    // The log file of an application-data folder.
    static juce::File getLogFile(const juce::File& applicationDataFolder);

    // Whether the console gets a copy: RIGSMITH_LOG_ECHO if set, else the build type.
    static bool shouldEcho();

    const juce::File& getFile() const noexcept { return file; }

protected:
    void logMessage(const juce::String& message) override;

private:
    void write(const juce::String& text);

    const juce::File file;
    const bool echo;
    juce::CriticalSection lock;
    juce::int64 writtenSinceTrim = 0;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(ApplicationLog)
};
