#pragma once

#include "GUI/CEditorLibrarianComponent.h"

class DWQEditorComponent;

// The whole screen of the DWQR: the editor page at the top right, with the
// librarian column beside and below it.
class CDWQEditorLibrarianComponent : public CEditorLibrarianComponent
{
public:
    static constexpr int editorHeight = 560;

    CDWQEditorLibrarianComponent();
    ~CDWQEditorLibrarianComponent() override;

    void initialise() override;
    void changeListenerCallback(juce::ChangeBroadcaster* source) override;
    void buttonClicked(juce::Button*) override {}
    bool isInterestedInFileDrag(const juce::StringArray& files) override;
    juce::Component* getFileSubTabComponent(int) override { return nullptr; }
    juce::Component* getFirstFileSubTabComponent(int* index) override;
    void ROMSUbTabMove(bool) override {}

    DWQEditorComponent* getEditorPage() const;

private:
    int columnWidth = 0;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(CDWQEditorLibrarianComponent)
};
