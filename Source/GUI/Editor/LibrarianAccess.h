#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class CEditorLibrarianComponent;
class DataCenter;
class MidiManager;
class OrvaDataCenter;

// How the librarian's widgets reach what lies outside them: the Host's
// current data centre and MIDI manager, and the main window's current
// editor-librarian view. Every answer may be null.
class LibrarianAccess
{
public:
    static DataCenter* getDataCenter();
    // The data centre when the connected model is an Orva model.
    static OrvaDataCenter* getOrvaDataCenter();
    static MidiManager* getMidiManager();
    // The connected model id, -1 without a device environment.
    static int getModelId();

    static CEditorLibrarianComponent* getCurrentView();
    static void repaintCurrentView();

    // Selects user slot 0-7 as a click on its button does: the current
    // view's user-button container switches the slot's button on and handles
    // the click. Nothing without a view, a container or the button.
    static void selectUserSlot(int slot);

    // A program dropped on a slot, before the drop is handled (and its write
    // question asked): the current view's user-button container takes the
    // keyboard focus (so that keys typed after the answer reach no text
    // field), and what is left of the drag (the drag image fading out) goes
    // from the screen at once.
    static void settleProgramDrop();

    // Sends a change message on the MIDI manager (the views refresh).
    static void broadcastChange();
};
