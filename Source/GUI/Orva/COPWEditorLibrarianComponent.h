#pragma once

#include "GUI/Orva/COrvaEditorLibrarianComponent.h"

// The top view of the Orva PW (and its wireless twin): the editor page
// across the top, with the librarian column beside and below it.
class COPWEditorLibrarianComponent : public COrvaEditorLibrarianComponent
{
public:
    COPWEditorLibrarianComponent();
    ~COPWEditorLibrarianComponent() override;

protected:
    EditorComponent* createEditorPage(int width, int height) override;
    OrvaTabbedComponent* createTabPanel() override;
    UserButtonContainerComponent* createUserButtonContainer(int width, int height) override;
    RSLibFileSubTabBase* createFileSubTab(int x, int y, int width, int height, int fileIndex) override;
    int getFileCommandModel() const override { return 3; }
    juce::String getProgramFileExtension() const override { return ".opwprog"; }
    juce::Colour getAccentColour() const override { return juce::Colour(0xFFC5C5C6); }

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(COPWEditorLibrarianComponent)
};
