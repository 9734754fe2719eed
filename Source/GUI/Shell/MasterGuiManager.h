#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class MainWindow;
class MainComponent;

// Owns the main window and passes every show, hide and query of the overlay
// pages to the main component; each call is safe before the window exists.
class MasterGuiManager : public juce::MessageListener
{
public:
    MasterGuiManager();
    ~MasterGuiManager() override;

    MainWindow* createMainWindow();
    MainWindow* getMainWindow() const noexcept { return mainWindow.get(); }

    void showDeviceSelect();
    void hideDeviceSelect();
    bool isDeviceSelectShowing() const;

    void showAudioEQEdit();
    void hideAudioEQEdit();
    bool isAudioEQEditShowing() const;
    juce::Component* getAudioEQEdit() const;

    void showUSBRoutingSelect();
    void hideUSBRoutingSelect();
    bool isUSBRoutingSelectShowing() const;
    juce::Component* getUSBRoutingSelect() const;

    void showBLEMidiDeviceSelect();

    void showCatalogSelMini();
    void hideCatalogSelMini();
    bool isCatalogSelMiniShowing() const;
    juce::Component* getCatalogSelMini() const;

    void showAboutPage();

    void showProgressBarDialog(const juce::String& text, int value);

    // Drag scrolling on or off for every live catalogue viewport.
    void setViewportTouchScroll(bool enabled);

    int getCurrentTargetModel() const;
    void changeTargetModel(int model);

    void handleMessage(const juce::Message& message) override;

private:
    MainComponent* getMainComponent() const;

    std::unique_ptr<MainWindow> mainWindow;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(MasterGuiManager)
};
