#pragma once

#include "Action/ProgressView.h"

#include <juce_gui_basics/juce_gui_basics.h>

class AudioEQEditComponent;
class CAboutDialogComponent;
class CEditorLibrarianComponent;
class CProgressBarDialogComponent;
class USBRoutingSelectComponent;
class WriteProgDialogComponent;
class OverlayComponentHolder;

// The content of the main window: the current model's editor-librarian view
// and, over it, at most one overlay page.
class MainComponent : public juce::Component,
                      public juce::ApplicationCommandTarget,
                      public juce::ChangeListener,
                      public juce::MessageListener,
                      public ProgressView
{
public:
    MainComponent();
    ~MainComponent() override;

    void initialise();
    // Builds the view of the model (see EditorLibrarianViewFactory); a
    // wireless model and its wired twin share one view.
    void changeTargetModel(int model);

    // The editor-librarian view of the target model, or null.
    CEditorLibrarianComponent* getView() const noexcept { return m_View; }
    // Hands the keyboard focus to the parameter area of the view's editor
    // page, when there is a view and no page is shown over it.
    void focusParameterArea();

    // Overlay pages: at most one is shown at a time; a show request while
    // another page is shown is ignored. Hides do nothing when their page is
    // not shown. The audio-EQ and USB-routing pages follow the MIDI manager's change
    // messages while they are shown.
    // The device page is the one DeviceSelectComponent, made on first show
    // and deleted with this component.
    void showAboutPage();
    void hideAboutPage();
    bool isAboutPageShowing() const noexcept { return aboutPage != nullptr; }
    CAboutDialogComponent* getAboutPage() const noexcept { return aboutPage.get(); }

    void showDeviceSelect();
    void hideDeviceSelect();
    bool isDeviceSelectShowing() const noexcept;

    void showAudioEQEdit();
    void hideAudioEQEdit();
    bool isAudioEQEditShowing() const noexcept { return audioEQEdit != nullptr; }
    juce::Component* getAudioEQEdit() const noexcept;

    void showUSBRoutingSelect();
    void hideUSBRoutingSelect();
    bool isUSBRoutingSelectShowing() const noexcept { return usbRoutingSelect != nullptr; }
    juce::Component* getUSBRoutingSelect() const noexcept;

    void showCatalogSelMini();
    void hideCatalogSelMini();
    bool isCatalogSelMiniShowing() const noexcept { return catalogSelMini != nullptr; }
    juce::Component* getCatalogSelMini() const noexcept { return catalogSelMini.get(); }

    bool showBLEMidiDeviceSelect();
    void hideBLEMidiDeviceSelect();
    bool isBLEMidiDeviceSelectShowing() const;
    static void exitBLECallback(int result, int);

    // The progress dialog (a hidden child, parked outside the window, until
    // opened). An empty text keeps the last one.
    void openProgressBarDialog(const juce::String& text, int value);
    void setProgressRange(juce::Range<int> range) noexcept { progressRange = range; }
    juce::Range<int> getProgressRange() const;
    void closeProgressBarDialog();
    bool isProgressBarDialogShowing() const noexcept;
    juce::String getProgressText() const;
    int getProgressValue() const;
    CProgressBarDialogComponent* getProgressBarDialog() const noexcept { return progressDialog.get(); }
    // The write-program dialog (a hidden child, parked outside the window).
    WriteProgDialogComponent* getWriteProgDialog() const noexcept { return writeProgDialog.get(); }

    // ProgressView: registered with the command layer by initialise.
    void openProgress(juce::Range<int> range, const juce::String& text, int value) override;
    void closeProgress() override { closeProgressBarDialog(); }
    void showQuitWaiting(bool waiting) override;
    void refreshStatus() override;
    void renewPresetButtons() override;
    void bringWindowToFront() override;

    OverlayComponentHolder* getOverlayHolder() const noexcept { return overlayHolder.get(); }

    void handleMessage(const juce::Message& message) override;
    void changeListenerCallback(juce::ChangeBroadcaster*) override {}

    juce::ApplicationCommandTarget* getNextCommandTarget() override;
    void getAllCommands(juce::Array<juce::CommandID>&) override {}
    void getCommandInfo(juce::CommandID, juce::ApplicationCommandInfo&) override {}
    bool perform(const InvocationInfo&) override { return true; }

    void paint(juce::Graphics& g) override;
    void resized() override {}
    // Tab and a focus passed on reach only the widgets that can be seen.
    std::unique_ptr<juce::ComponentTraverser> createKeyboardFocusTraverser() override;
    bool keyPressed(const juce::KeyPress&) override { return false; }

    // The model whose view is built; -1 until a model is chosen.
    static int m_TargetModelId;
    // Held while the view is replaced.
    static juce::CriticalSection& m_MainComponentCriticalSection; // ActionManager::viewLock

private:
    void destroyView();
    // Message 16: the saved tabs and the command-line files open again.
    void reloadSavedInstance();
    // Asks for the blank-program check after delayMs when the current data
    // centre has no open file tab.
    void requestBlankProgramCheck(int delayMs);
    bool canShowOverlay() const noexcept { return overlayHolder == nullptr; }
    void showInHolder(juce::Component* page, bool typeSelect);
    // Deletes the overlay holder and hands the focus to this component.
    void closeHolder();
    template <typename Page>
    void closePage(std::unique_ptr<Page>& page);
    void listenToMidiChanges(juce::ChangeListener* page, bool listen);

    std::unique_ptr<CAboutDialogComponent> aboutPage;
    std::unique_ptr<AudioEQEditComponent> audioEQEdit;
    std::unique_ptr<USBRoutingSelectComponent> usbRoutingSelect;
    std::unique_ptr<juce::Component> catalogSelMini;
    std::unique_ptr<CProgressBarDialogComponent> progressDialog;
    std::unique_ptr<WriteProgDialogComponent> writeProgDialog;
    std::unique_ptr<OverlayComponentHolder> overlayHolder;
    juce::Range<int> progressRange;
    CEditorLibrarianComponent* m_View = nullptr; // owned

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(MainComponent)
};
