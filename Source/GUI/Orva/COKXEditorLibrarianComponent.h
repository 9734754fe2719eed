#pragma once

#include "GUI/Orva/COrvaEditorLibrarianComponent.h"

// The top view of the Orva KX (and its wireless twin): the editor page
// across the top, with the librarian column beside and below it.
class COKXEditorLibrarianComponent : public COrvaEditorLibrarianComponent
{
public:
    COKXEditorLibrarianComponent();
    ~COKXEditorLibrarianComponent() override;

protected:
    EditorComponent* createEditorPage(int width, int height) override;
    OrvaTabbedComponent* createTabPanel() override;
    UserButtonContainerComponent* createUserButtonContainer(int width, int height) override;
    RSLibFileSubTabBase* createFileSubTab(int x, int y, int width, int height, int fileIndex) override;
    int getFileCommandModel() const override { return 2; }
    juce::String getProgramFileExtension() const override { return ".okxprog"; }
    juce::Colour getAccentColour() const override { return juce::Colour(0xFFCEA939); }

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(COKXEditorLibrarianComponent)
};
