#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class ActionManager;
class EditorComponent;
class UserButtonContainerComponent;

// The top view of one model's screen: its editor page across the top, the
// librarian tab panel and the user-program buttons. The model subclass builds
// every child in initialise(); this base owns them and deletes them.
class CEditorLibrarianComponent : public juce::Component,
                                  public juce::DragAndDropContainer,
                                  public juce::FileDragAndDropTarget,
                                  public juce::ChangeListener,
                                  public juce::Button::Listener,
                                  public juce::MessageListener
{
public:
    CEditorLibrarianComponent();
    ~CEditorLibrarianComponent() override;

    // Builds the whole view; run once right after construction.
    virtual void initialise() = 0;
    void changeListenerCallback(juce::ChangeBroadcaster* source) override = 0;
    void buttonClicked(juce::Button* button) override = 0;
    // 15 slides the tab panel, 5 goes to the user buttons and the editor page.
    void handleMessage(const juce::Message& message) override;
    bool isInterestedInFileDrag(const juce::StringArray& files) override;
    void filesDropped(const juce::StringArray& files, int x, int y) override;
    virtual juce::Component* getFileSubTabComponent(int index) = 0;
    // The first file sub-tab not in use, marked in use; null (index 3) when
    // all three are taken.
    virtual juce::Component* getFirstFileSubTabComponent(int* index) = 0;
    virtual UserButtonContainerComponent* getUserButtonContainer();
    virtual void ROMSUbTabMove(bool shouldShow) = 0;

    // The router's questions to the view (overridden by the model views).
    // Whether section events end with the Orva tail (audio-EQ page or
    // global panel).
    virtual bool isOrvaView() const { return false; }
    // Hands a routed section event to the view's global panel, if it has one.
    virtual void handleGlobalPanelMessage(const juce::Message&) {}
    // The preset buttons take the names the data centre holds (the views
    // with a preset page).
    virtual void renewPresetButtons() {}

    EditorComponent* getEditorComponent() const noexcept { return m_EditorComponent; }
    juce::Component* getTabbedComponent() const noexcept { return m_TabbedComponent; }
    juce::Component* getFirstSubTab() const noexcept { return m_FirstSubTab; }
    juce::ComponentAnimator& getAnimator() noexcept { return m_Animator; }

    void mouseDown(const juce::MouseEvent& e) override;
    void paint(juce::Graphics&) override {}
    void resized() override {}

protected:
    // Sets a flag for its lifetime: buttonClicked holds one so that a click
    // arriving while a command runs is ignored.
    struct ReEntryGuard
    {
        explicit ReEntryGuard(bool& f) : flag(f) { flag = true; }
        ~ReEntryGuard() { flag = false; }
        bool& flag;
    };

    // Runs the command of the new-file, open or save button; false for any
    // other button.
    bool invokeFileButton(juce::Button* button, ActionManager& actions);

    // Places the add-file button 5 pixels right of the last tab button (at
    // x 5 when there is none), its top 20 pixels above the tab-bar line.
    // Every change to the tabs' number or titles ends with it.
    void placeNewFileButton();
    // Gives the tab at tabIndex its title (nothing for another index) and
    // places the add-file button after the tabs as they now stand.
    void retitleTab(int tabIndex, const juce::String& title);

    // Owned; filled by the subclass's initialise, deleted here in this order.
    EditorComponent* m_EditorComponent = nullptr;
    juce::Component* m_TabbedComponent = nullptr;
    juce::Component* m_FirstSubTab = nullptr;
    UserButtonContainerComponent* m_UserButtonContainer = nullptr;
    juce::Button* m_OpenFileButton = nullptr;
    juce::Button* m_SaveFileButton = nullptr;
    juce::Button* m_TabBarButton = nullptr;

    // Where the sub-tab pages sit (each file sub-tab is placed there).
    juce::Rectangle<int> m_SubTabContentRect;

    juce::ComponentAnimator m_Animator;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(CEditorLibrarianComponent)
};
