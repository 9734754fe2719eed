#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class MainWindow;

// The router through which section events and GUI requests reach the visible
// pages. It also fixes the desktop settings and shows the main window. It owns
// the record of every message posted to it and deletes it after routing.
class MasterGuiController : public juce::MessageListener
{
public:
    MasterGuiController();
    ~MasterGuiController() override;

    MainWindow* getMainWindow() const;
    void showMainWindow();

    static int getTitleBarHeight() noexcept { return 22; }

    void handleMessage(const juce::Message& message) override;

    juce::Rectangle<int> windowBounds;
    juce::Rectangle<int> displayTotalArea;
    juce::Rectangle<int> displayUserArea;

private:
    // The audio-EQ page (or else the USB-routing page) while it is shown.
    juce::MessageListener* overlayPage(bool audioEQ) const;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(MasterGuiController)
};
