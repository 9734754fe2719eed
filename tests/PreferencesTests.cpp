// The preferences file: location, round trip, key matching, defaults and
// damaged files.
#include "Core/XmlFileReader.h"
#include "DWQ/DWQ_PrefsDefine.h"
#include "Preferences/PreferencesData.h"
#include "Preferences/PreferencesDataChangeBroadcaster.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

namespace
{
struct CapturingLogger : juce::Logger
{
    void logMessage(const juce::String& message) override { lines.add(message); }
    juce::StringArray lines;
};

// Each test gets its own application-data folder and no live instance.
struct Preferences : ::testing::Test
{
    void SetUp() override
    {
        previous = PreferencesData::getApplicationDataFolder();
        PreferencesData::deleteInstance();
        folder = juce::File::createTempFile("rigsmith-appdata");
        folder.createDirectory();
        PreferencesData::setApplicationDataFolder(folder);
    }

    void TearDown() override
    {
        PreferencesData::deleteInstance();
        PreferencesData::setApplicationDataFolder(previous);
        folder.deleteRecursively();
    }

    juce::File file() const { return folder.getChildFile("Preferences/Rig Smith/PreferencesData.xml"); }

    juce::File folder, previous;
};
} // namespace

TEST_F(Preferences, AFirstStartCreatesTheFolderAndQuitWritesTheValues)
{
    auto* prefs = PreferencesData::getInstance();
    EXPECT_TRUE(file().getParentDirectory().isDirectory());
    EXPECT_FALSE(file().existsAsFile());
    EXPECT_FALSE(prefs->isManualMidiPortSetting());

    prefs->setValue(DWQ::PreferencesLibrarianWindowX, 120);
    prefs->setValue(DWQ::PreferencesLibrarianWindowY, 45);
    prefs->setValue(DWQ::Preferences_OKX_TAB1FileName, juce::String("My Sounds.okxprog"));
    PreferencesData::deleteInstance(); // as at shutdown: saves

    auto xml = juce::parseXML(file());
    ASSERT_NE(xml, nullptr);
    EXPECT_EQ(xml->getTagName(), "PreferencesData");
    ASSERT_EQ(xml->getNumChildElements(), 3);
    EXPECT_EQ(xml->getChildElement(0)->getTagName(), "MainWindowPositionX");
    EXPECT_EQ(xml->getChildElement(0)->getStringAttribute("Value"), "120");
    EXPECT_EQ(xml->getChildElement(2)->getTagName(), "OKX_TAB1FileName");

    prefs = PreferencesData::getInstance();
    EXPECT_EQ(prefs->getIntValue("MainWindowPositionX", -1), 120);
    EXPECT_EQ(prefs->getIntValue("MainWindowPositionY", -1), 45);
    EXPECT_EQ(prefs->getStringValue("OKX_TAB1FileName", ""), "My Sounds.okxprog");
}

TEST_F(Preferences, ReadsGiveDefaultsAndNeverAddKeys)
{
    auto* prefs = PreferencesData::getInstance();
    EXPECT_EQ(prefs->getIntValue(DWQ::PreferencesUserProgWriteComfirm, -1), -1);
    EXPECT_EQ(prefs->getStringValue(DWQ::Preferences_HMQ_TAB2FileName, ""), "");
    EXPECT_EQ(prefs->getIntValue(DWQ::Preferences_DWQ_CurrentTabindex, 0), 0);
    EXPECT_EQ(prefs->getDocument().getNumChildElements(), 0);
    ASSERT_TRUE(prefs->save());
    EXPECT_EQ(juce::parseXML(file())->getNumChildElements(), 0);

    // An element without "Value" reads as the default too.
    prefs->getElement("Bare");
    EXPECT_EQ(prefs->getIntValue("Bare", 7), 7);
}

TEST_F(Preferences, KeysMatchWithCaseIgnoredAndKeepTheirFirstPlace)
{
    file().getParentDirectory().createDirectory();
    file().replaceWithText("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                           "<OtherRoot><mainwindowpositionx Value=\"5\"/><Unknown Keep=\"yes\"/>"
                           "<MAINWINDOWPOSITIONX Value=\"9\"/><UserProgWriteConfirm value=\"0\"/></OtherRoot>");
    auto* prefs = PreferencesData::getInstance();

    EXPECT_EQ(prefs->getIntValue("MainWindowPositionX", -1), 5);
    // The attribute name must match exactly.
    EXPECT_EQ(prefs->getIntValue("UserProgWriteConfirm", -1), -1);

    prefs->setValue("MainWindowPositionX", 300);
    prefs->setValue("MainWindowPositionX", 301);
    prefs->setValue("UserEQWriteConfirm", 1);
    ASSERT_TRUE(prefs->save());

    auto xml = juce::parseXML(file());
    ASSERT_NE(xml, nullptr);
    EXPECT_EQ(xml->getTagName(), "OtherRoot");
    ASSERT_EQ(xml->getNumChildElements(), 5);
    EXPECT_EQ(xml->getChildElement(0)->getTagName(), "mainwindowpositionx");
    EXPECT_EQ(xml->getChildElement(0)->getStringAttribute("Value"), "301");
    EXPECT_EQ(xml->getChildElement(1)->getStringAttribute("Keep"), "yes");
    EXPECT_EQ(xml->getChildElement(2)->getStringAttribute("Value"), "9");
    EXPECT_EQ(xml->getChildElement(4)->getTagName(), "UserEQWriteConfirm");
}

TEST_F(Preferences, AMalformedFileStartsWithDefaultsAndIsLogged)
{
    file().getParentDirectory().createDirectory();
    file().replaceWithText("<PreferencesData><MainWindowPositionX Value=\"12\"");

    CapturingLogger logger;
    auto* const previous = juce::Logger::getCurrentLogger();
    juce::Logger::setCurrentLogger(&logger);
    auto* prefs = PreferencesData::getInstance();
    juce::Logger::setCurrentLogger(previous);

    EXPECT_EQ(prefs->getIntValue("MainWindowPositionX", -1), -1);
    EXPECT_EQ(prefs->getDocument().getTagName(), "PreferencesData");
    ASSERT_EQ(logger.lines.size(), 1);
    EXPECT_TRUE(logger.lines[0].startsWith("PreferencesData::loadPreferencesData()")) << logger.lines[0];

    // A value that is not a number reads as the framework's parse of it.
    prefs->setValue("Odd", juce::String("-12abc"));
    EXPECT_EQ(prefs->getIntValue("Odd", 3), -12);
}

TEST_F(Preferences, AControlCharacterInAValueCostsThatCharacterOnly)
{
    // Written this run: the value leaves the characters out that XML cannot
    // hold (tab and line breaks it can), and the next start reads every value.
    auto* prefs = PreferencesData::getInstance();
    prefs->setValue(DWQ::PreferencesLibrarianWindowX, 120);
    prefs->setValue(DWQ::Preferences_DWQ_TAB1FileName, juce::String("Live\x01Set\x1b\x7f.dwqprog"));
    prefs->setValue("Notes", juce::String("a\tb\nc\rd"));
    prefs->setValue(DWQ::PreferencesUserProgWriteComfirm, 0);
    PreferencesData::deleteInstance();

    {
        CapturingLogger logger;
        juce::Logger::setCurrentLogger(&logger);
        prefs = PreferencesData::getInstance();
        juce::Logger::setCurrentLogger(nullptr);
        EXPECT_TRUE(logger.lines.isEmpty()) << logger.lines.joinIntoString("\n");
    }
    EXPECT_EQ(prefs->getIntValue(DWQ::PreferencesLibrarianWindowX, -1), 120);
    EXPECT_EQ(prefs->getStringValue(DWQ::Preferences_DWQ_TAB1FileName, {}), "LiveSet\x7f.dwqprog");
    EXPECT_EQ(prefs->getStringValue("Notes", {}), "a\tb\nc\rd");
    EXPECT_EQ(prefs->getIntValue(DWQ::PreferencesUserProgWriteComfirm, -1), 0);
    PreferencesData::deleteInstance();

    // A file an earlier run wrote with such characters as references (and one
    // raw): only those characters go; the rest is read and written back clean.
    file().replaceWithText("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<PreferencesData>\n"
                           "  <MainWindowPositionX Value=\"33\"/>\n"
                           "  <OKX_TAB1FileName Value=\"Gig&#1; &amp; &#x1B;&#65;Set\x02.okxprog\"/>\n"
                           "  <OKX_TAB2FileName Value=\"Two&#9;&#10;.okxprog\"/>\n"
                           "  <UserEQWriteConfirm Value=\"0\"/>\n</PreferencesData>\n");
    {
        CapturingLogger logger;
        juce::Logger::setCurrentLogger(&logger);
        prefs = PreferencesData::getInstance();
        juce::Logger::setCurrentLogger(nullptr);
        ASSERT_EQ(logger.lines.size(), 1);
        EXPECT_TRUE(logger.lines[0].contains("dropped")) << logger.lines[0];
    }
    EXPECT_EQ(prefs->getIntValue(DWQ::PreferencesLibrarianWindowX, -1), 33);
    EXPECT_EQ(prefs->getStringValue(DWQ::Preferences_OKX_TAB1FileName, {}), "Gig & ASet.okxprog");
    EXPECT_EQ(prefs->getStringValue(DWQ::Preferences_OKX_TAB2FileName, {}), "Two\t\n.okxprog");
    EXPECT_EQ(prefs->getIntValue(DWQ::PreferencesUserEQWriteComfirm, -1), 0);
    PreferencesData::deleteInstance();

    juce::String error;
    auto xml = XmlFileReader::parse(file(), error);
    ASSERT_NE(xml, nullptr) << error;
    EXPECT_EQ(xml->getNumChildElements(), 4);
}

TEST_F(Preferences, SavingReplacesTheFileWholeAndLeavesNoTemporaryFiles)
{
    auto* prefs = PreferencesData::getInstance();
    prefs->setValue("MainWindowPositionX", 1);
    ASSERT_TRUE(prefs->save());
    prefs->setValue("MainWindowPositionY", 2);
    ASSERT_TRUE(prefs->save());

    auto xml = juce::parseXML(file());
    ASSERT_NE(xml, nullptr);
    EXPECT_EQ(xml->getNumChildElements(), 2);
    EXPECT_EQ(file().getParentDirectory().getNumberOfChildFiles(juce::File::findFilesAndDirectories), 1);

    // When the file cannot be replaced (a folder stands in its way), save
    // fails and what stood there is untouched.
    file().deleteFile();
    file().createDirectory();
    file().getChildFile("inside").replaceWithText("kept");
    EXPECT_FALSE(prefs->save());
    EXPECT_EQ(file().getChildFile("inside").loadFileAsString(), "kept");
    file().deleteRecursively();
}

TEST_F(Preferences, TheChangeHubPassesChangesOnAsynchronously)
{
    struct Counter : PreferencesDataChangeBroadcasterObserver
    {
        void preferencesDataChanged() override { ++count; }
        int count = 0;
    } counter;

    auto* hub = PreferencesDataChangeBroadcaster::getInstance();
    hub->addObserver(&counter);
    juce::ChangeBroadcaster source;
    source.addChangeListener(hub);
    source.sendSynchronousChangeMessage();
    EXPECT_EQ(counter.count, 0);
    EXPECT_TRUE(testing_support::pumpUntil([&] { return counter.count == 1; }));
    source.removeChangeListener(hub);
    hub->removeObserver(&counter);
    PreferencesDataChangeBroadcaster::deleteInstance();
}
