#include "GUI/Catalog/DWQCatalogComponent.h"

#include "Core/MyMessage.h"
#include "GUI/Catalog/CDWQCatalogAmpPane.h"
#include "GUI/Catalog/CDWQCatalogDelayPane.h"
#include "GUI/Catalog/CDWQCatalogModPane.h"
#include "GUI/DWQ/DWQViewSupport.h"
#include "GUI/Widgets/RSTouchScrollViewport.h"
#include "GUI/Widgets/RSWidgetSupport.h"
#include "ParamTable/DWQ/CDWQUserEditSectionImpl.h"

namespace
{
using Section = DWQ::CDWQUserEditSectionImpl;

constexpr int eventReinitialized = 1;
constexpr int eventValueChanged = 3;
constexpr int eventCatalogSelect = 7;

constexpr int paramIds[DWQCatalogComponent::numKinds] = { 0x300, 0x400, 0x500 };
constexpr int cellCounts[DWQCatalogComponent::numKinds] = { 11, 4, 4 };
constexpr int cellWidths[DWQCatalogComponent::numKinds] = { 196, 112, 112 };
constexpr int margin = 20;

int kindOfParam(int paramId)
{
    for (int k = 0; k < DWQCatalogComponent::numKinds; ++k)
        if (paramIds[k] == paramId)
            return k;
    return -1;
}
} // namespace

DWQCatalogComponent::DWQCatalogComponent(int width, int height, bool) : CatalogComponent(width, height)
{}

DWQCatalogComponent::~DWQCatalogComponent()
{
    // The base deletes the panes; the viewports only show them.
    for (auto* viewport : m_Viewports)
        viewport->setViewedComponent(nullptr, false);
    m_Viewports.clear(true);
}

RSTouchScrollViewport* DWQCatalogComponent::getViewport(int kind) const
{
    return kind >= 0 && kind < m_Viewports.size() ? m_Viewports[kind] : nullptr;
}

void DWQCatalogComponent::initialise()
{
    CatalogComponent::initialise();
    const int paneHeight = m_Height - bottomGap;

    m_Panes.add(new CDWQCatalogAmpPane(kindAmp, paramIds[kindAmp], m_PaneWidths[kindAmp], paneHeight));
    m_Panes.add(new CDWQCatalogModPane(kindMod, paramIds[kindMod], m_PaneWidths[kindMod], paneHeight));
    m_Panes.add(new CDWQCatalogDelayPane(kindDelay, paramIds[kindDelay], m_PaneWidths[kindDelay], paneHeight));
    for (int k = 0; k < numKinds; ++k)
        m_Viewports.add(new RSTouchScrollViewport(cellCounts[k], cellWidths[k], margin));

    for (int k = 0; k < numKinds; ++k)
    {
        auto* pane = m_Panes[k];
        addAndMakeVisible(pane);
        pane->init(m_PaneWidths[k], paneHeight);
        pane->setStoreSettingsEnabled(true);
        pane->setBounds(0, 0, m_PaneWidths[k], paneHeight);

        auto* viewport = m_Viewports[k];
        addAndMakeVisible(viewport);
        viewport->setBounds(0, 0, m_Width, paneHeight);
        // The viewport shows what it is given: the pane is hidden after.
        viewport->setViewedComponent(pane, false);
        pane->setVisible(false);
        viewport->setScrollBarsShown(false, false, false, true);
        viewport->setSingleStepSizes(cellWidths[k], cellWidths[k]);
        viewport->getHorizontalScrollBar().setColour(juce::ScrollBar::thumbColourId, juce::Colours::grey);
        viewport->getVerticalScrollBar().setColour(juce::ScrollBar::thumbColourId, juce::Colours::grey);
        viewport->setVisible(false);
    }
    setSize(m_Width, m_Height);
}

void DWQCatalogComponent::showOnly(int kind)
{
    for (int k = 0; k < numKinds; ++k)
    {
        m_Panes[k]->setVisible(k == kind);
        m_Viewports[k]->setVisible(k == kind);
    }
}

void DWQCatalogComponent::reinitialized()
{
    if (m_Panes.size() < numKinds)
        return;
    m_Panes[kindMod]->reinitialized();
    m_Panes[kindDelay]->reinitialized();
    m_Panes[kindAmp]->reinitialized();

    if (auto* section = DWQViewSupport::getSection())
        for (int k = 0; k < numKinds; ++k)
            m_Viewports[k]->JumpPosition(section->GetParamI(paramIds[k]));
}

void DWQCatalogComponent::changeListenerCallback(juce::ChangeBroadcaster* source)
{
    CatalogComponent::changeListenerCallback(source);
}

void DWQCatalogComponent::handleMessageSub(const juce::Message& message)
{
    auto* myMessage = dynamic_cast<const MyMessage*>(&message);
    auto* record = myMessage != nullptr ? myMessage->getRecord() : nullptr;
    if (record == nullptr || m_Panes.size() < numKinds)
        return;

    switch (record->id)
    {
        case eventReinitialized: reinitialized(); break;

        case eventValueChanged:
        {
            if (record->a == Section::idModOn)
            {
                m_Panes[kindMod]->reinitialized();
                break;
            }
            if (record->a == Section::idDlyRevOn)
            {
                m_Panes[kindDelay]->reinitialized();
                break;
            }
            const int kind = kindOfParam(record->a);
            if (kind < 0)
                break;
            m_CurrentKind = kind;
            if (! m_Panes[kind]->isVisible() || ! m_Viewports[kind]->isVisible())
                showOnly(kind);
            m_Panes[kind]->handleMessage(message);
            if (record->b != CHGSRC_CATALOG)
                if (auto* section = DWQViewSupport::getSection())
                    m_Viewports[kind]->JumpPosition(section->GetParamI(record->a));
            break;
        }

        case eventCatalogSelect:
        {
            // A module index the strip has no pane for selects nothing.
            const int kind = record->a;
            if (kind < 0 || kind >= numKinds)
                break;
            m_CurrentKind = kind;
            showOnly(kind);
            m_Panes[kind]->repaint();
            m_Panes[kind]->handleMessage(message);
            break;
        }

        default: break;
    }
}

void DWQCatalogComponent::paint(juce::Graphics& g)
{
    const auto image = RSWidgetSupport::getImage("back_DWHM_cat_765x400");
    if (! image.isValid())
        return;
    const int width = m_CurrentKind >= 0 && m_CurrentKind < numKinds ? m_PaneWidths[m_CurrentKind] : getWidth();
    const int height = m_Height - bottomGap;
    g.saveState();
    g.reduceClipRegion(0, 0, width, height);
    g.drawImageAt(image, 0, 0);
    g.restoreState();
}

void DWQCatalogComponent::resized()
{
    CatalogComponent::resized();
}
