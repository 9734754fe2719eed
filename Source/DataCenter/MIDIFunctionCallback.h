#pragma once

class MidiManager;

// What a data centre does with each kind of message the amplifier sends.
// Every callback returns 0; no caller reads the result.
class MIDIFunctionCallback
{
public:
    virtual ~MIDIFunctionCallback() = default;

    virtual int OnRcvCurProgDump(MidiManager* midi, const void* data, unsigned size) = 0;
    virtual int OnRcvProgDump(MidiManager* midi, int number, const void* data, unsigned size) = 0;
    virtual int OnRcvParamChange(MidiManager* midi, unsigned char hi, int lo, int value) = 0;
    virtual int OnRcvModeChange(MidiManager* midi, unsigned char kind, int number) = 0;
    virtual int OnRcvProgramChange(MidiManager* midi, int number, unsigned char newMode, unsigned char oldMode) = 0;
    virtual int OnRcvGlobalDump(MidiManager* midi, const void* data, unsigned size) = 0;
    virtual int OnRcvCustomAMPFXDump(MidiManager*, const void*, unsigned) { return 0; }
    virtual int OnRcvAudioEQDump(MidiManager*, const void*, unsigned, int) { return 0; }
    virtual int OnRcvCurAudioEQDump(MidiManager*, const void*, unsigned) { return 0; }
};
