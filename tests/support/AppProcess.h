#pragma once

#include <juce_graphics/juce_graphics.h>

namespace testing_support
{
// Starts the real application binary (or another build of the application,
// such as the one with a simulated amplifier) inside the test's X display
// (with a window manager, which real top-level windows need), with HOME and
// XDG_CONFIG_HOME pointed at a folder of the test's own, and drives its
// windows the way a user would. A framework assertion the application wrote
// fails the test (its line is copied to the test's standard error when the
// AppProcess goes).
class AppProcess
{
public:
    struct WindowInfo
    {
        juce::String id;
        juce::String title;
        juce::Rectangle<int> bounds;
    };

    explicit AppProcess(juce::File homeFolder, juce::String executable = RIGSMITH_APP_BINARY);
    ~AppProcess();

    // Environment of the next start: a variable set, or removed.
    void setEnvironment(const juce::String& name, const juce::String& value);
    void unsetEnvironment(const juce::String& name);

    bool start(const juce::StringArray& args = {});
    bool isRunning() const;

    // Waits for a top-level window with exactly this title.
    bool waitForWindow(const juce::String& title, int timeoutMs, WindowInfo* found = nullptr) const;

    // Asks the window manager to close the window (as the title bar's close button does).
    bool closeWindow(const WindowInfo& window) const;

    // Closes the window and waits for the process to end; the close is asked
    // again (as a user would click again) when a busy window manager dropped
    // it. Returns the exit code, or -1 when the process did not end.
    int closeAndWaitForExit(const WindowInfo& window, int timeoutMs);

    // Waits for the process to end and returns its exit code, or -1 on time-out.
    int waitForExit(int timeoutMs);

    // Everything the process wrote to stdout and stderr so far.
    juce::String getOutput() const { return sinceStart(logFile, outputFrom); }

    // The application's own log file (in its application-data folder) and
    // what the process wrote to it so far; waitForLog waits until that
    // contains the text. Both files are the home folder's and kept from one
    // start to the next: what an earlier process in the folder wrote is not
    // this one's.
    juce::File getApplicationLogFile() const;
    juce::String getApplicationLog() const { return sinceStart(getApplicationLogFile(), applicationLogFrom); }
    bool waitForLog(const juce::String& text, int timeoutMs) const;

    static juce::StringArray listWindows(); // "id|title|x y w h|pid" lines

    // The application process started with this home folder, or -1.
    int findPid() const;
    static bool ensureWindowManager();
    static bool haveDisplay();

    // When the running test has failed: copies what the application left in
    // the home folder (its log, its console output, the amplifier's message
    // log, the screen layout, the fixture's gesture log, the stacks of a
    // start that stalled) to
    // build/real-window-evidence/<suite.test>/ and prints their paths, so
    // that they outlive the home folder. Call it before the folder goes.
    static void keepEvidenceOfFailure(const juce::File& homeFolder);
    // The same for any test, failed or not, into a folder of that name; the
    // folder.
    static juce::File keepEvidence(const juce::File& homeFolder, const juce::String& testName);

private:
    // The file's text from the byte it ended at when the process started (the
    // whole of it when it has been trimmed since).
    static juce::String sinceStart(const juce::File& file, juce::int64 from);

    juce::File home;
    juce::String executable;
    juce::StringArray environment; // "NAME=value", or "-u NAME"
    juce::File logFile;
    juce::ChildProcess process;
    bool started = false;
    juce::int64 outputFrom = 0, applicationLogFrom = 0;
};

// What a command run with a time limit did.
struct BoundedRun
{
    bool ended = false; // within the time (it was killed otherwise)
    int exitCode = -1;  // when it ended
    juce::String output;
};

// Runs a command (no shell) for at most timeoutMs and then kills it: its
// standard output (and its standard error too, when asked for). The output
// goes to a file, not a pipe, so that nothing waits on a command that hangs
// (a display client can wait for its display's answer for ever).
BoundedRun runBounded(const juce::StringArray& command, int timeoutMs, bool withErrors = false);

// Runs a command (no shell) with a time limit and returns its standard output.
juce::String runAndRead(const juce::StringArray& command, int timeoutMs = 20000);
} // namespace testing_support
