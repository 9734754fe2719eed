#pragma once

#include "GUI/CEditorLibrarianComponent.h"

class HMQEditorComponent;

// The screen shown while an HMQ is the target model. It holds the HMQ
// editor page across the top right.
class CHMQEditorLibrarianComponent : public CEditorLibrarianComponent
{
public:
    static constexpr int editorHeight = 560;

    CHMQEditorLibrarianComponent();
    ~CHMQEditorLibrarianComponent() override;

    HMQEditorComponent* getEditorPage() const;

    void paint(juce::Graphics& g) override;
    void initialise() override;
    void changeListenerCallback(juce::ChangeBroadcaster* source) override;
    void buttonClicked(juce::Button*) override {}
    bool isInterestedInFileDrag(const juce::StringArray& files) override;
    juce::Component* getFileSubTabComponent(int) override { return nullptr; }
    juce::Component* getFirstFileSubTabComponent(int* index) override;
    void ROMSUbTabMove(bool) override {}

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(CHMQEditorLibrarianComponent)
};
