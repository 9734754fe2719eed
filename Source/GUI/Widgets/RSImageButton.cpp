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
    const auto name = getTypeName(m_Type);
    if (name.isEmpty())
        return;
    g.setFont(m_Font);
    g.setColour(juce::Colours::white);
    g.drawText(name, getTypeNameX(m_Type), getTypeNameY(m_Type), 200, 20, juce::Justification::horizontallyJustified, true);
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
