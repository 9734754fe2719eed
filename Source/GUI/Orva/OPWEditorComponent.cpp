#include "GUI/Orva/OPWEditorComponent.h"

#include "GUI/Catalog/OPWCatalogComponent.h"
#include "GUI/Orva/OPWEditParamComponent.h"
#include "GUI/Orva/OPWPGNameEditComponent.h"
#include "GUI/Widgets/MIDIIndicator.h"
#include "GUI/Widgets/RSWidgetSupport.h"

namespace
{
void setHeaderImages(juce::ImageButton& button, const juce::String& name, bool preserveProportions)
{
    const auto image = RSWidgetSupport::getImage(name);
    button.setImages(false, true, preserveProportions, image, 0.5f, juce::Colours::transparentBlack, image, 1.0f,
                     juce::Colour(0x000000FF), image, 1.0f, juce::Colours::transparentBlack, 0.0f);
    RSWidgetSupport::reachByMouseOnly(button);
}
} // namespace

OPWEditorComponent::OPWEditorComponent(int width, int height) : EditorComponent(width, height)
{}

PGNameEditComponent* OPWEditorComponent::createNameStrip(int width, int height)
{
    return new OPWPGNameEditComponent(width, height);
}

CatalogComponent* OPWEditorComponent::createCatalog(int width, int height)
{
    return new OPWCatalogComponent(width, height, false);
}

EditParamComponent* OPWEditorComponent::createEditParam(int width, int height)
{
    return new OPWEditParamComponent(width, height);
}

void OPWEditorComponent::initialize()
{
    const int width = m_Width;
    m_PGNameRect = { 0, 0, 540, 36 };

    m_PGNameEdit = createNameStrip(540, 36);
    addAndMakeVisible(m_PGNameEdit);
    m_PGNameEdit->setBounds(m_PGNameRect);
    m_PGNameEdit->setVisible(true);

    const int catalogHeight = catalogHeightFor(width);
    auto* catalog = createCatalog(width - 24, catalogHeight);
    m_Catalog = catalog;
    catalog->initialise();
    addAndMakeVisible(catalog);
    catalog->setBounds(12, m_PGNameRect.getHeight() + 12, width - 24, catalogHeight);
    catalog->setVisible(true);

    const int areaWidth = juce::jmax(width, 768);
    auto* area = createEditParam(areaWidth, 348);
    m_EditParam = area;
    area->initialise();
    addAndMakeVisible(area);
    area->setBounds(0, m_PGNameRect.getHeight() + 192, areaWidth, 348);

    auto* menu = new juce::ImageButton(juce::String());
    m_MenuButton = menu;
    setHeaderImages(*menu, "menu_56x50w", false);
    menu->setBounds(width - 46, 6, 28, 25);
    menu->setTriggeredOnMouseDown(true);
    menu->addListener(this);
    addAndMakeVisible(menu);

    auto* help = new juce::ImageButton("Help");
    m_HelpButton = help;
    setHeaderImages(*help, "help_50x50w", true);
    const int helpWidth = RSWidgetSupport::getImage("help_50x50w").getWidth();
    help->setBounds(width - 46 - helpWidth, 6, 25, 25);
    help->addListener(this);
    addAndMakeVisible(help);

    m_MIDIIndicator = new MIDIIndicator(help, false, {}, false);
    m_MIDIIndicator->setTopLeftPosition(help->getX() - 10 - m_MIDIIndicator->getWidth(), 9);
    m_MIDIIndicator->setWantsKeyboardFocus(false);
    m_MIDIIndicator->setMouseClickGrabsKeyboardFocus(false);
    addAndMakeVisible(m_MIDIIndicator);
}
