#pragma once

#include "Action/CRSMidiListener.h"
#include "DataCenter/DataCenter.h"

class ActionManager;
class EditorSysExFrame;

// A data centre that decodes its amplifier's messages. The functions every
// model handles alike are decoded here: the current-program dump, the
// parameter change, the mode message, the program dump, the stored notice,
// the write acknowledgement, the transfer-stopped notice and the short bank
// and program changes. Each model decodes the rest (decodeModelFunction) and
// carries its own chains (the on... steps).
class DecodingDataCenter : public DataCenter,
                           public CRSMidiListener
{
public:
    static constexpr int scratchSize = 66;

    // The size of n data bytes packed 7 bits to a byte: one byte of high
    // bits for every seven.
    static constexpr int packedSize(int n) { return n + (n + 6) / 7; }

    // The decoder; on the MIDI input thread. The whole message is handled
    // as one step of the message thread, so the views never see buffers,
    // sections or transfer flags half updated.
    void OnRSMidiListenerRcvSysExMessage(MidiManager* midi, MidiInputPort* source, const juce::MidiMessage& message) override;

protected:
    // modelByte: byte 5 of this model's frames; packedRecord: the packed
    // size of one program record.
    DecodingDataCenter(const ProgramNumbering& numbering, int modelByte, int packedRecord);

    // The class name that starts this decoder's log lines.
    virtual const char* className() const = 0;

    // Called under the message-thread lock before each message is decoded.
    virtual void beforeDecoding() {}
    // A function the shared part does not know.
    virtual void decodeModelFunction(MidiManager* midi, const EditorSysExFrame& frame) = 0;

    virtual void onModeMessage(MidiManager* midi, int kind, int program) = 0;
    virtual void onProgramDump(MidiManager* midi, int bank, int program, const juce::uint8* packed) = 0;
    virtual void onWriteAcknowledged(MidiManager* midi) = 0;
    virtual void onTransferStopped(MidiManager* midi) = 0;

    // Messages may change the buffers only while this model's amplifier is
    // connected and no bulk transfer is running.
    virtual bool acceptsUnsolicited(const MidiManager* midi) const = 0;

    // True when the frame holds that many bytes from its first argument on;
    // otherwise logs why it is ignored.
    bool needs(const EditorSysExFrame& frame, int bytesFromArgs) const;

    // The pause before the next request of a chain. The first pause of a
    // decoder step counts from the arrival of the message the step handles:
    // the wait for the message thread and the decoding are part of it, not
    // added to it. Every later pause is whole.
    void pause(int ms);
    void logIgnored(const juce::String& why) const;

    // The command layer's services the chains use; without a Host they do
    // nothing.
    static ActionManager* actionManager();
    static void requestTimer(int id, int ms);
    static void closeProgressBarDialog();
    // Ends a transfer: the bulk flags go and the progress dialog closes.
    static void clearBulkFlags(MidiManager* midi);
    // The state holder's current program becomes program, none deselected.
    static void setCurrentProgramState(int program);

    // The text a program-name change writes: at least 16 characters, blanks
    // for the characters of the first 16 a program name cannot hold.
    static juce::String programNameText(juce::String name);
    static constexpr int idProgName = (int) 0xFFFF0000;

    // Decoded records land here first.
    unsigned char scratch[scratchSize] = {};

private:
    void decodeSysEx(MidiManager* midi, const juce::uint8* raw, int size);
    void decodeShortMessage(MidiManager* midi, const juce::MidiMessage& message);

    double arrival = -1.0; // of the message being decoded; -1 once used
    const int frameModelByte;
    const int packedRecordSize;
};
