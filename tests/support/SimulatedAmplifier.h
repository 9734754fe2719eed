#pragma once

#include "Platform/VirtualMidiPortSystem.h"
#include "support/Patience.h"

#include <juce_audio_basics/juce_audio_basics.h>

#include <atomic>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <vector>

// A simulated amplifier on a pair of virtual ports named like a real one's.
//
// It answers the Universal Identity Request with its family, member and
// version codes, and the editor's SysEx requests with the dumps the data
// centres decode: 0x12 -> 0x42 mode, 0x1C -> 0x4C program, 0x10 -> 0x40
// current program, 0x0E -> 0x51 global (Orva), 0x19 -> 0x49 current EQ
// (Orva), 0x1D -> 0x4D EQ slot (Orva), 0x31 -> 0x65 custom slot (HMQ), each
// received 0x4C program dump -> 0x23 write acknowledgement, 0x11 write ->
// 0x21 program-stored notice. Parameter changes, mode changes and dumps sent
// to it change its state. Messages with another model byte are ignored.
//
// It starts as a new amplifier of its model would: the factory presets
// (HMQ, DWQ), user programs made from them (or, on the Orva models, from the
// initial program with amp types spread over the list), the initial global
// block, audio-EQ blocks and custom slots. Robustness tests switch it to
// pattern contents: recognisable names and bytes that use all eight bits,
// many of them out of range.
//
// It applies and records everything it receives on the sender's thread, as
// the bytes arrive (a recorded message has already changed its state), and
// answers on a thread of its own. Fault switches: silence,
// delay, truncated replies, and unplugging (its ports vanish) after a number
// of replies.
class SimulatedAmplifier : private juce::Thread
{
public:
    using Bytes = std::vector<juce::uint8>;

    // What its programs, presets and blocks hold.
    enum class Contents
    {
        factory,
        pattern
    };

    // Wire mode kinds (byte 7 of 0x42 and 0x4E).
    enum ModeKind
    {
        modeUser = 0,
        modePreset = 1,
        modeOther = 2
    };

    SimulatedAmplifier(VirtualMidiPortSystem& ports, int modelId, const juce::String& portName = {});
    ~SimulatedAmplifier() override;

    // The default port name of a model: its USB or Bluetooth key string.
    static juce::String defaultPortName(int modelId);

    int getModelId() const noexcept { return modelId; }
    int getModelByte() const noexcept { return family & 0xFF; }
    juce::String getPortName() const { return portName; }
    int getProgramSize() const noexcept { return modelId == 0 ? 30 : 62; }
    int getNumPresets() const noexcept { return modelId == 0 ? 11 : (modelId == 1 ? 60 : 0); }
    void setVersions(int version1, int version2);
    void setCodes(int familyCode, int memberCode);

    // Ports ------------------------------------------------------------------
    void unplug();
    void plugIn();
    bool isPluggedIn() const;

    // State ------------------------------------------------------------------
    // Replaces the user programs, presets, global, audio-EQ and custom blocks
    // and loads the current program into the edit buffer.
    void fill(Contents contents);
    int getMode() const;
    int getProgram() const;
    void setMode(int modeKind, int program);
    Bytes getUserProgram(int index) const;
    void setUserProgram(int index, const Bytes& record);
    Bytes getPreset(int index) const;
    Bytes getEditBuffer() const;
    void setEditBuffer(const Bytes& record);
    Bytes getGlobal() const;
    Bytes getCurrentEQ() const;
    Bytes getEQSlot(int slot) const;
    Bytes getCustom(int slot) const;
    int getParam(int id) const; // -1 when never changed

    // What it received and sent ---------------------------------------------
    std::vector<juce::MidiMessage> getReceived() const;
    int getNumReceived() const;
    bool waitForReceived(int count, int timeoutMs = testing_support::patienceMs) const;
    int getNumSent() const;
    bool waitForSent(int count, int timeoutMs = testing_support::patienceMs) const;
    void clearRecords();
    double getLastReceiveTime() const;                                             // hi-res milliseconds
    std::int64_t getLastReceiveNanos() const noexcept { return lastReceiveNanos; } // steady clock

    // The messages every amplifier of the process has received and not yet
    // answered (a reply the delay switch holds back counts as answered: it is
    // meant to come late). Zero when the amplifiers have nothing left to say.
    static int getNumUnanswered();

    // Called with every message as it arrives, in order, on the sender's thread.
    void setReceiveObserver(std::function<void(const juce::MidiMessage&)> observer);

    // Unsolicited messages ----------------------------------------------------
    void sendParamChange(int idHi, int idLo, int value);
    void sendModeChange(int modeKind, int program);
    void sendProgramChange(int channel, int program);
    void sendTransferStopped();
    void send(const juce::MidiMessage& message);

    // Faults ------------------------------------------------------------------
    void setSilent(bool b) { silent = b; }
    void setReplyDelayMs(int ms) { replyDelayMs = ms; }
    void setTruncateReplies(int bytesDropped) { truncateBy = bytesDropped; }
    // Unplugs after sending n more replies (0: never).
    void unplugAfterReplies(int n) { repliesBeforeUnplug = n; }
    // Leaves the editor requests unanswered whose function and argument
    // bytes the filter picks (null: answers every request).
    void setIgnoredRequests(std::function<bool(const Bytes& functionAndArgs)> filter);

    // Builds an editor SysEx frame (F0 42 30 00 01 model function args
    // [packed data] F7) with the given model byte.
    static juce::MidiMessage makeFrame(int modelByte, int function, const Bytes& args, const Bytes& data = {});

private:
    void run() override;
    void receive(const juce::MidiMessage& message);
    void process(const juce::MidiMessage& message, std::vector<juce::MidiMessage>& replies);
    void processEditorMessage(const juce::uint8* d, int size, std::vector<juce::MidiMessage>& replies);
    juce::MidiMessage reply(int function, const Bytes& args, const Bytes& data = {}) const;
    juce::MidiMessage applyFaults(const juce::MidiMessage& message) const;
    bool isIgnored(const juce::MidiMessage& message) const;
    void emit(const juce::MidiMessage& message);
    Bytes unpack(const juce::uint8* src, int len) const;
    void loadProgramIntoEdit();

    VirtualMidiPortSystem& ports;
    const int modelId;
    const juce::String portName;
    int family = 0;
    int member = 0;
    int version1 = 0x0102;
    int version2 = 0x0003;

    mutable juce::CriticalSection portLock;
    int inputDeviceId = 0;  // the application's input: what the amplifier sends
    int outputDeviceId = 0; // the application's output: what the amplifier hears

    mutable juce::CriticalSection stateLock;
    int mode = modeUser;
    int program = 0;
    std::vector<Bytes> userPrograms, presets, eqSlots, customSlots;
    Bytes editBuffer, global, currentEQ;
    std::map<int, int> params;

    mutable juce::CriticalSection recordLock;
    std::vector<juce::MidiMessage> received, sent;
    double lastReceiveTime = 0;
    std::function<void(const juce::MidiMessage&)> receiveObserver;
    std::atomic<std::int64_t> lastReceiveNanos { 0 };

    // A received message with the replies it asked for.
    struct Pending
    {
        juce::MidiMessage message;
        std::vector<juce::MidiMessage> replies;
    };
    juce::CriticalSection queueLock;
    std::deque<Pending> queue;
    juce::WaitableEvent wakeUp;

    std::atomic<bool> silent { false };
    mutable juce::CriticalSection filterLock;
    std::function<bool(const Bytes&)> ignoredRequests;
    std::atomic<int> replyDelayMs { 0 };
    std::atomic<int> truncateBy { 0 };
    std::atomic<int> repliesBeforeUnplug { 0 };
};
