#pragma once

#include "Action/FileTabView.h"
#include "GUI/Editor/CEditorLibrarianComponent.h"

#include <array>

class DWQEditorComponent;
class DWQLibFileComponent;
class DWQLibFileSubTab;
class DWQLibROMSubTab;
class DWQTabbedComponent;
class DWQUserButtonContainerComponent;

// The whole screen of the DWQR: the editor page at the top right, the user
// programs below it, and on the left the librarian tab panel with "Preset"
// and up to three program-file tabs, with the open, save and new-file
// buttons. The tab panel slides partly out of sight when the display is too
// narrow for both columns, and comes back when a program is dragged over it.
// The view is the file commands' tab view while it lives.
class CDWQEditorLibrarianComponent : public CEditorLibrarianComponent,
                                     public FileTabView
{
public:
    static constexpr int editorHeight = 560;
    static constexpr int numFileTabs = 3;

    CDWQEditorLibrarianComponent();
    ~CDWQEditorLibrarianComponent() override;

    void initialise() override;
    void changeListenerCallback(juce::ChangeBroadcaster* source) override;
    void renewPresetButtons() override;
    void buttonClicked(juce::Button* button) override;
    bool isInterestedInFileDrag(const juce::StringArray& files) override;
    juce::Component* getFileSubTabComponent(int index) override;
    juce::Component* getFirstFileSubTabComponent(int* index) override;
    void ROMSUbTabMove(bool show) override;

    // FileTabView
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

    DWQEditorComponent* getEditorPage() const;
    DWQTabbedComponent* getTabPanel() const;
    DWQLibROMSubTab* getPresetTab() const;
    DWQUserButtonContainerComponent* getUserPanel() const;
    DWQLibFileSubTab* getFileTab(int index) const;
    // The file page shown in tab tabIndex (1 and later), or null.
    DWQLibFileComponent* getFilePageOfTab(int tabIndex) const;
    juce::Button* getOpenButton() const;
    juce::Button* getSaveButton() const;
    juce::Button* getNewFileButton() const;
    juce::Rectangle<int> getHomeBounds() const noexcept { return homeBounds; }
    bool isSlidOut() const noexcept { return slidOut; }

private:
    // How far the tab panel moves left when it slides out.
    int slideDistance() const;
    void animateTabPanel(juce::Rectangle<int> target);

    std::array<DWQLibFileSubTab*, numFileTabs> fileTabs {};
    juce::Rectangle<int> homeBounds;
    bool slidOut = false;
    int tabDepth = 0;
    int columnWidth = 0;

    static bool ReEntrantLocked;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(CDWQEditorLibrarianComponent)
};
