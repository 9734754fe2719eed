#pragma once

#include "GUI/Catalog/CatalogComponent.h"
#include "GUI/Widgets/RSTouchScrollViewport.h"

// The HMQ catalogue strip: four panes (amp, pedal 1, reverb, pedal 2), each
// in its own horizontally scrolling viewport; one pane is shown at a time,
// the one of the module in focus. It follows type changes made elsewhere.
class HMQCatalogComponent : public CatalogComponent
{
public:
    static constexpr int numKinds = 4;
    static constexpr int bottomGap = 19;

    HMQCatalogComponent(int width, int height, bool small);
    ~HMQCatalogComponent() override;

    void paint(juce::Graphics& g) override;
    void resized() override;
    void initialise() override;
    void reinitialized() override;
    void changeListenerCallback(juce::ChangeBroadcaster* source) override;
    void handleMessageSub(const juce::Message& message) override;

    // The catalogue kind of a type parameter (768 amp 0, 769 pedal 1 1,
    // 772 reverb 2, 770 pedal 2 3), -1 for any other id.
    static int kindOfParam(int paramId);

    RSTouchScrollViewport* getViewport(int kind) const { return m_Viewports[kind]; }

private:
    // Shows pane and viewport `kind` and hides the others.
    void showKind(int kind);

    juce::OwnedArray<RSTouchScrollViewport> m_Viewports;
    const int m_PaneWidths[numKinds] { 3960, 1160, 488, 824 };

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(HMQCatalogComponent)
};
