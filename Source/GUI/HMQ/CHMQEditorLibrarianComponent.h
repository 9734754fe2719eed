#pragma once

#include "Action/FileTabView.h"
#include "GUI/Editor/CEditorLibrarianComponent.h"

class HMQEditorComponent;
class HMQLibFileSubTab;
class HMQLibROMSubTab;
class HMQTabbedComponent;
class HMQUserSubTab;

// The whole HMQ screen: the editor page top right, the lower panel with the
// user programs and the custom pages below it, and on the left the tab
// panel with the factory presets and up to three open program files, under
// the open and save buttons. Where the display is too narrow for both, the
// tab panel slides partly out of sight to the left and comes back while a
// program is dragged over it.
class CHMQEditorLibrarianComponent : public CEditorLibrarianComponent,
                                     public FileTabView
{
public:
    static constexpr int editorHeight = 560;

    CHMQEditorLibrarianComponent();
    ~CHMQEditorLibrarianComponent() override;

    void paint(juce::Graphics& g) override;
    void initialise() override;
    void changeListenerCallback(juce::ChangeBroadcaster* source) override;
    void renewPresetButtons() override;
    void buttonClicked(juce::Button* button) override;
    void handleMessage(const juce::Message& message) override;
    bool isInterestedInFileDrag(const juce::StringArray& files) override;
    juce::Component* getFileSubTabComponent(int index) override;
    juce::Component* getFirstFileSubTabComponent(int* index) override;
    UserButtonContainerComponent* getUserButtonContainer() override;
    void ROMSUbTabMove(bool shouldShow) override;

    // The section events of the lower panel and the custom pages (ids 1, 3,
    // 7, 12 and 13), as the GUI router hands them on.
    void handleSectionEvent(const juce::Message& message);

    // FileTabView: the file commands act on the tab panel.
    bool hasLeadingTab() const override { return true; }
    int getNumTabs() const override;
    int getCurrentTabIndex() const override;
    void setCurrentTabIndex(int tabIndex) override;
    juce::String getTabTitle(int tabIndex) const override;
    void setTabTitle(int tabIndex, const juce::String& title) override { retitleTab(tabIndex, title); }
    bool addFileTab(int fileTab, const juce::String& title) override;
    void removeFileTab(int tabIndex) override;
    void focusUserProgramButtons() override;
    void repaintUserProgramButtons() override;

    HMQEditorComponent* getEditorPage() const;
    HMQTabbedComponent* getTabPanel() const noexcept;
    HMQLibROMSubTab* getPresetTab() const noexcept;
    HMQUserSubTab* getLowerPanel() const noexcept { return m_LowerPanel; }
    juce::Button* getOpenButton() const noexcept { return m_OpenFileButton; }
    juce::Button* getSaveButton() const noexcept { return m_SaveFileButton; }
    juce::Button* getNewFileButton() const noexcept { return m_TabBarButton; }
    juce::Rectangle<int> getHomeRect() const noexcept { return m_HomeRect; }
    juce::Rectangle<int> getContentRect() const noexcept { return m_ContentRect; }
    bool isSlidOut() const noexcept { return m_SlidOut; }
    // How far the panel slides out: what the editor page leaves uncovered
    // of the display decides.
    int getSlideDistance() const;

    static bool ReEntrantLocked;

private:
    void moveTabPanel(bool home);
    HMQLibFileSubTab* fileSubTabAt(int tabIndex) const;

    HMQUserSubTab* m_LowerPanel = nullptr;
    HMQLibFileSubTab* m_FileSubTabs[3] = { nullptr, nullptr, nullptr };
    juce::Rectangle<int> m_HomeRect;
    juce::Rectangle<int> m_ContentRect;
    bool m_SlidOut = false;
    int m_Depth = 0;
    int m_ColumnWidth = 0;
    int m_EditorWidth = 0;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(CHMQEditorLibrarianComponent)
};
