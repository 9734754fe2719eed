#pragma once

#include "GUI/Catalog/CJVCatalogBasePane.h"

#include <juce_gui_basics/juce_gui_basics.h>

// The container of a model's catalogue panes, one pane per module, of which
// one is shown. The model subclass builds the panes and routes the section
// events (1, 3, 7 and 14) that reach handleMessageSub.
class CatalogComponent : public juce::Component,
                         public juce::ChangeListener
{
public:
    CatalogComponent(int width, int height);
    ~CatalogComponent() override;

    virtual void initialise() {}
    // Re-reads the edit buffer into every pane.
    virtual void reinitialized() = 0;
    void changeListenerCallback(juce::ChangeBroadcaster*) override {}
    virtual void handleMessageSub(const juce::Message& message) = 0;

    void paint(juce::Graphics&) override {}
    void resized() override {}

    int getCurrentKind() const noexcept { return m_CurrentKind; }
    int getNumPanes() const noexcept { return m_Panes.size(); }
    CJVCatalogBasePane* getPane(int kind) const noexcept { return m_Panes[kind]; }

protected:
    int m_Width;
    int m_Height;
    juce::OwnedArray<CJVCatalogBasePane> m_Panes;
    int m_CurrentKind = 0;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(CatalogComponent)
};
