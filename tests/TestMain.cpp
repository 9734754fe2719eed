// Test entry point: one JUCE GUI initialiser for the whole run, so that the
// message manager, timers and components work in every test.
#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include "Preferences/PreferencesData.h"
#include "support/AppProcess.h"

namespace
{
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
    ::testing::AddGlobalTestEnvironment(new JuceEnvironment());
    return RUN_ALL_TESTS();
}
