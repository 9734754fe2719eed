#include "GUI/Widgets/RSImageButton.h"

#include "GUI/Editor/EditParamComponent.h"
#include "UIForm/UIFormIds.h"

#include "GUI/Widgets/FontLibrary.h"
#include "GUI/Widgets/RSImageButtonPopupMenuLookAndFeel.h"
#include "GUI/Widgets/RSWidgetSupport.h"
#include "Platform/PlatformFonts.h"

namespace
{
juce::Font defaultFont()
{
    auto* fonts = FontLibrary::getInstanceWithoutCreating();
    return fonts != nullptr ? fonts->getFont("DefaultFont") : FontLibrary::DefaultFont();
}

// Space kept between a name and the edge of its picture's frame, which the
// rim of every amp and effect picture takes.
constexpr int kNameMargin = 5;
// A name is narrowed down to this share of its width before it is made smaller.
constexpr float kMinimumNameScale = 0.7f;
constexpr float kSmallestNameHeight = 7.0f;

// The bounds of the pixels that are at least half opaque.
juce::Rectangle<int> opaqueBounds(const juce::Image& image)
{
    const juce::Image::BitmapData pixels(image, juce::Image::BitmapData::readOnly);
    int left = image.getWidth(), right = -1, top = image.getHeight(), bottom = -1;
    for (int y = 0; y < image.getHeight(); ++y)
        for (int x = 0; x < image.getWidth(); ++x)
            if (pixels.getPixelColour(x, y).getAlpha() >= 128)
            {
                left = juce::jmin(left, x);
                right = juce::jmax(right, x);
                top = juce::jmin(top, y);
                bottom = juce::jmax(bottom, y);
            }
    return right < 0 ? juce::Rectangle<int>() : juce::Rectangle<int>(left, top, right - left + 1, bottom - top + 1);
}
} // namespace

RSImageButton::RSImageButton(juce::Component* owner, bool selectEnabled, const juce::String& name)
    : juce::ImageButton(name),
      m_PopupLook(std::make_unique<RSImageButtonPopupMenuLookAndFeel>()),
      m_Owner(owner),
      m_SelectEnabled(selectEnabled),
      m_Font(defaultFont())
{
    setRadioGroupId(4099, juce::sendNotification);
    setToggleState(true, juce::dontSendNotification);
    setTriggeredOnMouseDown(true);
    RSWidgetSupport::reachByMouseOnly(*this);
    m_TypeMenu.setLookAndFeel(m_PopupLook.get());
}

RSImageButton::~RSImageButton()
{
    m_TypeMenu.setLookAndFeel(nullptr);
    m_PopupLook.reset();
}

void RSImageButton::setHighlightColours(juce::Colour button, juce::Colour menu)
{
    m_HighlightColour = button;
    m_PopupLook->setColour(juce::PopupMenu::highlightedBackgroundColourId, menu);
}

void RSImageButton::mouseDown(const juce::MouseEvent& e)
{
    juce::ImageButton::mouseDown(e);
}

void RSImageButton::paint(juce::Graphics& g)
{
    juce::ImageButton::paint(g);
    g.setColour(juce::Colours::white);
    layOutTypeName().draw(g);
}

juce::GlyphArrangement RSImageButton::layOutTypeName()
{
    juce::GlyphArrangement glyphs;
    const auto name = getTypeName(m_Type).trim();
    if (name.isEmpty())
        return glyphs;
    auto box = juce::Rectangle<int>(getTypeNameX(m_Type), getTypeNameY(m_Type), 200, 20);
    // The box is cut to the frame: a name placed left of it or above it
    // starts at its edge, and a box running past it ends there.
    if (! m_NameArea.isEmpty())
        box = box.getIntersection(m_NameArea);
    if (box.isEmpty())
        return glyphs;

    auto font = m_Font;
    font.setHeight(juce::jmin(font.getHeight(), (float) box.getHeight()));
    while (font.getHeight() > kSmallestNameHeight && font.getStringWidthFloat(name) * kMinimumNameScale > (float) box.getWidth())
        font.setHeight(font.getHeight() - 0.5f);
    glyphs.addFittedText(font, name, (float) box.getX(), (float) box.getY(), (float) box.getWidth(), (float) box.getHeight(),
                         juce::Justification::centredLeft, 1, kMinimumNameScale);
    return glyphs;
}

void RSImageButton::paintButton(juce::Graphics& g, bool over, bool down)
{
    if (m_Type != m_CachedType)
    {
        const auto image = RSWidgetSupport::getImage(getPngName(m_Type));
        if (image.isValid())
        {
            setSize(image.getWidth(), image.getHeight());
            m_OnBounds.setSize(image.getWidth(), image.getHeight());
            m_OffBounds.setSize(image.getWidth(), image.getHeight());
            m_NameArea = opaqueBounds(image);
            if (! m_NameArea.isEmpty())
                m_NameArea = m_NameArea.reduced(kNameMargin);
            setImages(false, false, true, image, 1.0f, juce::Colours::transparentBlack, image, 1.0f,
                      juce::Colours::transparentBlack, image, 1.0f, juce::Colours::transparentBlack,
                      m_WholeAreaHit ? 0.0f : 0.1f);
        }
        m_CachedType = m_Type;
    }

    auto* page = dynamic_cast<EditParamComponent*>(getParentComponent());
    const bool selectedModule = page != nullptr && m_ModuleIndex >= 0 && page->getSelectedModule() == m_ModuleIndex;
    if (down || selectedModule)
    {
        g.setColour(m_HighlightColour.withAlpha(0.5f));
        g.fillRect(1, 1, getWidth() - 2, getHeight() - 2);
    }

    juce::ImageButton::paintButton(g, over, down);
}

void RSImageButton::addPopupItem(int index, juce::String text)
{
    m_TypeMenu.addItem(index + 1, text, true, true, RSWidgetSupport::getImage(getIconPngName(index)));
}

void RSImageButton::setType(int type)
{
    m_Type = type;
}

void RSImageButton::registFont()
{
    const auto& props = getProperties();
    const auto face = props.getWithDefault(UIFormProperty::FontFace, juce::String()).toString();
    if (face.isNotEmpty())
        m_Font.setTypefaceName(PlatformFonts::mapTypefaceName(face));
    const int height = props.getWithDefault(UIFormProperty::FontHeight, 0);
    if (height > 0)
        m_Font.setHeight((float) height);
    const int style = props.getWithDefault(UIFormProperty::FontStyle, 0);
    if (style > 0)
        m_Font.setStyleFlags(style);
}
