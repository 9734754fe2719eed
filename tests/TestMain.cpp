// Test entry point: one JUCE GUI initialiser for the whole run, so that the
// message manager, timers and components work in every test; the run's trace
// in a log file of its own, every framework assertion a failure, and a failed
// ASSERT the end of its test wherever it stands.
#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include "Application/ApplicationLog.h"
#include "Platform/AlsaErrorLog.h"
#include "Preferences/PreferencesData.h"
#include "support/AppProcess.h"
#include "support/FatalFailureListener.h"
#include "support/FrameworkAssertionWatch.h"
#include "support/FreshStartListener.h"

#include <iostream>

namespace
{
juce::JUCEApplicationBase* noApplication()
{
    return nullptr;
}

class JuceEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        // Real top-level windows need a window manager on the display.
        testing_support::AppProcess::ensureWindowManager();
        // Preferences written by tests never reach the user's own folder.
        preferencesFolder = juce::File::createTempFile("rigsmith-prefs");
        preferencesFolder.createDirectory();
        PreferencesData::setApplicationDataFolder(preferencesFolder);
        // Run the framework as it runs in the application: among other things
        // it then installs its X error handlers, so that an X error caused by
        // another process's window going away (tests run side by side on one
        // display) is logged instead of ending the test process.
        juce::JUCEApplicationBase::createInstance = &noApplication;
        initialiser = std::make_unique<juce::ScopedJuceInitialiser_GUI>();
    }
    void TearDown() override
    {
        initialiser.reset();
        preferencesFolder.deleteRecursively();
    }

private:
    juce::File preferencesFolder;
    std::unique_ptr<juce::ScopedJuceInitialiser_GUI> initialiser;
};
} // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    testing_support::FrameworkAssertionWatch assertions(std::cerr);

    // What the code under test logs goes to the one logger, as in the
    // application: to a file, the console quiet unless RIGSMITH_LOG_ECHO=1.
    // The file stays when a test failed.
    const auto traceFile = juce::File::createTempFile("rigsmith-tests.log");
    auto trace = std::make_unique<ApplicationLog>(
        traceFile, juce::SystemStats::getEnvironmentVariable("RIGSMITH_LOG_ECHO", "0").getIntValue() != 0);
    juce::Logger::setCurrentLogger(trace.get());
    AlsaErrorLog::install();

    ::testing::AddGlobalTestEnvironment(new JuceEnvironment());
    ::testing::UnitTest::GetInstance()->listeners().Append(new testing_support::FreshStartListener());
    // Last: a fatal failure is printed before it ends its test.
    ::testing::UnitTest::GetInstance()->listeners().Append(new testing_support::FatalFailureListener());
    const int result = RUN_ALL_TESTS();

    AlsaErrorLog::uninstall();
    juce::Logger::setCurrentLogger(nullptr);
    trace.reset();
    if (result == 0)
        traceFile.deleteFile();
    else
        std::printf("The trace of this run: %s\n", traceFile.getFullPathName().toRawUTF8());
    return result;
}
