// The artwork drawn at build time: the manifest, the images in the test
// binary's Resources folder, and the knob collection that names the strips.
#include "Common/ModelInformation.h"
#include "Core/SupportedModels.h"
#include "GUI/Catalog/CDWQCatalogAmpPane.h"
#include "GUI/Catalog/CDWQCatalogDelayPane.h"
#include "GUI/Catalog/CDWQCatalogModPane.h"
#include "GUI/Catalog/CHMQCatalogAmpPane.h"
#include "GUI/Catalog/CHMQCatalogDelayPane.h"
#include "GUI/Catalog/CHMQCatalogPedal1Pane.h"
#include "GUI/Catalog/CHMQCatalogPedal2Pane.h"
#include "GUI/Catalog/COKXCatalogAmpPane.h"
#include "GUI/Catalog/COKXCatalogPedal1Pane.h"
#include "GUI/Catalog/COPWCatalogAmpPane.h"
#include "GUI/Catalog/COPWCatalogPedal1Pane.h"
#include "GUI/Catalog/COPWCatalogPedal2Pane.h"
#include "GUI/DWQ/RSDWQAmpComboBox.h"
#include "GUI/DWQ/RSDWQAmpImageButtonSmall.h"
#include "GUI/DWQ/RSDWQPedalComboBox.h"
#include "GUI/DWQ/RSDWQPedalFXImageButton.h"
#include "GUI/DWQ/RSDWQPedalFXImageButtonSmall.h"
#include "GUI/DWQ/RSDWQRevFXComboBox.h"
#include "GUI/DWQ/RSDWQRevFXImageButton.h"
#include "GUI/DWQ/RSDWQRevFXImageButtonSmall.h"
#include "GUI/Editor/RSProgSelectButton.h"
#include "GUI/HMQ/HMQProgSelectButton.h"
#include "GUI/HMQ/RSHMQAmpImage.h"
#include "GUI/HMQ/RSHMQAmpImageButtonSmall.h"
#include "GUI/HMQ/RSHMQPedal1FXImageButton.h"
#include "GUI/HMQ/RSHMQPedal1Image.h"
#include "GUI/HMQ/RSHMQPedal2FXImageButton.h"
#include "GUI/HMQ/RSHMQPedal2Image.h"
#include "GUI/HMQ/RSHMQRevFXImageButton.h"
#include "GUI/HMQ/RSHMQRevImage.h"
#include "GUI/Orva/OKXProgSelectButton.h"
#include "GUI/Orva/OPWProgSelectButton.h"
#include "GUI/Orva/RSOrvaKXAmpImageButtonSmall.h"
#include "GUI/Orva/RSOrvaKXPedal1FXImageButton.h"
#include "GUI/Orva/RSOrvaPWAmpImageButtonSmall.h"
#include "GUI/Orva/RSOrvaPWPedal1FXImageButton.h"
#include "GUI/Orva/RSOrvaPWPedal2FXImageButton.h"
#include "GUI/Shell/RSOrvaUSBImage.h"
#include "GUI/Widgets/ImageResourceManager.h"
#include "GUI/Widgets/KnobCollection.h"
#include "GUI/Widgets/MIDIIndicator.h"
#include "GUI/Widgets/RSGainImage.h"
#include "GUI/Widgets/RSNRFXImage.h"
#include "OrvaKX/OrvaKXTypeNames.h"
#include "OrvaPW/OrvaPWTypeNames.h"
#include "Platform/PlatformFonts.h"
#include "UIForm/UIFormIds.h"
#include "ZEZEResource.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <map>
#include <optional>

namespace
{
struct ManifestEntry
{
    int width = 0, height = 0, frames = 1;
    juce::String kind;
};

std::map<juce::String, ManifestEntry> readManifest()
{
    std::map<juce::String, ManifestEntry> entries;
    juce::StringArray lines;
    juce::File(RIGSMITH_SOURCE_DIR).getChildFile("tools/artwork/manifest.tsv").readLines(lines);
    for (const auto& line : lines)
    {
        if (line.trim().isEmpty() || line.startsWithChar('#'))
            continue;
        const auto fields = juce::StringArray::fromTokens(line, "\t", "");
        EXPECT_GE(fields.size(), 7) << line;
        if (fields.size() < 7)
            continue;
        EXPECT_EQ(entries.count(fields[0]), 0u) << "listed twice: " << fields[0];
        entries[fields[0]] = { fields[1].getIntValue(), fields[2].getIntValue(), fields[4].getIntValue(), fields[3] };
    }
    return entries;
}

// Loads images from the Resources folder next to the test binary, where the
// build copies the generated artwork.
struct BuiltArtwork : ::testing::Test
{
    void SetUp() override
    {
        resources = ZEZEResource::getInstance();
        previous = resources->getResourceFolder();
        resources->setResourceFolder(ZEZEResource::getDefaultResourceFolder());
        images = ZEZESingleton<ImageResourceManager>::CreateInstance();
    }

    void TearDown() override
    {
        ZEZESingleton<ImageResourceManager>::DestroyInstance();
        resources->setResourceFolder(previous);
    }

    ZEZEResource* resources = nullptr;
    ImageResourceManager* images = nullptr;
    juce::File previous;
    const std::map<juce::String, ManifestEntry> manifest = readManifest();
};
} // namespace

TEST_F(BuiltArtwork, EveryManifestEntryLoadsAtItsListedSize)
{
    ASSERT_GT(manifest.size(), 250u);
    for (const auto& [name, entry] : manifest)
    {
        const auto image = images->getImage(name);
        ASSERT_TRUE(image.isValid()) << name;
        EXPECT_EQ(image.getWidth(), entry.width) << name;
        EXPECT_EQ(image.getHeight(), entry.height) << name;
    }
}

TEST_F(BuiltArtwork, ImagesAreDrawnNotLeftEmpty)
{
    // Everything but the deliberately blank entry has visible pixels.
    for (const auto& [name, entry] : manifest)
    {
        if (entry.kind == "blank")
            continue;
        const auto image = images->getImage(name);
        ASSERT_TRUE(image.isValid()) << name;
        const juce::Image::BitmapData pixels(image, juce::Image::BitmapData::readOnly);
        int visible = 0;
        for (int y = 0; y < image.getHeight(); y += 2)
            for (int x = 0; x < image.getWidth(); x += 2)
                visible += pixels.getPixelColour(x, y).getAlpha() > 0 ? 1 : 0;
        EXPECT_GT(visible, 0) << name;
    }
}

namespace
{
// Every type picker of every model, at both sizes.
std::vector<std::unique_ptr<RSImageButton>> allPickers()
{
    std::vector<std::unique_ptr<RSImageButton>> pickers;
    pickers.emplace_back(new RSDWQAmpImageButton(nullptr, false, {}));
    pickers.emplace_back(new RSDWQAmpImageButtonSmall(nullptr, false, {}));
    pickers.emplace_back(new RSDWQPedalFXImageButtonSmall(nullptr, false, {}));
    pickers.emplace_back(new RSDWQRevFXImageButtonSmall(nullptr, false, {}));
    pickers.emplace_back(new RSHMQAmpImageButton(nullptr, false, {}));
    pickers.emplace_back(new RSHMQAmpImageButtonSmall(nullptr, false, {}));
    pickers.emplace_back(new RSHMQPedal1FXImageButton(nullptr, false, {}));
    pickers.emplace_back(new RSHMQPedal2FXImageButton(nullptr, false, {}));
    pickers.emplace_back(new RSHMQRevFXImageButton(nullptr, false, {}));
    pickers.emplace_back(new RSOrvaKXAmpImageButton(nullptr, false, {}));
    pickers.emplace_back(new RSOrvaKXAmpImageButtonSmall(nullptr, false, {}));
    pickers.emplace_back(new RSOrvaKXPedal1FXImageButton(nullptr, false, {}));
    pickers.emplace_back(new RSOrvaPWPedal2FXImageButton(nullptr, false, {}));
    pickers.emplace_back(new RSOrvaPWAmpImageButton(nullptr, false, {}));
    pickers.emplace_back(new RSOrvaPWAmpImageButtonSmall(nullptr, false, {}));
    pickers.emplace_back(new RSOrvaPWPedal1FXImageButton(nullptr, false, {}));
    pickers.emplace_back(new RSDWQPedalFXImageButton(nullptr, false, {}));
    pickers.emplace_back(new RSDWQRevFXImageButton(nullptr, false, {}));
    return pickers;
}
} // namespace

TEST_F(BuiltArtwork, EveryTypePictureAndIconIsInTheManifest)
{
    const auto listed = [this](const juce::String& name) { return manifest.count(name) == 1; };

    const auto pickers = allPickers();
    for (auto& p : pickers)
        for (int type = 0; type < 24; ++type)
        {
            EXPECT_TRUE(listed(p->getPngName(type))) << p->getPngName(type);
            // The Orva amp pickers take a raw value for the icon; 0 .. 255 covers every one.
            for (int raw = type; raw < 256; raw += 24)
                EXPECT_TRUE(listed(p->getIconPngName(raw))) << p->getIconPngName(raw);
        }

    RSNRFXImage nr({});
    RSGainImage gain({});
    RSOrvaUSBImage usb({});
    RSDWQAmpComboBox ampBox({});
    RSDWQPedalComboBox pedalBox({});
    RSDWQRevFXComboBox revBox({});
    RSHMQAmpImage hmqAmp;
    RSHMQPedal1Image hmqPedal1;
    RSHMQPedal2Image hmqPedal2;
    RSHMQRevImage hmqRev;
    for (const auto* overlay : { RSHMQAmpImage::overlayName, RSHMQPedal1Image::overlayName })
        EXPECT_TRUE(listed(overlay)) << overlay;
    for (int type = 0; type < 24; ++type)
    {
        for (auto* image : { (RSImage*) &nr, (RSImage*) &gain, (RSImage*) &usb, (RSImage*) &hmqAmp, (RSImage*) &hmqPedal1,
                             (RSImage*) &hmqPedal2, (RSImage*) &hmqRev })
            EXPECT_TRUE(listed(image->getPngName(type))) << image->getPngName(type);
        for (auto* box : { (RSComboBox*) &ampBox, (RSComboBox*) &pedalBox, (RSComboBox*) &revBox })
        {
            EXPECT_TRUE(listed(box->getPngName(type))) << box->getPngName(type);
            EXPECT_TRUE(listed(box->getIconPngName(type))) << box->getIconPngName(type);
        }
    }
}

TEST_F(BuiltArtwork, TheConnectionLampHasItsPicture)
{
    MIDIIndicator lamp(nullptr, true, "lamp", false);
    EXPECT_EQ(manifest.count(lamp.getImageString()), 1u);
    EXPECT_TRUE(lamp.getPicture().isValid());
    EXPECT_FALSE(lamp.getBounds().isEmpty());
}

namespace
{
// The first pixel in an area where the colour jumps from its left neighbour:
// a knob, a dot or a letter. A plain plate changes only from top to bottom.
std::optional<juce::Point<int>> firstEdgeIn(const juce::Image& image, juce::Rectangle<int> area)
{
    const juce::Image::BitmapData pixels(image, juce::Image::BitmapData::readOnly);
    area = area.getIntersection(image.getBounds());
    for (int y = area.getY(); y < area.getBottom(); ++y)
        for (int x = area.getX() + 1; x < area.getRight(); ++x)
        {
            const auto a = pixels.getPixelColour(x - 1, y), b = pixels.getPixelColour(x, y);
            const auto jump = juce::jmax(std::abs(a.getRed() - b.getRed()), std::abs(a.getGreen() - b.getGreen()),
                                         std::abs(a.getBlue() - b.getBlue()), std::abs(a.getAlpha() - b.getAlpha()));
            if (jump > 8)
                return juce::Point<int>(x, y);
        }
    return std::nullopt;
}
} // namespace

TEST_F(BuiltArtwork, TypeNamesFallOnAPlainPlateOfTheirPicture)
{
    // Every picker of every model, at both sizes; the name is drawn at its
    // position in the form tables' largest face (16 px).
    const auto pickers = allPickers();
    const juce::Font face(PlatformFonts::mapTypefaceName("Arial"), 16.0f, juce::Font::plain);
    int checked = 0;
    for (auto& p : pickers)
        for (int type = 0; type < 24; ++type)
        {
            const auto picture = p->getPngName(type);
            const auto name = p->getTypeName(type);
            if (picture == "alpha10" || name.isEmpty())
                continue;
            const auto image = images->getImage(picture);
            ASSERT_TRUE(image.isValid()) << picture;
            const juce::Rectangle<int> text(p->getTypeNameX(type), p->getTypeNameY(type), face.getStringWidth(name), 16);
            // Leave out the picture's rim and corners.
            const auto edge = firstEdgeIn(image, text.getIntersection(image.getBounds().reduced(10, 4)));
            EXPECT_FALSE(edge.has_value()) << name << " over " << picture << " at "
                                           << edge.value_or(juce::Point<int>()).toString();
            ++checked;
        }
    EXPECT_GT(checked, 100);

    // No amp or effect picture prints a word or a knob on its plate, so a
    // picture shared by differently named types contradicts none of them.
    for (const auto& [name, entry] : manifest)
    {
        if (entry.kind != "amp" && entry.kind != "effect")
            continue;
        const auto image = images->getImage(name);
        if (name == "AmpType_Custom" || name == "FX_Custom")
            continue; // the overlays drawn over a picture
        const auto plate = image.getBounds().reduced(10, 4).withHeight(entry.height * 4 / 10);
        EXPECT_FALSE(firstEdgeIn(image, plate).has_value()) << name;
        // A catalogue cell about as high as an amp picture writes its name
        // over the picture's foot (from 28 to 4 pixels above the cell's bottom).
        if (entry.kind == "amp" && entry.height >= 160)
        {
            const auto foot = image.getBounds().reduced(10, 0).withTop(entry.height - 30).withBottom(entry.height - 4);
            EXPECT_FALSE(firstEdgeIn(image, foot).has_value()) << name << " foot";
        }
    }
}

TEST(CataloguePictures, ATypeNamedAlikeShowsTheSamePictureOnEveryModel)
{
    const auto sameAs = [](const Catalog::tagCatalogCellAttributes* cells, int count,
                           const Catalog::tagCatalogCellAttributes* others, int otherCount) {
        int shared = 0;
        for (int i = 0; i < count; ++i)
            for (int j = 0; j < otherCount; ++j)
                if (cells[i].name == others[j].name)
                {
                    EXPECT_EQ(cells[i].imageName, others[j].imageName) << cells[i].name;
                    ++shared;
                }
        return shared;
    };
    EXPECT_GE(sameAs(CDWQCatalogAmpPane::m_cellAttributes, CDWQCatalogAmpPane::numColumns, CHMQCatalogAmpPane::m_cellAttributes,
                     CHMQCatalogAmpPane::numCells),
              8);
    // The DWQR modulation pane names a chorus like the HMQ's pedal 1 and a flanger like its pedal 2.
    EXPECT_EQ(sameAs(CDWQCatalogModPane::sm_amCatalogCellAttrs, CDWQCatalogModPane::numColumns,
                     CHMQCatalogPedal1Pane::sm_amCatalogCellAttrs, CHMQCatalogPedal1Pane::numCells)
                  + sameAs(CDWQCatalogModPane::sm_amCatalogCellAttrs, CDWQCatalogModPane::numColumns,
                           CHMQCatalogPedal2Pane::sm_amCatalogCellAttrs, CHMQCatalogPedal2Pane::numCells),
              2);
}

namespace
{
// The part of a picture that is at least half opaque: the amp's or the pedal's body.
juce::Rectangle<int> frameOf(const juce::Image& image)
{
    const juce::Image::BitmapData pixels(image, juce::Image::BitmapData::readOnly);
    juce::Rectangle<int> frame;
    for (int y = 0; y < image.getHeight(); ++y)
        for (int x = 0; x < image.getWidth(); ++x)
            if (pixels.getPixelColour(x, y).getAlpha() >= 128)
                frame = frame.isEmpty() ? juce::Rectangle<int>(x, y, 1, 1) : frame.getUnion({ x, y, 1, 1 });
    return frame;
}

// What tells one model from another in our pictures, whatever their size:
// the colour of the plate, the plain upper part of the frame (its mean from a
// tenth to four tenths of the frame's height, over the middle three fifths of
// its width; the body darkens from top to bottom in the same proportions at
// every size).
juce::Colour plateColourOf(const juce::Image& image)
{
    const juce::Image::BitmapData pixels(image, juce::Image::BitmapData::readOnly);
    const auto frame = frameOf(image);
    double r = 0, g = 0, b = 0, n = 0;
    for (int y = frame.getY() + frame.getHeight() / 10; y < frame.getY() + frame.getHeight() * 4 / 10; ++y)
        for (int x = frame.getX() + frame.getWidth() / 5; x < frame.getRight() - frame.getWidth() / 5; ++x)
        {
            const auto c = pixels.getPixelColour(x, y);
            if (c.getAlpha() < 250)
                continue;
            r += c.getRed();
            g += c.getGreen();
            b += c.getBlue();
            ++n;
        }
    return n > 0 ? juce::Colour((juce::uint8)(r / n), (juce::uint8)(g / n), (juce::uint8)(b / n))
                 : juce::Colours::transparentBlack;
}

int difference(juce::Colour a, juce::Colour b)
{
    return juce::jmax(std::abs(a.getRed() - b.getRed()), std::abs(a.getGreen() - b.getGreen()),
                      std::abs(a.getBlue() - b.getBlue()), std::abs(a.getAlpha() - b.getAlpha()));
}

template <typename Cells>
juce::String cellPicture(const Cells& cells, int model)
{
    for (const auto& cell : cells)
        if (cell.model == model)
            return cell.imageName;
    return "alpha10";
}
} // namespace

TEST_F(BuiltArtwork, EveryTypeNameStandsWholeInsideItsPicture)
{
    // Every picker of every model at both sizes, in the two faces the forms
    // give them: each name is laid out whole, and every pixel it changes lies
    // inside the picture's frame, clear of the rim.
    int checked = 0;
    for (const int height : { 13, 16 })
    {
        const auto pickers = allPickers();
        for (auto& p : pickers)
        {
            p->getProperties().set(UIFormProperty::FontFace, "Arial");
            p->getProperties().set(UIFormProperty::FontHeight, height);
            p->registFont();
            for (int type = 0; type < 24; ++type)
            {
                const auto picture = p->getPngName(type);
                const auto name = p->getTypeName(type);
                if (picture == "alpha10" || name.isEmpty())
                    continue;
                p->setType(type);
                {
                    // The first paint loads the picture and takes its size.
                    juce::Image scratch(juce::Image::ARGB, 1, 1, true);
                    juce::Graphics g(scratch);
                    p->paintButton(g, false, false);
                }
                const auto image = images->getImage(picture);
                ASSERT_EQ(p->getLocalBounds(), image.getBounds()) << picture;

                juce::String laidOut;
                for (const auto& glyph : p->layOutTypeName())
                    laidOut += juce::String::charToString(glyph.getCharacter());
                EXPECT_EQ(laidOut, name) << picture << " at " << height;

                const auto shot = p->createComponentSnapshot(p->getLocalBounds());
                const juce::Image::BitmapData before(image, juce::Image::BitmapData::readOnly);
                const juce::Image::BitmapData after(shot, juce::Image::BitmapData::readOnly);
                const auto inside = frameOf(image).reduced(5);
                int written = 0;
                juce::Rectangle<int> outside;
                for (int y = 0; y < image.getHeight(); ++y)
                    for (int x = 0; x < image.getWidth(); ++x)
                    {
                        const auto a = before.getPixelColour(x, y), b = after.getPixelColour(x, y);
                        if (juce::jmax(std::abs(a.getRed() - b.getRed()), std::abs(a.getGreen() - b.getGreen()),
                                       std::abs(a.getBlue() - b.getBlue()), std::abs(a.getAlpha() - b.getAlpha()))
                            <= 16)
                            continue;
                        ++written;
                        if (! inside.contains(x, y))
                            outside = outside.isEmpty() ? juce::Rectangle<int>(x, y, 1, 1) : outside.getUnion({ x, y, 1, 1 });
                    }
                EXPECT_GT(written, 20) << name << " over " << picture;
                EXPECT_TRUE(outside.isEmpty()) << name << " over " << picture << " at " << height << " px leaves "
                                               << inside.toString() << " at " << outside.toString();
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 300);
}

TEST_F(BuiltArtwork, OneAmpOrEffectLooksAlikeUnderEveryPictureName)
{
    // Every view that shows a type: the pickers at both sizes and their menu
    // icons, the DWQR's type boxes, the catalogue cells, the HMQ's custom
    // pages and the program buttons.
    std::map<juce::String, juce::Colour> plates;
    const auto plateOf = [&](const juce::String& name) {
        if (plates.count(name) == 0)
        {
            const auto image = images->getImage(name);
            EXPECT_TRUE(image.isValid()) << name;
            plates[name] = image.isValid() ? plateColourOf(image) : juce::Colour();
        }
        return plates[name];
    };
    // The pictures a view shows for one type all look like the first of them.
    int compared = 0;
    const auto alike = [&](const std::vector<juce::String>& names) {
        for (const auto& name : names)
            if (name != "alpha10")
            {
                EXPECT_LE(difference(plateOf(name), plateOf(names.front())), 8)
                    << name << " and " << names.front() << " stand for one model";
                ++compared;
            }
    };
    RSDWQAmpImageButton dwqAmp(nullptr, false, {});
    RSDWQAmpImageButtonSmall dwqAmpSmall(nullptr, false, {});
    RSDWQAmpComboBox dwqAmpBox({});
    RSProgSelectButton dwqProgram(nullptr, 0, 0, 0, {});
    for (int t = 0; t < 11; ++t)
        alike({ dwqAmp.getPngName(t), dwqAmpSmall.getPngName(t), dwqAmp.getIconPngName(t), dwqAmpBox.getPngName(t),
                dwqAmpBox.getIconPngName(t), cellPicture(CDWQCatalogAmpPane::m_cellAttributes, t), dwqProgram.getPNGName(t) });
    RSDWQPedalFXImageButton dwqPedal(nullptr, false, {});
    RSDWQRevFXImageButton dwqRev(nullptr, false, {});
    RSDWQPedalComboBox dwqPedalBox({});
    RSDWQRevFXComboBox dwqRevBox({});
    for (int t = 1; t < 5; ++t)
    {
        alike({ dwqPedal.getPngName(t), dwqPedal.getIconPngName(t), dwqPedalBox.getPngName(t), dwqPedalBox.getIconPngName(t),
                cellPicture(CDWQCatalogModPane::sm_amCatalogCellAttrs, t) });
        alike({ dwqRev.getPngName(t), dwqRev.getIconPngName(t), dwqRevBox.getPngName(t), dwqRevBox.getIconPngName(t),
                cellPicture(CDWQCatalogDelayPane::sm_amCatalogCellAttrs, t) });
    }

    RSHMQAmpImageButton hmqAmp(nullptr, false, {});
    RSHMQAmpImageButtonSmall hmqAmpSmall(nullptr, false, {});
    RSHMQAmpImage hmqCustomAmp;
    HMQProgSelectButton hmqProgram(nullptr, 0, 0, 0, {});
    for (int t = 0; t < 20; ++t)
        alike({ hmqAmp.getPngName(t), hmqAmpSmall.getPngName(t), hmqAmp.getIconPngName(t), hmqCustomAmp.getPngName(t),
                cellPicture(CHMQCatalogAmpPane::m_cellAttributes, t), hmqProgram.getPNGName(t) });
    RSHMQPedal1FXImageButton hmqPedal1(nullptr, false, {});
    RSHMQPedal2FXImageButton hmqPedal2(nullptr, false, {});
    RSHMQRevFXImageButton hmqRev(nullptr, false, {});
    RSHMQPedal1Image hmqCustomPedal1;
    RSHMQPedal2Image hmqCustomPedal2;
    RSHMQRevImage hmqCustomRev;
    for (int t = 0; t < 10; ++t)
    {
        alike({ hmqPedal1.getPngName(t), hmqPedal1.getIconPngName(t), hmqCustomPedal1.getPngName(t),
                cellPicture(CHMQCatalogPedal1Pane::sm_amCatalogCellAttrs, t) });
        if (t < 7)
            alike({ hmqPedal2.getPngName(t), hmqPedal2.getIconPngName(t), hmqCustomPedal2.getPngName(t),
                    cellPicture(CHMQCatalogPedal2Pane::sm_amCatalogCellAttrs, t) });
        if (t < 4)
            alike({ hmqRev.getPngName(t), hmqRev.getIconPngName(t), hmqCustomRev.getPngName(t),
                    cellPicture(CHMQCatalogDelayPane::sm_amCatalogCellAttrs, t) });
    }

    RSOrvaKXAmpImageButton okxAmp(nullptr, false, {});
    RSOrvaKXAmpImageButtonSmall okxAmpSmall(nullptr, false, {});
    OKXProgSelectButton okxProgram(nullptr, 0, 0, 0, {});
    RSOrvaPWAmpImageButton opwAmp(nullptr, false, {});
    RSOrvaPWAmpImageButtonSmall opwAmpSmall(nullptr, false, {});
    OPWProgSelectButton opwProgram(nullptr, 0, 0, 0, {});
    for (int t = 0; t < 23; ++t)
        alike({ okxAmp.getPngName(t), okxAmpSmall.getPngName(t), cellPicture(COKXCatalogAmpPane::sm_amCatalogCellAttrs, t),
                okxProgram.getPNGName(t) });
    for (int t = 0; t < 17; ++t)
        alike({ opwAmp.getPngName(t), opwAmpSmall.getPngName(t), cellPicture(COPWCatalogAmpPane::m_cellAttributes, t),
                opwProgram.getPNGName(t) });
    // The Orva amp icons are looked up by the raw parameter value.
    for (int raw = 0; raw < 256; ++raw)
    {
        alike({ okxAmp.getPngName(orvaKX::getAmpType((unsigned char) raw)), okxAmp.getIconPngName(raw) });
        alike({ opwAmp.getPngName(orvaPW::getAmpType((unsigned char) raw)), opwAmp.getIconPngName(raw) });
    }
    RSOrvaKXPedal1FXImageButton okxPedal1(nullptr, false, {});
    RSOrvaPWPedal1FXImageButton opwPedal1(nullptr, false, {});
    RSOrvaPWPedal2FXImageButton orvaPedal2(nullptr, false, {});
    for (int t = 0; t < 11; ++t)
    {
        alike({ okxPedal1.getPngName(t), okxPedal1.getIconPngName(t),
                cellPicture(COKXCatalogPedal1Pane::sm_amCatalogCellAttrs, t) });
        alike({ opwPedal1.getPngName(t), opwPedal1.getIconPngName(t),
                cellPicture(COPWCatalogPedal1Pane::sm_amCatalogCellAttrs, t) });
        if (t < 8)
            alike({ orvaPedal2.getPngName(t), orvaPedal2.getIconPngName(t),
                    cellPicture(COPWCatalogPedal2Pane::sm_amCatalogCellAttrs, t) });
    }

    EXPECT_GT(compared, 150);
}

TEST_F(BuiltArtwork, KnobStripsHoldEveryFrameOneUnderAnother)
{
    for (const auto& row : KnobCollection)
    {
        const auto found = manifest.find(row.name);
        ASSERT_NE(found, manifest.end()) << row.name;
        EXPECT_EQ(found->second.frames, row.numFrames) << row.name;

        const auto image = images->getImage(row.name);
        ASSERT_TRUE(image.isValid()) << row.name;
        EXPECT_EQ(image.getWidth(), row.frameWidth) << row.name;
        EXPECT_EQ(image.getHeight(), row.numFrames * row.frameHeight) << row.name;

        // The first and the last position must look different.
        const auto first = image.getClippedImage({ 0, 0, row.frameWidth, row.frameHeight });
        const auto last = image.getClippedImage({ 0, (row.numFrames - 1) * row.frameHeight, row.frameWidth, row.frameHeight });
        bool differs = false;
        for (int y = 0; y < row.frameHeight && ! differs; ++y)
            for (int x = 0; x < row.frameWidth && ! differs; ++x)
                differs = first.getPixelAt(x, y) != last.getPixelAt(x, y);
        EXPECT_TRUE(differs) << row.name;
    }
}

TEST_F(BuiltArtwork, EveryModelHasItsDevicePictureAndListIcon)
{
    ZEZESingleton<SupportedModels>::CreateInstance();
    auto* models = SupportedModels::instance();
    for (int id = 0; id <= 5; ++id)
    {
        auto* info = models->getInformation(id);
        ASSERT_NE(info, nullptr) << id;
        EXPECT_TRUE(info->getImageForDeviceSelect().isValid()) << id;
        EXPECT_TRUE(info->getIconImageForDeviceList().isValid()) << id;
    }
    ZEZESingleton<SupportedModels>::DestroyInstance();
}

TEST_F(BuiltArtwork, ScreenshotOfASelection)
{
    struct Sheet : juce::Component
    {
        explicit Sheet(ImageResourceManager& m) : images(m) { setSize(940, 430); }

        void paint(juce::Graphics& g) override
        {
            g.drawImageAt(images.getImage("topbar_orva_h36"), 0, 0);
            g.drawImageAt(images.getImage("rigsmith_h25g"), 714, 6);
            g.drawImageAt(images.getImage("back_orva_1024x768"), 0, 36);
            int x = 10;
            for (const auto* name : { "AmpType_Marshall1959_shadow_196x171", "AmpType_Classic_196x171", "AmpType_Deep_196x108" })
            {
                const auto image = images.getImage(name);
                g.drawImageAt(image, x, 46);
                x += image.getWidth() + 10;
            }
            x = 10;
            for (const auto* name : { "Mod_ClassicChorus_shadow_112x111", "Reverb_Hall_shadow_112x111", "Mod_TouchWah_112x111" })
            {
                g.drawImageAt(images.getImage(name), x, 230);
                x += 122;
            }
            // Knob strips: frames 0, 50 and 100; switch strips: every position.
            x = 380;
            for (const auto* name : { "Knob_OrvaKX_7070", "Knob_HMQ_chiken7070", "Switch_SENS_7070_OrvaPW", "Switch_OFFON" })
            {
                const auto* info = getKnobImageInfo(name);
                const auto strip = images.getImage(name);
                const auto step = info->numFrames > 10 ? 50 : 1;
                int y = 230;
                for (int k = 0; k < info->numFrames; k += step, y += info->frameHeight)
                    g.drawImage(strip, x, y, info->frameWidth, info->frameHeight, 0, k * info->frameHeight, info->frameWidth,
                                info->frameHeight);
                x += info->frameWidth + 10;
            }
            x = 665;
            for (const auto* name : { "help_50x50w", "menu_56x50o", "writeamp_62x50w", "PowerSW2ON_5050" })
            {
                const auto image = images.getImage(name);
                g.drawImageAt(image, x, 230);
                x += image.getWidth() + 6;
            }
            x = 665;
            for (const auto* name : { "OrvaKX_24x62", "USB_24x32", "hesperine_120x25", "tabclosebutton", "tabbuttonextra" })
            {
                const auto image = images.getImage(name);
                g.drawImageAt(image, x, 290);
                x += image.getWidth() + 10;
            }
            g.drawImageAt(images.getImage("OrvaPWSmallImage"), 640, 60);
            g.drawImageAt(images.getImage("cable1034"), 0, 380);
        }

        ImageResourceManager& images;
    } sheet(*images);

    const auto file = testing_support::saveScreenshot(sheet, "artwork");
    EXPECT_TRUE(file.existsAsFile());
}

TEST(KnobCollectionTable, HoldsTheStripsAndFindsThemByExactName)
{
    ASSERT_EQ(std::size(KnobCollection), 25u);

    const auto* offOn = getKnobImageInfo("Switch_OFFON");
    ASSERT_NE(offOn, nullptr);
    EXPECT_EQ(offOn->numFrames, 2);
    EXPECT_EQ(offOn->frameWidth, 43);
    EXPECT_EQ(offOn->frameHeight, 24);

    const auto* scaled = getKnobImageInfo("Knob_OrvaKX_5454_2");
    ASSERT_NE(scaled, nullptr);
    EXPECT_EQ(scaled->numFrames, 101);
    EXPECT_EQ(scaled->frameWidth, 70);
    EXPECT_EQ(scaled->drawWidth, 54);
    EXPECT_EQ(scaled->drawHeight, 54);

    EXPECT_EQ(getKnobImageInfo("switch_offon"), nullptr);
    EXPECT_EQ(getKnobImageInfo("Switch_OFFON "), nullptr);
    EXPECT_EQ(getKnobImageInfo("Switch_OFF"), nullptr);
    EXPECT_EQ(getKnobImageInfo(""), nullptr);

    // Every row is found as itself (the row in the table, not a copy).
    for (const auto& row : KnobCollection)
        EXPECT_EQ(getKnobImageInfo(row.name), &row) << row.name;
}
