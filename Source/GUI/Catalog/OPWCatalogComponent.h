#pragma once

#include "GUI/Catalog/CatalogComponent.h"
#include "GUI/Widgets/RSTouchScrollViewport.h"

// The catalogue strip of the Orva PW: the amp, first-pedal and second-pedal
// panes, each in a sideways-scrolling viewport, one shown at a time. It
// follows the module being edited and keeps the shown pane scrolled to the
// selected model. The Orva KX catalogue is the same strip over its own
// panes, which it makes through createPanes.
class OPWCatalogComponent : public CatalogComponent
{
public:
    OPWCatalogComponent(int width, int height, bool small);
    ~OPWCatalogComponent() override;

    void initialise() override;
    void reinitialized() override;
    void handleMessageSub(const juce::Message& message) override;
    void paint(juce::Graphics& g) override;
    void resized() override {}

    RSTouchScrollViewport* getViewport(int kind) const noexcept { return m_Viewports[kind]; }
    int getPaneWidth(int kind) const noexcept { return kind >= 0 && kind < 3 ? m_PaneWidths[kind] : 0; }

protected:
    // Appends the amp, first-pedal and second-pedal panes (parameters 768,
    // 769, 770) of the pane widths, and sets the amp pane's cell count.
    virtual void createPanes(int paneHeight);

    int m_PaneWidths[3] = { 3372, 1272, 936 };
    int m_AmpCells = 17;

private:
    // Pane and viewport `kind` shown, the others hidden.
    void showKind(int kind);

    juce::OwnedArray<RSTouchScrollViewport> m_Viewports;
    int m_BottomMargin = 0;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(OPWCatalogComponent)
};
