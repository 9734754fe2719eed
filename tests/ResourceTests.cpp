// Resource loading, the image cache and the localised strings.
#include "GUI/Widgets/ImageResourceManager.h"
#include "ZEZEResource.h"

#include <gtest/gtest.h>

namespace
{
// Points the resource loader at a folder of the test's own for its lifetime.
struct ResourceFolder : ::testing::Test
{
    void SetUp() override
    {
        folder = juce::File::createTempFile("rigsmith-res");
        folder.createDirectory();
        resources = ZEZEResource::getInstance();
        previous = resources->getResourceFolder();
        resources->setResourceFolder(folder);
    }

    void TearDown() override
    {
        resources->setResourceFolder(previous);
        folder.deleteRecursively();
    }

    void writePng(const juce::String& name, int w, int h)
    {
        juce::Image image(juce::Image::ARGB, w, h, true);
        juce::FileOutputStream out(folder.getChildFile(name + ".png"));
        ASSERT_TRUE(out.openedOk());
        juce::PNGImageFormat().writeImageToStream(image, out);
    }

    juce::File folder, previous;
    ZEZEResource* resources = nullptr;
};
} // namespace

TEST_F(ResourceFolder, LoadReportsSizesAndReadsAtMostTheBuffer)
{
    folder.getChildFile("data.bin").replaceWithText("0123456789");
    int32_t size = 0;
    EXPECT_EQ(resources->Load("data", "bin", nullptr, 0, &size), 0);
    EXPECT_EQ(size, 10);

    char small[4] = {};
    EXPECT_EQ(resources->Load("data", "bin", small, 4, &size), 4);
    EXPECT_EQ(juce::String(small, 4), "0123");

    EXPECT_EQ(resources->Load("missing", "bin", small, 4, &size), 0);
    EXPECT_EQ(size, -1);
}

TEST_F(ResourceFolder, LoadXmlDecodesOnlyTheBytesOfTheFileItRead)
{
    // A long file first fills the shared buffer; the short one after it must
    // not pick up the long one's tail.
    folder.getChildFile("long.xml").replaceWithText("<Long>" + juce::String::repeatedString("<Child A=\"x\"/>", 50) + "</Long>");
    folder.getChildFile("short.xml").replaceWithText("<Short/>");

    std::unique_ptr<juce::XmlElement> longXml(resources->LoadXml("long", "xml"));
    ASSERT_NE(longXml, nullptr);
    EXPECT_EQ(longXml->getNumChildElements(), 50);

    std::unique_ptr<juce::XmlElement> shortXml(resources->LoadXml("short", "xml"));
    ASSERT_NE(shortXml, nullptr);
    EXPECT_EQ(shortXml->getTagName(), "Short");
    EXPECT_EQ(shortXml->getNumChildElements(), 0);

    // A truncated document stays unreadable even when the buffer still holds
    // the closing part of an earlier one.
    folder.getChildFile("whole.xml").replaceWithText("<Root><A/><B/></Root>");
    folder.getChildFile("cut.xml").replaceWithText("<Root><X/>");
    std::unique_ptr<juce::XmlElement> whole(resources->LoadXml("whole", "xml"));
    ASSERT_NE(whole, nullptr);
    EXPECT_EQ(resources->LoadXml("cut", "xml"), nullptr);

    folder.getChildFile("bad.xml").replaceWithText("<Open>");
    EXPECT_EQ(resources->LoadXml("bad", "xml"), nullptr);
    folder.getChildFile("empty.xml").create();
    EXPECT_EQ(resources->LoadXml("empty", "xml"), nullptr);
}

TEST_F(ResourceFolder, ImagesLoadAndOnlyGoodOnesAreCached)
{
    ZEZESingleton<ImageResourceManager>::CreateInstance();
    auto* images = ImageResourceManager::instance();
    ASSERT_NE(images, nullptr);

    EXPECT_FALSE(images->getImage("nothere").isValid());
    EXPECT_EQ(images->getNumCachedImages(), 0u);

    // An empty file and a file that is not an image give the null image too.
    folder.getChildFile("empty.png").create();
    folder.getChildFile("text.png").replaceWithText("not an image");
    EXPECT_FALSE(images->getImage("empty").isValid());
    EXPECT_FALSE(images->getImage("text").isValid());
    EXPECT_EQ(images->getNumCachedImages(), 0u);

    // A failure is not remembered: once the file exists it loads.
    writePng("nothere", 12, 7);
    auto image = images->getImage("nothere");
    ASSERT_TRUE(image.isValid());
    EXPECT_EQ(image.getWidth(), 12);
    EXPECT_EQ(images->getNumCachedImages(), 1u);

    // A cached image is served even after its file has gone.
    folder.getChildFile("nothere.png").deleteFile();
    EXPECT_TRUE(images->getImage("nothere").isValid());

    ZEZESingleton<ImageResourceManager>::DestroyInstance();
    EXPECT_EQ(ImageResourceManager::instance(), nullptr);
}

TEST(LocalizedStrings, MissingKeysGiveTheEmptyText)
{
    EXPECT_EQ(getLocalizedString("NoSuchKey_Anywhere"), "");
    EXPECT_EQ(getLocalizedString(""), "");
    EXPECT_EQ(getLocalizedString("Common_OK"), "OK");
}

TEST(LocalizedStrings, EveryKeyTheApplicationLooksUpHasAText)
{
    // The list of keys is kept as data while the tables that use them are
    // still being written.
    juce::StringArray lines;
    juce::File(RIGSMITH_SOURCE_DIR).getChildFile("tests/data/localized_string_keys.txt").readLines(lines);
    int checked = 0;
    for (auto line : lines)
    {
        line = line.trim();
        if (line.isEmpty() || line.startsWithChar('#'))
            continue;
        ++checked;
        EXPECT_TRUE(getLocalizedString(line).isNotEmpty()) << line;
    }
    EXPECT_GT(checked, 100);
    // Both spellings are in use.
    EXPECT_TRUE(getLocalizedString("TT_Resonance").isNotEmpty());
    EXPECT_TRUE(getLocalizedString("TT_Resonence").isNotEmpty());
}

TEST(LocalizedStrings, ADeletedResourceSingletonComesBackWithItsStrings)
{
    auto* first = ZEZEResource::getInstance();
    ZEZEResource::deleteInstance();
    EXPECT_EQ(ZEZEResource::getInstanceWithoutCreating(), nullptr);
    auto* second = ZEZEResource::getInstance();
    ASSERT_NE(second, nullptr);
    juce::ignoreUnused(first);
    EXPECT_EQ(getLocalizedString("DeviceName_HMQ"), "HMQ");
}
