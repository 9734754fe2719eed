#include "GUI/HMQ/HMQEditorComponent.h"

#include "GUI/Catalog/HMQCatalogComponent.h"
#include "GUI/HMQ/HMQEditParamComponent.h"
#include "GUI/HMQ/HMQPGNameEditComponent.h"
#include "GUI/Widgets/MIDIIndicator.h"
#include "GUI/Widgets/RSWidgetSupport.h"

namespace
{
juce::ImageButton* makeHeaderButton(const juce::String& normal, const juce::String& down, bool keepProportions)
{
    auto* button = new juce::ImageButton();
    const auto image = RSWidgetSupport::getImage(normal);
    const auto downImage = down.isNotEmpty() ? RSWidgetSupport::getImage(down) : image;
    button->setImages(false, true, keepProportions, image, 0.5f, juce::Colours::transparentBlack, image, 1.0f,
                      juce::Colours::transparentBlack, downImage, 1.0f, juce::Colours::transparentBlack);
    RSWidgetSupport::reachByMouseOnly(*button);
    return button;
}
} // namespace

HMQEditorComponent::HMQEditorComponent(int width, int height) : EditorComponent(width, height)
{}

void HMQEditorComponent::initialize()
{
    const int width = m_Width;

    m_PGNameRect = { 0, 0, nameStripWidth, nameStripHeight };
    m_PGNameEdit = new HMQPGNameEditComponent(nameStripWidth, nameStripHeight);
    addAndMakeVisible(m_PGNameEdit);
    m_PGNameEdit->setBounds(m_PGNameRect);

    const int catalogHeight = catalogHeightFor(width);
    auto* catalog = new HMQCatalogComponent(width - 10, catalogHeight, false);
    m_Catalog = catalog;
    catalog->initialise();
    addAndMakeVisible(catalog);
    catalog->setBounds(5, nameStripHeight + 5, width - 10, catalogHeight);

    const int areaWidth = juce::jmax(width, minimumAreaWidth);
    auto* area = new HMQEditParamComponent(areaWidth, 348);
    m_EditParam = area;
    area->initialise();
    addAndMakeVisible(area);
    area->setBounds(0, nameStripHeight + 192, areaWidth, 348);

    m_WriteButton = makeHeaderButton("writeamp_62x50w", {}, true);
    addAndMakeVisible(m_WriteButton);
    m_WriteButton->setBounds(nameStripWidth + 16, 6, 31, 25);
    m_WriteButton->addListener(this);

    m_HelpButton = makeHeaderButton("help_50x50w", {}, true);
    m_HelpButton->setName("Help");
    addAndMakeVisible(m_HelpButton);
    m_HelpButton->setBounds(nameStripWidth + 62, 6, 25, 25);
    m_HelpButton->addListener(this);

    m_MenuButton = makeHeaderButton("menu_56x50w", "menu_56x50o", false);
    m_MenuButton->setTriggeredOnMouseDown(true);
    addAndMakeVisible(m_MenuButton);
    m_MenuButton->setBounds(width - 46, 6, 28, 25);
    m_MenuButton->addListener(this);

    m_MIDIIndicator = new MIDIIndicator(m_HelpButton, false, {}, false);
    m_MIDIIndicator->setWantsKeyboardFocus(false);
    m_MIDIIndicator->setMouseClickGrabsKeyboardFocus(false);
    addAndMakeVisible(m_MIDIIndicator);
    const auto indicatorSize = m_MIDIIndicator->getPicture().getBounds();
    m_MIDIIndicator->setBounds(width - 46 - indicatorSize.getWidth(), 9, indicatorSize.getWidth(), indicatorSize.getHeight());
}

void HMQEditorComponent::paint(juce::Graphics& g)
{
    const auto background = RSWidgetSupport::getImage("bg_Routing02");
    if (background.isValid())
        g.drawImageAt(background, 0, nameStripHeight);
    EditorComponent::paint(g);
}
