#pragma once

#include "GUI/CEditorLibrarianComponent.h"

// The top view of the Orva KX (and its wireless twin): the editor page
// across the top, with the librarian column beside and below it.
class COKXEditorLibrarianComponent : public CEditorLibrarianComponent
{
public:
    COKXEditorLibrarianComponent();
    ~COKXEditorLibrarianComponent() override;

    void initialise() override;
    // A whole program arrived: the editor page refreshes.
    void changeListenerCallback(juce::ChangeBroadcaster* source) override;
    void buttonClicked(juce::Button*) override {}
    bool isInterestedInFileDrag(const juce::StringArray& files) override;
    juce::Component* getFileSubTabComponent(int index) override;
    juce::Component* getFirstFileSubTabComponent(int* index) override;
    void ROMSUbTabMove(bool) override {}

    bool isOrvaView() const override { return true; }

    void paint(juce::Graphics&) override {}

    // The editor page's height; the user buttons sit below it.
    static constexpr int editorHeight = 573;

    // The width of the librarian column left of the editor page.
    int getColumnWidth() const noexcept { return m_ColumnWidth; }

private:
    int m_ColumnWidth = 0;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(COKXEditorLibrarianComponent)
};
