#include "GUI/Editor/RSProgSelectButton.h"

#include "DWQ/DWQDataCenter.h"
#include "GUI/Editor/DragAndDropDefinitions.h"
#include "GUI/Editor/LibrarianAccess.h"
#include "GUI/Editor/ParamPageSupport.h"
#include "GUI/Editor/ProgramDataDragItem.h"
#include "GUI/Widgets/SelectButtonSupport.h"

#include <array>

namespace
{
constexpr int idAmpType = 0x300;

struct AmpRow
{
    const char* name;
    juce::uint32 colour;
    const char* image;
};

// The DWQ's amp types 0-10.
const std::array<AmpRow, 11>& dwqAmpRows()
{
    static const std::array<AmpRow, 11> rows { {
        { "DELUXE CL", 0xFF80FA80, "AmpType_FenderDeluxeReverb_187x68" },
        { "TWEED 4x10", 0xFFFAFA80, "AmpType_FenderBassman_187x68" },
        { "BOUTIQUE CL", 0xFF80FA80, "AmpType_OverdriveSpecial_178x68" },
        { "BOUTIQUE OD", 0xFFFAFA80, "AmpType_OverdriveSpecial_178x68" },
        { "ZUL QT50", 0xFF80FA80, "AmpType_QT50_178x68" },
        { "ZUL QT50HB", 0xFFFAFA80, "AmpType_QT50_178x68" },
        { "BRIT 1959", 0xFFFAFA80, "AmpType_Marshall1959_178x68" },
        { "BRIT 800", 0xFFFAFA80, "AmpType_MarshallJCM800_178x68" },
        { "BRIT VM", 0xFFFA8080, "AmpType_MarshallJCM800_178x68" },
        { "SL-OD", 0xFFFA8080, "AmpType_SmoothLead_178x68" },
        { "DOUBLE REC", 0xFFFA8080, "AmpType_MesaBoogie_178x68" },
    } };
    return rows;
}

const AmpRow& dwqRow(int type)
{
    return dwqAmpRows()[(size_t) juce::jlimit(0, 10, type)];
}
} // namespace

RSProgSelectButton::RSProgSelectButton(juce::Component* owner, int groupId, int ampType, int programNumber,
                                       const juce::String& name)
    : juce::ImageButton(name), m_Owner(owner), m_AmpType(ampType), m_ProgramNumber(programNumber)
{
    SelectButtonSupport::setUp(*this, groupId);

    getProperties().set("PROGID", programNumber);
    m_AmpColor = getAmpColor(ampType);
    setColour(juce::TextButton::buttonColourId, m_AmpColor);
    RenewButtonSetting();
}

int RSProgSelectButton::ampTypeOf(const unsigned char* record)
{
    auto* dataCenter = dynamic_cast<DWQDataCenter*>(LibrarianAccess::getDataCenter());
    if (record == nullptr || dataCenter == nullptr)
        return -1;
    return ParamPageSupport::readFromRecord(dataCenter->getUserEditSection(), idAmpType, record);
}

void RSProgSelectButton::setAmpType(int ampType)
{
    m_AmpType = ampType;
    m_AmpColor = getAmpColor(ampType);
    setColour(juce::TextButton::buttonColourId, m_AmpColor);
}

void RSProgSelectButton::setAmpImages(const juce::Image& image, float normalOpacity)
{
    setImages(false, true, true, image, normalOpacity, juce::Colours::transparentBlack, image, 1.0f, juce::Colour(0x000000FF),
              image, 1.0f, juce::Colours::transparentBlack);
}

void RSProgSelectButton::drawNormalImage(juce::Graphics& g, juce::Rectangle<int> area)
{
    const auto image = getNormalImage();
    if (! image.isValid())
        return;
    g.setOpacity(1.0f);
    g.drawImageWithin(image, area.getX(), area.getY(), area.getWidth(), area.getHeight(),
                      juce::RectanglePlacement::centred | juce::RectanglePlacement::onlyReduceInSize);
}

juce::Rectangle<int> RSProgSelectButton::getNormalImageBounds(juce::Rectangle<int> area)
{
    const auto image = getNormalImage();
    if (! image.isValid())
        return {};
    const juce::RectanglePlacement placement(juce::RectanglePlacement::centred | juce::RectanglePlacement::onlyReduceInSize);
    return placement.appliedTo(image.getBounds().toFloat(), area.toFloat()).getSmallestIntegerContainer();
}

juce::GlyphArrangement RSProgSelectButton::layOutWholeText(const juce::Font& font, const juce::String& text,
                                                           juce::Rectangle<int> box)
{
    constexpr float narrowest = 0.5f;
    juce::GlyphArrangement glyphs;
    // The fitted layout drops a line's leading blanks, which belong to a
    // program name: they become an indent, narrowed as the whole line is.
    const auto line = text.trimEnd();
    const auto words = line.trimStart();
    if (words.isEmpty())
        return glyphs;
    const float lineWidth = font.getStringWidthFloat(line);
    const float lead = lineWidth - font.getStringWidthFloat(words);
    const float scale = juce::jlimit(narrowest, 1.0f, (float) box.getWidth() / lineWidth);
    const float indent = juce::jmin(lead * scale, (float) box.getWidth());
    glyphs.addFittedText(font, words, (float) box.getX() + indent, (float) box.getY(), (float) box.getWidth() - indent,
                         (float) box.getHeight(), juce::Justification::centredLeft, 1, narrowest);
    return glyphs;
}

juce::Rectangle<int> RSProgSelectButton::textBoxBesidePicture(int y, juce::Rectangle<int> pictureArea)
{
    const auto picture = getNormalImageBounds(pictureArea);
    const int right = picture.isEmpty() ? getWidth() : picture.getX();
    return { 4, y, juce::jlimit(0, 200, right - 8), 20 };
}

void RSProgSelectButton::drawWholeText(juce::Graphics& g, const juce::String& text, juce::Rectangle<int> box)
{
    layOutWholeText(g.getCurrentFont(), text, box).draw(g);
}

void RSProgSelectButton::drawFrame(juce::Graphics& g, juce::Rectangle<float> r, juce::Colour colour, float thickness)
{
    g.setColour(colour);
    g.drawRect(r, thickness);
}

void RSProgSelectButton::updateBackground()
{
    SelectButtonSupport::repaintBackground(*this);
}

bool RSProgSelectButton::isInterestedInDragSource(const SourceDetails& details)
{
    const auto id = DragAndDropDefinitions::getDragId(details.description);
    if (id == CurrentProgramDataDragID)
        return true;
    if (id == ProgramDataDragID)
    {
        if ((unsigned int) DragAndDropDefinitions::getDragValue(details.description) > 51u)
            return false;
        return details.sourceComponent.get() != this;
    }
    return false;
}

void RSProgSelectButton::itemDragEnter(const SourceDetails&)
{
    m_DragOver = true;
    updateBackground();
}

void RSProgSelectButton::itemDragMove(const SourceDetails&)
{
    if (m_DragOver)
        updateBackground();
}

void RSProgSelectButton::itemDragExit(const SourceDetails&)
{
    m_DragOver = false;
    updateBackground();
}

void RSProgSelectButton::itemDropped(const SourceDetails&)
{
    m_DragOver = false;
    updateBackground();
}

juce::String RSProgSelectButton::getPNGName(int ampType)
{
    return dwqRow(ampType).image;
}

juce::String RSProgSelectButton::getAmpName(int ampType)
{
    return dwqRow(ampType).name;
}

juce::Colour RSProgSelectButton::getAmpColor(int ampType)
{
    return juce::Colour(dwqRow(ampType).colour);
}

void RSProgSelectButton::mouseEnter(const juce::MouseEvent& e)
{
    juce::ImageButton::mouseEnter(e);
    m_MouseOver = true;
    updateBackground();
    m_DragStarted = false;
    m_DragOriginX = e.x;
    m_DragOriginY = e.y;
}

void RSProgSelectButton::mouseExit(const juce::MouseEvent& e)
{
    juce::ImageButton::mouseExit(e);
    m_MouseOver = false;
    updateBackground();
}

void RSProgSelectButton::mouseDown(const juce::MouseEvent& e)
{
    juce::ImageButton::mouseDown(e);
}

void RSProgSelectButton::mouseDrag(const juce::MouseEvent& e)
{
    juce::ImageButton::mouseDrag(e);
    if (m_DragStarted)
    {
        updateBackground();
        return;
    }
    auto* container = juce::DragAndDropContainer::findParentDragContainerFor(this);
    if (container == nullptr || std::abs(e.x - m_DragOriginX) + std::abs(e.y - m_DragOriginY) < m_DragSensitivity)
        return;
    // The framework starts a drag only from a pointer that is dragging.
    if (e.source.isDragging())
        container->startDragging(ProgramDataDragItem(ProgramDataDragID, m_ProgramNumber), this, juce::ScaledImage(), false);
    m_DragStarted = true;
    updateBackground();
}

void RSProgSelectButton::mouseUp(const juce::MouseEvent& e)
{
    juce::ImageButton::mouseUp(e);
    m_DragStarted = false;
    updateBackground();
}
