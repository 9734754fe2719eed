#pragma once

#include "GUI/Shell/WindowTooltips.h"
#include "GUI/Widgets/CustomLookAndFeel.h"
#include "Platform/WindowEventDrain.h"

#include <juce_gui_basics/juce_gui_basics.h>

class MainComponent;

// The one top-level window; its content is the MainComponent.
class MainWindow : public juce::DocumentWindow,
                   public juce::MessageListener
{
public:
    MainWindow();
    ~MainWindow() override;

    void closeButtonPressed() override;
    void handleMessage(const juce::Message& message) override;

    MainComponent* getMainComponent() const;

    static const juce::String productName;

private:
    // The application-wide look; it outlives everything the window shows.
    CustomLookAndFeel customLookAndFeel;
    std::unique_ptr<WindowTooltips> tooltips;
    std::unique_ptr<WindowEventDrain> eventDrain;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(MainWindow)
};
