#include "GUI/Catalog/HMQCatalogComponent.h"

#include "Core/MessageIds.h"
#include "Core/MyMessage.h"
#include "GUI/Catalog/CHMQCatalogAmpPane.h"
#include "GUI/Catalog/CHMQCatalogDelayPane.h"
#include "GUI/Catalog/CHMQCatalogPedal1Pane.h"
#include "GUI/Catalog/CHMQCatalogPedal2Pane.h"
#include "GUI/HMQ/HMQEditSupport.h"
#include "GUI/Widgets/RSWidgetSupport.h"
#include "ParamTable/HMQ/CHMQUserEditSectionImpl.h"

namespace
{
struct KindInfo
{
    int paramId;
    int cells;
    int cellWidth;
};

// In kind order: amp, pedal 1, reverb, pedal 2.
const KindInfo kKinds[HMQCatalogComponent::numKinds] = {
    { 768, 20, 196 },
    { 769, 10, 112 },
    { 772, 4, 112 },
    { 770, 7, 112 },
};
constexpr int kMargin = 20;
} // namespace

HMQCatalogComponent::HMQCatalogComponent(int width, int height, bool) : CatalogComponent(width, height)
{}

HMQCatalogComponent::~HMQCatalogComponent()
{
    // The viewports only show the panes; the base deletes the panes.
    for (auto* viewport : m_Viewports)
        viewport->setViewedComponent(nullptr, false);
    m_Viewports.clear();
}

int HMQCatalogComponent::kindOfParam(int paramId)
{
    for (int kind = 0; kind < numKinds; ++kind)
        if (kKinds[kind].paramId == paramId)
            return kind;
    return -1;
}

void HMQCatalogComponent::initialise()
{
    CatalogComponent::initialise();
    const int paneHeight = m_Height - bottomGap;

    m_Panes.add(new CHMQCatalogAmpPane(0, kKinds[0].paramId, m_PaneWidths[0], paneHeight));
    m_Panes.add(new CHMQCatalogPedal1Pane(1, kKinds[1].paramId, m_PaneWidths[1], paneHeight));
    m_Panes.add(new CHMQCatalogDelayPane(2, kKinds[2].paramId, m_PaneWidths[2], paneHeight));
    m_Panes.add(new CHMQCatalogPedal2Pane(3, kKinds[3].paramId, m_PaneWidths[3], paneHeight));

    for (int kind = 0; kind < numKinds; ++kind)
        m_Viewports.add(new RSTouchScrollViewport(kKinds[kind].cells, kKinds[kind].cellWidth, kMargin));

    for (int kind = 0; kind < numKinds; ++kind)
    {
        auto* pane = m_Panes[kind];
        addAndMakeVisible(pane);
        pane->init(m_Width, m_Height);
        pane->setStoreSettingsEnabled(true);
        pane->setBounds(0, 0, m_PaneWidths[kind], paneHeight);
        pane->setVisible(false);

        auto* viewport = m_Viewports[kind];
        addAndMakeVisible(viewport);
        viewport->setBounds(0, 0, m_Width, paneHeight);
        viewport->setViewedComponent(pane, false);
        viewport->setScrollBarsShown(false, false, false, true);
        viewport->setSingleStepSizes(kKinds[kind].cellWidth, kKinds[kind].cellWidth);
        viewport->getHorizontalScrollBar().setColour(juce::ScrollBar::thumbColourId, juce::Colours::grey);
        viewport->getVerticalScrollBar().setColour(juce::ScrollBar::thumbColourId, juce::Colours::grey);
        viewport->setVisible(false);
        // The viewport shows what it is given: hidden again, so that the
        // first type change or module selection shows it.
        pane->setVisible(false);
    }
    setSize(m_Width, m_Height);
}

void HMQCatalogComponent::showKind(int kind)
{
    for (int k = 0; k < numKinds && k < m_Panes.size(); ++k)
    {
        if (k == kind)
            continue;
        m_Panes[k]->setVisible(false);
        m_Viewports[k]->setVisible(false);
    }
    m_Panes[kind]->setVisible(true);
    m_Viewports[kind]->setVisible(true);
}

void HMQCatalogComponent::reinitialized()
{
    for (auto* pane : m_Panes)
        pane->reinitialized();
    auto* section = HMQEditSupport::getUserEditSection();
    if (section == nullptr)
        return;
    for (int kind = 0; kind < numKinds && kind < m_Viewports.size(); ++kind)
        m_Viewports[kind]->JumpPosition(section->GetParamI(kKinds[kind].paramId));
}

void HMQCatalogComponent::changeListenerCallback(juce::ChangeBroadcaster* source)
{
    CatalogComponent::changeListenerCallback(source);
}

void HMQCatalogComponent::handleMessageSub(const juce::Message& message)
{
    auto* myMessage = dynamic_cast<const MyMessage*>(&message);
    auto* record = myMessage != nullptr ? myMessage->getRecord() : nullptr;
    if (record == nullptr || m_Panes.size() < numKinds)
        return;

    switch (record->id)
    {
        case MessageId::SectionReinitialized: reinitialized(); break;

        case MessageId::SectionValueChanged:
        {
            const int kind = kindOfParam(record->a);
            auto* section = HMQEditSupport::getUserEditSection();
            if (kind < 0 || section == nullptr)
                return;
            const int value = section->GetParamI(record->a);
            m_CurrentKind = kind;
            if (! m_Panes[kind]->isVisible())
                showKind(kind);
            m_Panes[kind]->handleMessage(message);
            // A value without a cell scrolls nowhere.
            int row = 0, column = 0;
            if (record->b != CHGSRC_CATALOG && m_Panes[kind]->getMatrixByModel(value, row, column))
                m_Viewports[kind]->JumpPosition(value);
            break;
        }

        case MessageId::CatalogSelect:
        {
            const int kind = record->a;
            if (kind < 0 || kind >= numKinds)
                return;
            m_CurrentKind = kind;
            showKind(kind);
            m_Panes[kind]->repaint();
            m_Panes[kind]->handleMessage(message);
            repaint();
            break;
        }

        case MessageId::CatalogReserved:
            for (auto* pane : m_Panes)
                pane->handleMessage(message);
            break;

        default: break;
    }
}

void HMQCatalogComponent::paint(juce::Graphics& g)
{
    const auto image = RSWidgetSupport::getImage("back_DWHM_cat_765x400");
    if (! image.isValid())
        return;
    const int kind = juce::jlimit(0, numKinds - 1, m_CurrentKind);
    juce::Graphics::ScopedSaveState state(g);
    g.reduceClipRegion(0, 0, m_PaneWidths[kind], m_Height - bottomGap);
    g.drawImageAt(image, 0, 0);
}

void HMQCatalogComponent::resized()
{
    CatalogComponent::resized();
}
