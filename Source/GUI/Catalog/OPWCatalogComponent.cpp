#include "GUI/Catalog/OPWCatalogComponent.h"

#include "Core/MessageIds.h"
#include "Core/MyMessage.h"
#include "GUI/Catalog/COPWCatalogAmpPane.h"
#include "GUI/Catalog/COPWCatalogPedal1Pane.h"
#include "GUI/Catalog/COPWCatalogPedal2Pane.h"
#include "GUI/Editor/EditTarget.h"
#include "GUI/Widgets/RSWidgetSupport.h"
#include "ParamTable/COrvaUserEditSectionBase.h"

namespace
{
constexpr int firstTypeParam = 768; // amp, pedal 1, pedal 2 follow in kind order
}

OPWCatalogComponent::OPWCatalogComponent(int width, int height, bool) : CatalogComponent(width, height)
{}

OPWCatalogComponent::~OPWCatalogComponent()
{
    for (auto* viewport : m_Viewports)
        viewport->setViewedComponent(nullptr, false);
    m_Viewports.clear(true);
}

void OPWCatalogComponent::createPanes(int paneHeight)
{
    m_Panes.add(new COPWCatalogAmpPane(0, 768, m_PaneWidths[0], paneHeight));
    m_Panes.add(new COPWCatalogPedal1Pane(1, 769, m_PaneWidths[1], paneHeight));
    m_Panes.add(new COPWCatalogPedal2Pane(2, 770, m_PaneWidths[2], paneHeight));
}

void OPWCatalogComponent::initialise()
{
    CatalogComponent::initialise();
    m_BottomMargin = 19;
    const int paneHeight = m_Height - 39;

    createPanes(paneHeight);

    m_Viewports.add(new RSTouchScrollViewport(m_AmpCells, 196, 20));
    m_Viewports.add(new RSTouchScrollViewport(11, 112, 20));
    m_Viewports.add(new RSTouchScrollViewport(8, 112, 20));

    const int singleSteps[3] = { 196, 112, 112 };
    for (int k = 0; k < 3; ++k)
    {
        auto* pane = m_Panes[k];
        auto* viewport = m_Viewports[k];
        addAndMakeVisible(pane);
        pane->init(m_Width, paneHeight);
        pane->setStoreSettingsEnabled(true);
        pane->setBounds(0, 0, m_PaneWidths[k], paneHeight);
        pane->setVisible(false);

        addAndMakeVisible(viewport);
        viewport->setBounds(0, 0, m_Width, paneHeight);
        viewport->setViewedComponent(pane, false);
        viewport->setScrollBarsShown(false, false, false, true);
        viewport->setSingleStepSizes(singleSteps[k], 0);
        viewport->getHorizontalScrollBar().setColour(juce::ScrollBar::thumbColourId, juce::Colours::grey);
        viewport->getVerticalScrollBar().setColour(juce::ScrollBar::thumbColourId, juce::Colours::grey);
        viewport->setVisible(false);
    }
    setSize(m_Width, m_Height);
}

void OPWCatalogComponent::reinitialized()
{
    for (auto* pane : m_Panes)
        pane->reinitialized();
    auto* section = EditTarget::orvaEditSection();
    if (section == nullptr)
        return;
    for (int k = 0; k < m_Viewports.size(); ++k)
        m_Viewports[k]->JumpPosition(section->GetParamI(firstTypeParam + k));
}

void OPWCatalogComponent::showKind(int kind)
{
    for (int k = 0; k < m_Panes.size(); ++k)
    {
        m_Panes[k]->setVisible(k == kind);
        if (k < m_Viewports.size())
            m_Viewports[k]->setVisible(k == kind);
    }
}

void OPWCatalogComponent::handleMessageSub(const juce::Message& message)
{
    auto* myMessage = dynamic_cast<const MyMessage*>(&message);
    if (myMessage == nullptr || myMessage->getRecord() == nullptr || m_Panes.size() < 3)
        return;
    const auto& record = *myMessage->getRecord();

    switch (record.id)
    {
        case MessageId::SectionReinitialized: reinitialized(); break;

        case MessageId::SectionValueChanged:
        {
            const int kind = record.a - firstTypeParam;
            if (kind < 0 || kind > 2)
                break;
            m_CurrentKind = kind;
            if (! m_Panes[kind]->isVisible())
                showKind(kind);
            m_Panes[kind]->handleMessage(message);
            if (record.b != CHGSRC_CATALOG)
                if (auto* section = EditTarget::orvaEditSection())
                    m_Viewports[kind]->JumpPosition(section->GetParamI(record.a));
            repaint();
            break;
        }

        case MessageId::CatalogSelect:
            if (record.a < 0 || record.a > 2)
                break;
            m_CurrentKind = record.a;
            showKind(record.a);
            m_Panes[record.a]->repaint();
            m_Panes[record.a]->handleMessage(message);
            repaint();
            break;

        case MessageId::CatalogReserved:
            for (auto* pane : m_Panes)
                pane->handleMessage(message);
            break;

        default: break;
    }
}

void OPWCatalogComponent::paint(juce::Graphics& g)
{
    const auto back = RSWidgetSupport::getImage("back_orva_cat_756x300");
    if (! back.isValid())
        return;
    const int width = juce::jmin(back.getWidth(), getPaneWidth(m_CurrentKind));
    const int height = juce::jmin(back.getHeight(), getHeight() - m_BottomMargin - 20);
    if (width <= 0 || height <= 0)
        return;
    g.drawImage(back, 0, 0, width, height, 0, 0, width, height);
}
