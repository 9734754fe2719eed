#pragma once

class DataCenter;
class MidiManager;
class COrvaUserEditSectionBase;

// Where the editor pages write: the current device's data centre and its
// program section. Every lookup answers null while no device environment or
// data centre exists.
class EditTarget
{
public:
    static DataCenter* dataCenter();
    static MidiManager* midiManager();
    // The program section of an Orva data centre, else null.
    static COrvaUserEditSectionBase* orvaEditSection();

    // Whether the MIDI manager reports any one of a program bulk receive, a
    // program bulk transmit or an audio-EQ receive.
    static bool isBulkTrafficRunning();

    // The flags of an edit: store, send and announce; while bulk traffic
    // runs, store and announce only, so that nothing is sent in the middle
    // of a transfer.
    static unsigned editWriteFlags();
};
