#pragma once

#include <atomic>

// Builds the headers of the editor's SysEx messages: 42 30 00 01, the model
// byte, the function byte and its argument bytes, without F0 and F7 (the
// sender wraps the buffer into a SysEx message). Each builder returns the
// number of bytes written, or -1 and writes nothing when the buffer is null,
// the target model lacks the message, or a byte would not be a valid SysEx
// data byte (an argument above 0x7F or negative, a slot outside 0..3).
//
// The model byte is the low byte of the connected family code of Host's
// state record, read when the message is built; with no Host or no family
// yet it is the target model's own family.
class CRSMidiOutMessageManager
{
public:
    CRSMidiOutMessageManager() = default;
    virtual ~CRSMidiOutMessageManager() = default;

    void setTargetModel(int modelId) noexcept { targetModel = modelId; }
    int getTargetModel() const noexcept { return targetModel; }

    int Make_sendCurProgDumpRequest_header(unsigned char* buf);
    int Make_sendCurProgWrite_header(unsigned char* buf, int bank, int prog);
    int Make_sendModeRequest_header(unsigned char* buf);
    int Make_sendProgDumpRequest_header(unsigned char* buf, int bank, int prog);
    int Make_sendGlobalDumpRequest_header(unsigned char* buf);
    int Make_sendCurAudioEQDumpRequest_header(unsigned char* buf);
    int Make_sendAudioEQDumpRequest_header(unsigned char* buf, int slot);
    int Make_sendCustomAmpFXDumpRequest_header(unsigned char* buf, int slot);
    int Make_sendCurProgDump_header(unsigned char* buf);
    int Make_paramChange_header(unsigned char* buf, unsigned char idHi, unsigned char idLo, unsigned char valLo,
                                unsigned char valHi);
    int Make_sendProg1Dump_header(unsigned char* buf, int bank, int prog);
    int Make_sendAudioEQDump_header(unsigned char* buf, int slot);
    int Make_sendModeChange_header(unsigned char* buf, int mode, int prog);
    int Make_sendCustomAmpFXDump_header(unsigned char* buf, int slot);

    // The model byte a message built now would carry, -1 when none is valid.
    int getModelByte() const;

protected:
    std::atomic<int> targetModel { -1 };

private:
    enum class Models
    {
        all,
        orva,
        hmq
    };

    bool supports(Models models) const noexcept;
    int writeFrame(unsigned char* buf, Models models, unsigned char function, const int* args, int numArgs) const;
};
