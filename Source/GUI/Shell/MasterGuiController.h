#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class MainWindow;
class MainComponent;
class CEditorLibrarianComponent;
class EditParamComponent;
class CatalogComponent;

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

    // A full refresh of the parameter area of the view's editor page.
    void OnIdleSectionReinitialized();
    // The program name's properties changed: the main component hears it.
    void OnIdleSectionParamPropsChanged(int paramId);

    juce::Rectangle<int> windowBounds;
    juce::Rectangle<int> displayTotalArea;
    juce::Rectangle<int> displayUserArea;

private:
    MainComponent* getMainComponent() const;
    CEditorLibrarianComponent* getView() const;
    EditParamComponent* getParamArea() const;
    CatalogComponent* getCatalogStrip() const;
    // The small catalogue, while it is shown.
    CatalogComponent* getShownCatalogSelMini() const;

    // The receivers a section event reaches after the parameter area and the
    // catalogue strip, by the view's model family:
    // - the Orva tail: the audio-EQ page while it is shown, else the view's
    //   global panel (Orva views only);
    void routeOrvaTail(const juce::Message& message);
    // - the HMQ views' lower panel and custom pages, by event id (ids 1, 3,
    //   7, 12 and 13; nothing for other views). The HMQ view fills this in.
    void routeHMQChain(const juce::Message& message);
    // - the USB-routing page (id 18) or the audio-EQ page (id 19) while it is
    //   shown, with a view only, before the Orva global panel.
    void routeOverlayPageEvent(const juce::Message& message);

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(MasterGuiController)
};
