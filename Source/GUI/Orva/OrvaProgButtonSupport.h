#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class RSProgSelectButton;

// What the Orva PW and Orva KX user-slot and file-slot buttons share: their
// drawing, the drop on a user slot (with its question) and on a file slot,
// and the reading of a slot's amp type (as the edit section reads the same
// byte: one that is none of the types reads as type 0). The two models
// differ only in the values of a Look.
class OrvaProgButtonSupport
{
public:
    struct Look
    {
        juce::Colour selectedFill;  // fill of the button that is down or on
        juce::Colour selectedFrame; // its frame
        int compactBelow;           // user buttons: one-line layout below this height - 2
        const char* writeQuestion;  // asked before a drop on a user slot
    };
    static const Look& orvaPWLook();
    static const Look& orvaKXLook();

    using SourceDetails = juce::DragAndDropTarget::SourceDetails;

    // A user slot (program 0-7) ----------------------------------------------
    // The slot's index into the user programs, for the connected model.
    static int userIndexOf(int programNumber);
    static void paintUserButton(RSProgSelectButton& button, juce::Graphics& g, bool isButtonDown, int userIndex,
                                const Look& look);
    // Asks (as the preference says), then writes the dragged program.
    static void dropOnUserSlot(RSProgSelectButton& button, const SourceDetails& details, const Look& look);
    // Copies the source (the edit buffer for the current-program drag, else
    // program 0-31) into user program `destination`, sends it to the
    // amplifier when something was copied, and selects the slot.
    static void afterDropExecute(int destination, int source, const juce::String& dragId);

    // A file slot (program 8-31) ------------------------------------------------
    // Reads the slot's amp type (under the file-tab lock) and sets the images.
    static void renewFileButton(RSProgSelectButton& button, int file, int index, const Look& look);
    static void paintFileButton(RSProgSelectButton& button, juce::Graphics& g, bool isButtonDown, int file, int index,
                                const Look& look);
    // Copies the dragged program into the slot and selects it; no question
    // and nothing sent.
    static void dropOnFileSlot(RSProgSelectButton& button, const SourceDetails& details, const Look& look);

private:
    // The slot's record when its tab holds a file, read with the caller
    // holding the file-tab lock.
    static const unsigned char* fileRecord(int file, int index);
    static void updateAmpType(RSProgSelectButton& button, const unsigned char* record);
};
