#pragma once

#include "GUI/Editor/AnotherComponentListner.h"

#include <juce_gui_basics/juce_gui_basics.h>

class PGNameEditComponent;
class EditParamComponent;
class CatalogComponent;
class MIDIIndicator;

// The editor page of a model's top view: the program-name strip, the
// catalogue strip, the parameter area and the header widgets (write, menu and
// help buttons, connection badge). The model subclass creates and places the
// children in initialize(); this base owns and deletes them.
class EditorComponent : public juce::Component,
                        public juce::Button::Listener,
                        public juce::MessageListener,
                        public AnotherComponentListner
{
public:
    EditorComponent(int width, int height);
    ~EditorComponent() override;

    virtual void initialize() = 0;
    // Write button: command 262; menu button: the popup menu; help button:
    // the model's manual.
    void buttonClicked(juce::Button* button) override;
    // 5 shows the connection badge while connected, hides it otherwise.
    void handleMessage(const juce::Message& message) override;
    void mouseDownByOtherComponent(juce::Component*) override {}

    // A whole-program refresh: parameter area, name strip, catalogue strip.
    void changeListenerCallback(juce::ChangeBroadcaster* source);

    void paint(juce::Graphics&) override {}
    void resized() override {}

    PGNameEditComponent* getNameEdit() const noexcept { return m_PGNameEdit; }
    EditParamComponent* getEditParam() const noexcept { return m_EditParam; }
    CatalogComponent* getCatalog() const noexcept { return m_Catalog; }
    juce::Button* getWriteButton() const noexcept { return m_WriteButton; }
    juce::Button* getMenuButton() const noexcept { return m_MenuButton; }
    juce::Button* getHelpButton() const noexcept { return m_HelpButton; }
    MIDIIndicator* getMIDIIndicator() const noexcept { return m_MIDIIndicator; }
    int getPageWidth() const noexcept { return m_Width; }
    int getPageHeight() const noexcept { return m_Height; }

    // The popup menu while the menu button's menu is open, else null.
    static juce::PopupMenu* m_menu;

protected:
    int m_Width;
    int m_Height;

    // Owned; created by the subclass's initialize.
    PGNameEditComponent* m_PGNameEdit = nullptr;
    EditParamComponent* m_EditParam = nullptr;
    CatalogComponent* m_Catalog = nullptr;
    juce::Button* m_WriteButton = nullptr;
    juce::Button* m_MenuButton = nullptr;
    juce::Button* m_HelpButton = nullptr;
    MIDIIndicator* m_MIDIIndicator = nullptr;

    // Where the name strip goes; set by the subclass before it makes it.
    juce::Rectangle<int> m_PGNameRect;

private:
    // Shows the menu below the menu button until the user chooses an item or
    // closes it.
    void showMenuBelowButton(juce::PopupMenu& menu);

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(EditorComponent)
};
