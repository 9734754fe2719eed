#pragma once

#include "Action/CRSMidiListener.h"
#include "Action/CRSMidiOutMessageManager.h"
#include "Platform/MidiInputPortCallback.h"
#include "Platform/MidiPortSystem.h"

#include <juce_events/juce_events.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <vector>

// Owns the one MIDI input and output through which the editor talks to the
// connected amplifier, fans every incoming message out to the registered
// listeners, sends the editor's SysEx messages and carries the shared state
// of the bulk-transfer chains. Ports come from the current port system;
// pauses go through the current clock.
class MidiManager : public CRSMidiOutMessageManager,
                    public MidiInputPortCallback,
                    public juce::ChangeBroadcaster
{
public:
    MidiManager();
    ~MidiManager() override;

    // Number of program slots of each model's program space, by model id.
    static const int numProgramsPerModel[6];
    static int getNumPrograms(int modelId) noexcept;

    // Ports -----------------------------------------------------------------
    bool openMIDIInPort(int index);
    bool openMIDIOutPort(int index);
    bool reopenMIDIInPort(int index);
    bool reopenMIDIOutPort(int index);
    int getMIDIInPortFromName(juce::String name);
    int getMIDIOutPortFromName(juce::String name);
    int getMIDIInPortIndex() const noexcept { return inputIndex; }
    int getMIDIOutPortIndex() const noexcept { return outputIndex; }
    bool isMIDIOutPortOpen() const;
    bool isMIDIInPortOpen() const;

    // Close the input (stopped first) or the output; the remembered index is
    // kept so that the same port can be reopened. The input is taken out
    // under the port lock and deleted outside it: deleting an input waits for
    // its callback, which may itself be waiting for the message thread.
    void closeMIDIInPort();
    void closeMIDIOutPort();

    // Forget the remembered port indexes (both become -1).
    void clearMIDIPortIndexes() noexcept;

    // Guards the input; taken after the connection manager's lock.
    const juce::CriticalSection& getPortLock() const noexcept { return portLock; }

    // Both copies of the target model: the builders' and the send operations'.
    void setModel(int modelId) noexcept;
    void setSendModel(int modelId) noexcept { sendModel = modelId; }
    int getSendModel() const noexcept { return sendModel; }

    // Listeners -------------------------------------------------------------
    void AddListener(CRSMidiListener* listener);
    void ClearListeners();
    // Removes every registration of the listener and returns once no dispatch
    // that may still call it is running (at once when called from a handler).
    void RemoveListener(CRSMidiListener* listener);
    int getNumListeners() const;
    bool isListener(const CRSMidiListener* listener) const;
    // Adds the listener unless it is registered already; true when added.
    bool AddListenerOnce(CRSMidiListener* listener);

    // Sending (each does nothing without an open output or when the message
    // cannot be built) -----------------------------------------------------
    void sendCurProgDumpRequest();
    void sendCurProgWrite(int prog);
    void sendModeRequest();
    void sendProgDumpRequest(int bank, int prog);
    void sendGlobalDumpRequest();
    void sendCurEQDumpRequest();
    void sendAudioEQDumpRequest(int slot);
    void sendCustomAmpFXDumpRequest(int slot);
    void sendCurProgDump();
    void sendParamChange16(unsigned char idHi, unsigned char idLo, unsigned short value, int delayMs);
    void sendProgDumpOut(int index);
    void sendAudioEQDump(int slot);
    void sendModeChange(int mode, int prog, int delayMs);
    void sendCustomBufDump(int slot);

    // Where sendProgDumpOut takes a program from: the builder's bank argument
    // (0 preset, 1 user), the program number within that bank, whether the
    // record is a preset and the record size. False when the index is not a
    // program of the model.
    struct ProgDumpSource
    {
        int bank = 1;
        int prog = 0;
        bool preset = false;
        int size = 0;
    };
    static bool getProgDumpSource(int modelId, int index, ProgDumpSource& source);

    // Size of the current program record of a model, 0 when it has none.
    static int getCurProgSize(int modelId) noexcept;

    // Incoming, on the MIDI input thread.
    void handleIncomingMidiMessage(MidiInputPort* source, const juce::MidiMessage& message) override;

    // Bulk-transfer state ---------------------------------------------------
    bool isSyncRunning() const noexcept { return syncRunning; }
    void setSyncRunning(bool b) noexcept { syncRunning = b; }
    bool isBulkReceive() const noexcept { return bulkReceive; }
    void setBulkReceive(bool b) noexcept { bulkReceive = b; }
    bool isBulkTransmit() const noexcept { return bulkTransmit; }
    void setBulkTransmit(bool b) noexcept { bulkTransmit = b; }
    bool isSynchronised() const noexcept { return synchronised; }
    void setSynchronised(bool b) noexcept { synchronised = b; }
    bool isCustomBulkReceive() const noexcept { return customBulkReceive; }
    void setCustomBulkReceive(bool b) noexcept { customBulkReceive = b; }
    bool isAudioEQBulkReceive() const noexcept { return audioEQBulkReceive; }
    void setAudioEQBulkReceive(bool b) noexcept { audioEQBulkReceive = b; }
    int getSequenceCounter() const noexcept { return sequenceCounter; }
    void setSequenceCounter(int n) noexcept { sequenceCounter = n; }
    int getCustomCounter() const noexcept { return customCounter; }
    void setCustomCounter(int n) noexcept { customCounter = n; }
    int getAudioEQCounter() const noexcept { return audioEQCounter; }
    void setAudioEQCounter(int n) noexcept { audioEQCounter = n; }
    // A new synchronisation starts from here: the custom and audio-EQ
    // sub-chains of one that was cut off leave nothing behind.
    void resetSubChains() noexcept
    {
        customBulkReceive = false;
        customCounter = 0;
        audioEQBulkReceive = false;
        audioEQCounter = 0;
    }

private:
    using ListenerList = std::vector<CRSMidiListener*>;

    // Sends header plus packed data as one SysEx message; false when no
    // output is open.
    bool sendSysEx(const unsigned char* buf, int length);
    bool sendHeaderWithData(unsigned char* buf, int headerLength, const unsigned char* data, int dataLength);
    void pause(int ms);

    // The data of the Host's current device environment's data centre; null
    // when there is none (the dump operations then send nothing).
    const unsigned char* dataCentreEditBuf() const;
    const unsigned char* dataCentreRAMProg(int index) const;
    const unsigned char* dataCentreROMProg(int index) const;
    const unsigned char* dataCentreAudioEQBuf(int slot) const;
    const unsigned char* dataCentreCustomBuf(int slot) const;

    std::atomic<int> sendModel { -1 };

    juce::CriticalSection portLock;   // guards the input
    juce::CriticalSection outputLock; // guards the output against sends during a reopen
    std::unique_ptr<MidiInputPort> input;
    std::unique_ptr<MidiOutputPort> output;
    std::atomic<int> inputIndex { -1 };
    std::atomic<int> outputIndex { -1 };

    std::atomic<bool> syncRunning { false };
    std::atomic<bool> bulkReceive { false };
    std::atomic<bool> bulkTransmit { false };
    std::atomic<bool> synchronised { false };
    std::atomic<bool> customBulkReceive { false };
    std::atomic<bool> audioEQBulkReceive { false };
    std::atomic<int> sequenceCounter { 0 };
    std::atomic<int> customCounter { 0 };
    std::atomic<int> audioEQCounter { 0 };

    // The listener list is replaced, never changed in place, so a dispatch
    // works on the list as it was when the dispatch began without copying
    // it per message.
    mutable juce::CriticalSection listenerLock;
    std::shared_ptr<const ListenerList> listeners;

    // Held for the whole fan-out of one message; RemoveListener waits for it.
    juce::CriticalSection dispatchLock;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(MidiManager)
};
