// Damaged and hostile XML in the preferences file and in resource files: each
// is refused (or read) quickly, never hangs, over-reads or grows, and the
// application goes on with defaults.
#include "Core/XmlFileReader.h"
#include "Preferences/PreferencesData.h"
#include "ZEZEResource.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <future>

namespace
{
struct Sample
{
    const char* what;
    std::string bytes;
};

// Inputs that hung, over-read or grew without bound in the framework's parser.
const std::vector<Sample>& damagedSamples()
{
    static const std::vector<Sample> samples {
        { "processing instruction then text in an element", "<a><?"
                                                            "?>d" },
        { "entity expanding itself", "<!DOCTYPE a[<!ENTITY e \"&e;&e;&e;\">]><a>&e;</a>" },
        { "entity holding an ampersand", "<!DOCTYPE a [<!ENTITY x \"&#38;x;&#38;x;\">]><a>&x;</a>" },
        { "open tag then byte FF", std::string("<a>") + "\xFF" },
        { "bare ampersands and an empty character reference", "<i>&<f>&#x;" },
        { "overlong UTF-8 in the root tag", "<PreferencesData\xC0\xAE><X Value=\"1\"/></PreferencesData\xC0\xAE>" },
        { "truncated document", "<PreferencesData><X Value=\"1\"" },
        { "empty file", "" },
    };
    return samples;
}

// Runs the read on a thread of its own; a read that does not end within the
// limit fails the run at once (a hung thread cannot be joined).
template <typename Function>
auto withinTimeLimit(const char* what, Function&& read)
{
    auto future = std::async(std::launch::async, std::forward<Function>(read));
    if (future.wait_for(std::chrono::seconds(10)) != std::future_status::ready)
    {
        ADD_FAILURE() << "reading \"" << what << "\" did not end";
        std::fflush(nullptr);
        std::_Exit(1);
    }
    return future.get();
}

void writeSample(const juce::File& file, const Sample& sample)
{
    // An empty sample stays an empty file.
    file.deleteFile();
    ASSERT_TRUE(file.create().wasOk());
    ASSERT_TRUE(file.appendData(sample.bytes.data(), sample.bytes.size()));
    ASSERT_EQ(file.getSize(), (juce::int64) sample.bytes.size());
}

struct DamagedXml : ::testing::Test
{
    void SetUp() override
    {
        previous = PreferencesData::getApplicationDataFolder();
        PreferencesData::deleteInstance();
        folder = juce::File::createTempFile("rigsmith-xml");
        folder.createDirectory();
        PreferencesData::setApplicationDataFolder(folder);
        resources = ZEZEResource::getInstance();
        previousResources = resources->getResourceFolder();
        resources->setResourceFolder(folder);
    }

    void TearDown() override
    {
        PreferencesData::deleteInstance();
        PreferencesData::setApplicationDataFolder(previous);
        resources->setResourceFolder(previousResources);
        folder.deleteRecursively();
    }

    juce::File prefsFile() const { return folder.getChildFile("Preferences/Rig Smith/PreferencesData.xml"); }

    juce::File folder, previous, previousResources;
    ZEZEResource* resources = nullptr;
};
} // namespace

TEST_F(DamagedXml, EveryDamagedPreferencesFileStartsWithDefaultsIsLoggedOnceAndIsRewrittenAtQuit)
{
    for (const auto& sample : damagedSamples())
    {
        SCOPED_TRACE(sample.what);
        prefsFile().getParentDirectory().createDirectory();
        writeSample(prefsFile(), sample);

        testing_support::LogCapture log;
        auto* prefs = withinTimeLimit(sample.what, [] { return PreferencesData::getInstance(); });
        EXPECT_EQ(prefs->getDocument().getTagName(), "PreferencesData");
        EXPECT_EQ(prefs->getDocument().getNumChildElements(), 0);
        EXPECT_EQ(prefs->getIntValue("X", -1), -1);
        ASSERT_EQ(log.lines.size(), 1) << log.lines.joinIntoString("\n");
        EXPECT_TRUE(log.lines[0].startsWith("PreferencesData::loadPreferencesData() cannot read"));

        // The session's values are kept: what quit writes reads back.
        prefs->setValue("MainWindowPositionX", 77);
        PreferencesData::deleteInstance();
        prefs = PreferencesData::getInstance();
        EXPECT_EQ(prefs->getIntValue("MainWindowPositionX", -1), 77);
        PreferencesData::deleteInstance();
        prefsFile().deleteFile();
    }
}

TEST_F(DamagedXml, EveryDamagedResourceIsNotLoadedAndIsLogged)
{
    for (const auto& sample : damagedSamples())
    {
        SCOPED_TRACE(sample.what);
        writeSample(folder.getChildFile("damaged.xml"), sample);
        testing_support::LogCapture log;
        std::unique_ptr<juce::XmlElement> xml(
            withinTimeLimit(sample.what, [this] { return resources->LoadXml("damaged", "xml"); }));
        EXPECT_EQ(xml, nullptr);
        if (! sample.bytes.empty())
        {
            EXPECT_TRUE(log.mentions("damaged.xml not loaded")) << log.lines.joinIntoString("\n");
        }
    }
}

TEST_F(DamagedXml, WellFormedFilesReadAsTheFrameworkWouldBuildThem)
{
    // A processing instruction between two pieces of text is well formed.
    juce::String error;
    std::string text = "<a>d<?x?>d</a>";
    auto xml = withinTimeLimit("instruction between text", [&] { return XmlFileReader::parse(text.data(), text.size(), error); });
    ASSERT_NE(xml, nullptr) << error;
    EXPECT_EQ(xml->getTagName(), "a");
    EXPECT_EQ(xml->getAllSubText(), "dd");

    // Attributes, nesting, the predefined entities and character references,
    // UTF-8 text, comments; white space between elements is dropped.
    text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- c -->\n<Root A=\"x &amp; &lt;y&gt; &#65;\">\n"
           "  <Child Name=\"Gr\xC3\xBC\xC3\x9F\"/>\n  <Text>one &amp; two</Text>\n</Root>\n";
    xml = XmlFileReader::parse(text.data(), text.size(), error);
    ASSERT_NE(xml, nullptr) << error;
    EXPECT_EQ(xml->getStringAttribute("A"), "x & <y> A");
    ASSERT_EQ(xml->getNumChildElements(), 2);
    EXPECT_EQ(xml->getChildElement(0)->getStringAttribute("Name"), juce::String::fromUTF8("Gr\xC3\xBC\xC3\x9F"));
    EXPECT_EQ(xml->getChildElement(1)->getAllSubText(), "one & two");

    // What the framework writes, this reads back.
    juce::XmlElement written("PreferencesData");
    written.createNewChildElement("Path")->setAttribute("Value",
                                                        juce::String::fromUTF8("/home/\xC3\xA9t\xC3\xA9/a \"b\" <c> & 'd'"));
    const auto out = written.toString();
    xml = XmlFileReader::parse(out.toRawUTF8(), out.getNumBytesAsUTF8(), error);
    ASSERT_NE(xml, nullptr) << error;
    EXPECT_TRUE(xml->isEquivalentTo(&written, false));

    // Two roots, or a second document after the first, are refused.
    text = "<a/><b/>";
    EXPECT_EQ(XmlFileReader::parse(text.data(), text.size(), error), nullptr);
    EXPECT_FALSE(error.isEmpty());
}
