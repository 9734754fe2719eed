#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The content of the main window: the current model's editor-librarian view
// and, over it, at most one overlay page.
class MainComponent : public juce::Component,
                      public juce::ApplicationCommandTarget,
                      public juce::ChangeListener,
                      public juce::MessageListener
{
public:
    MainComponent();
    ~MainComponent() override;

    void initialise();
    void changeTargetModel(int model);

    void handleMessage(const juce::Message& message) override;
    void changeListenerCallback(juce::ChangeBroadcaster*) override {}

    juce::ApplicationCommandTarget* getNextCommandTarget() override;
    void getAllCommands(juce::Array<juce::CommandID>&) override {}
    void getCommandInfo(juce::CommandID, juce::ApplicationCommandInfo&) override {}
    bool perform(const InvocationInfo&) override { return true; }

    void paint(juce::Graphics& g) override;
    void resized() override {}
    bool keyPressed(const juce::KeyPress&) override { return false; }

    // The model whose view is built; -1 until a model is chosen.
    static int m_TargetModelId;
    static juce::CriticalSection m_MainComponentCriticalSection;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(MainComponent)
};
