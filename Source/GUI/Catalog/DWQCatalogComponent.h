#pragma once

#include "GUI/Catalog/CatalogComponent.h"

class RSTouchScrollViewport;

// The picture strip of the DWQR editor page from which the amp model, the
// modulation and the delay/reverb effect are picked: one scrolling row of
// cells per module, the module in focus shown. It follows the type changes
// and module selections of the program edit section.
class DWQCatalogComponent : public CatalogComponent
{
public:
    enum Kind
    {
        kindAmp = 0,
        kindMod = 1,
        kindDelay = 2,
        numKinds = 3
    };
    static constexpr int bottomGap = 19;

    // The flag has no effect.
    DWQCatalogComponent(int width, int height, bool small);
    ~DWQCatalogComponent() override;

    void paint(juce::Graphics& g) override;
    void resized() override;
    void initialise() override;
    void reinitialized() override;
    void changeListenerCallback(juce::ChangeBroadcaster* source) override;
    void handleMessageSub(const juce::Message& message) override;

    RSTouchScrollViewport* getViewport(int kind) const;

private:
    void showOnly(int kind);

    juce::OwnedArray<RSTouchScrollViewport> m_Viewports;
    const int m_PaneWidths[numKinds] = { 2196, 488, 488 };

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(DWQCatalogComponent)
};
