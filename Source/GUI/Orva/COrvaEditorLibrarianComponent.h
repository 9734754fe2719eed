#pragma once

#include "Action/FileTabView.h"
#include "GUI/Editor/CEditorLibrarianComponent.h"

class OrvaGlobalMiniComponent;
class OrvaGlobalSubTab;
class OrvaTabbedComponent;
class RSLibFileSubTabBase;
class RSLibFileComponentBase;

// The working screen of the Orva models: the editor page at the top right,
// the tab column of the open program files at the top left (it slides aside
// where the display is narrow), the global panel below it and the user
// programs at the bottom right. The Orva PW and Orva KX screens differ only
// in the classes of their children, the model of their file commands, their
// program-file extension and their accent colour, which the model classes
// give. The screen is the command layer's view of the file tabs.
class COrvaEditorLibrarianComponent : public CEditorLibrarianComponent,
                                      public FileTabView
{
public:
    static constexpr int editorHeight = 573;
    static constexpr int numFileTabs = 3;

    COrvaEditorLibrarianComponent() = default;
    ~COrvaEditorLibrarianComponent() override;

    void initialise() override;
    void changeListenerCallback(juce::ChangeBroadcaster* source) override;
    void buttonClicked(juce::Button* button) override;
    bool isInterestedInFileDrag(const juce::StringArray& files) override;
    juce::Component* getFileSubTabComponent(int index) override;
    juce::Component* getFirstFileSubTabComponent(int* index) override;
    void ROMSUbTabMove(bool open) override;

    bool isOrvaView() const override { return true; }
    void handleGlobalPanelMessage(const juce::Message& message) override;

    void paint(juce::Graphics&) override {}

    // FileTabView: every tab is a file tab; tab index = file index.
    bool hasLeadingTab() const override { return false; }
    int getNumTabs() const override;
    int getCurrentTabIndex() const override;
    void setCurrentTabIndex(int tabIndex) override;
    juce::String getTabTitle(int tabIndex) const override;
    void setTabTitle(int tabIndex, const juce::String& title) override { retitleTab(tabIndex, title); }
    bool addFileTab(int fileTab, const juce::String& title) override;
    void removeFileTab(int tabIndex) override;
    void focusUserProgramButtons() override;
    void repaintUserProgramButtons() override;

    OrvaTabbedComponent* getTabPanel() const noexcept { return m_TabPanel; }
    OrvaGlobalMiniComponent* getGlobalPanel() const noexcept { return m_GlobalPanel; }
    OrvaGlobalSubTab* getGlobalSubTab() const noexcept { return m_GlobalSubTab; }
    juce::Button* getOpenButton() const noexcept { return m_OpenFileButton; }
    juce::Button* getSaveButton() const noexcept { return m_SaveFileButton; }
    juce::Button* getNewFileButton() const noexcept { return m_TabBarButton; }
    // The file page shown in tab t, or null.
    RSLibFileComponentBase* getFilePageOfTab(int tabIndex) const;
    bool isCollapsed() const noexcept { return m_Collapsed; }
    juce::Rectangle<int> getHomeRectangle() const noexcept { return m_HomeRect; }
    juce::Rectangle<int> getFoldedRectangle() const;
    int getColumnWidth() const noexcept { return m_HomeRect.getWidth(); }

protected:
    // The model's children and facts. Without an editor page (null) the
    // column stands beside an empty editor area.
    virtual EditorComponent* createEditorPage(int width, int height) = 0;
    virtual OrvaTabbedComponent* createTabPanel() = 0;
    virtual UserButtonContainerComponent* createUserButtonContainer(int width, int height) = 0;
    virtual RSLibFileSubTabBase* createFileSubTab(int x, int y, int width, int height, int fileIndex) = 0;
    virtual int getFileCommandModel() const = 0; // 2 Orva KX, 3 Orva PW
    virtual juce::String getProgramFileExtension() const = 0;
    virtual juce::Colour getAccentColour() const = 0;

private:
    juce::ImageButton* makeHeaderButton(const juce::String& imageName);
    void slideTo(juce::Rectangle<int> target);
    // The first file tab's close button works only while another file is open.
    void enableFirstCloseButton();
    RSLibFileSubTabBase* subTabOfTab(int tabIndex) const;

    OrvaTabbedComponent* m_TabPanel = nullptr;          // = m_TabbedComponent
    OrvaGlobalSubTab* m_GlobalSubTab = nullptr;         // = m_FirstSubTab
    OrvaGlobalMiniComponent* m_GlobalPanel = nullptr;   // owned
    RSLibFileSubTabBase* m_FileSubTabs[numFileTabs] {}; // owned
    bool m_Collapsed = false;
    int m_TabDepth = 0;
    int m_EditorWidth = 0;
    juce::Rectangle<int> m_HomeRect;

    // Set while a button click is handled (its commands may run modal loops).
    static bool ReEntrantLocked;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(COrvaEditorLibrarianComponent)
};
