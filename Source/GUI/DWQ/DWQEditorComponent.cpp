#include "GUI/DWQ/DWQEditorComponent.h"

#include "GUI/Catalog/DWQCatalogComponent.h"
#include "GUI/DWQ/DWQEditParamComponent.h"
#include "GUI/Editor/PGNameEditComponent.h"
#include "GUI/Widgets/MIDIIndicator.h"
#include "GUI/Widgets/RSWidgetSupport.h"

namespace
{
void setHeaderImages(juce::ImageButton& button, const juce::String& normal, const juce::String& overAndDown, bool keepProportions)
{
    const auto up = RSWidgetSupport::getImage(normal);
    const auto other = RSWidgetSupport::getImage(overAndDown);
    button.setImages(false, true, keepProportions, up, 0.5f, juce::Colours::transparentBlack, other, 1.0f,
                     juce::Colour(0x000000FF), other, 1.0f, juce::Colours::transparentBlack);
    RSWidgetSupport::reachByMouseOnly(button);
}
} // namespace

DWQEditorComponent::DWQEditorComponent(int width, int height) : EditorComponent(width, height)
{}

void DWQEditorComponent::paint(juce::Graphics& g)
{
    const auto image = RSWidgetSupport::getImage("bg_Routing02");
    if (image.isValid())
        g.drawImageAt(image, 0, m_PGNameRect.getHeight());
}

void DWQEditorComponent::initialize()
{
    const int width = m_Width;

    m_PGNameRect = { 0, 0, nameStripWidth, nameStripHeight };
    m_PGNameEdit = new PGNameEditComponent(nameStripWidth, nameStripHeight);
    addAndMakeVisible(m_PGNameEdit);
    m_PGNameEdit->setBounds(m_PGNameRect);

    const int catalogHeight = width * 200 / 758 + DWQCatalogComponent::bottomGap;
    auto* catalog = new DWQCatalogComponent(width - 10, catalogHeight, false);
    m_Catalog = catalog;
    catalog->initialise();
    catalog->setBounds(5, 43, width - 10, catalogHeight);
    addAndMakeVisible(catalog);

    const int paramWidth = juce::jmax(width, minParamAreaWidth);
    auto* area = new DWQEditParamComponent(paramWidth, paramAreaHeight);
    m_EditParam = area;
    area->initialise();
    area->setBounds(0, paramAreaY, paramWidth, paramAreaHeight);
    addAndMakeVisible(area);

    auto* write = new juce::ImageButton();
    m_WriteButton = write;
    setHeaderImages(*write, "writeamp_62x50w", "writeamp_62x50w", true);
    m_WriteButton->setBounds(nameStripWidth + 16, 6, 31, 25);
    m_WriteButton->addListener(this);
    addAndMakeVisible(m_WriteButton);

    auto* help = new juce::ImageButton("Help");
    m_HelpButton = help;
    setHeaderImages(*help, "help_50x50w", "help_50x50w", true);
    m_HelpButton->setBounds(nameStripWidth + 62, 6, 25, 25);
    m_HelpButton->addListener(this);
    addAndMakeVisible(m_HelpButton);

    auto* menu = new juce::ImageButton();
    m_MenuButton = menu;
    setHeaderImages(*menu, "menu_56x50w", "menu_56x50o", false);
    m_MenuButton->setBounds(width - 46, 6, 28, 25);
    m_MenuButton->setTriggeredOnMouseDown(true);
    m_MenuButton->addListener(this);
    addAndMakeVisible(m_MenuButton);

    m_MIDIIndicator = new MIDIIndicator(m_HelpButton, false, {}, false);
    const int indicatorWidth = m_MIDIIndicator->getPicture().getWidth();
    m_MIDIIndicator->setBounds(width - 66 - indicatorWidth, 7, indicatorWidth, 25);
    // A click on the badge leaves the focus where it was (the framework would
    // hand it to the first widget of the page, the amp catalogue).
    RSWidgetSupport::reachByMouseOnly(*m_MIDIIndicator);
    addAndMakeVisible(m_MIDIIndicator);
}
