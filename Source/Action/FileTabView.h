#pragma once

#include <juce_core/juce_core.h>

// What the file commands need of the model's editor-librarian view: its
// tabbed component (file tabs, after a preset tab on the DWQ and HMQ) and
// its user-program buttons. The view registers itself with
// ActionManager::setFileTabView when it is built and clears it before it
// goes away; without a view the commands change only the data centre.
class FileTabView
{
public:
    virtual ~FileTabView() = default;

    // True when a preset tab stands in front of the file tabs (DWQ, HMQ):
    // file tab k is shown at tab index k + 1, else at k.
    virtual bool hasLeadingTab() const = 0;

    virtual int getNumTabs() const = 0;
    virtual int getCurrentTabIndex() const = 0;
    // -1 selects no tab.
    virtual void setCurrentTabIndex(int tabIndex) = 0;
    virtual juce::String getTabTitle(int tabIndex) const = 0;
    virtual void setTabTitle(int tabIndex, const juce::String& title) = 0;

    // Adds file tab `fileTab` as the last tab with the title, makes it
    // current, gives its button the close button, renumbers its file page,
    // enables the first tab's close button as the model needs and places the
    // add-file button. False when no free file sub-tab of the model exists.
    virtual bool addFileTab(int fileTab, const juce::String& title) = 0;

    // Removes the tab at tabIndex (its program buttons switched off), selects
    // the tab before it, renumbers the later file pages and places the
    // add-file button.
    virtual void removeFileTab(int tabIndex) = 0;

    virtual void focusUserProgramButtons() = 0;
    virtual void repaintUserProgramButtons() = 0;
};
