#include "Action/CRSMidiOutMessageManager.h"

#include "Application/Host.h"
#include "Application/StateHolder.h"
#include "Core/ProductModel.h"

namespace
{
constexpr int modelDWQ = 0;
constexpr int modelHMQ = 1;

bool isDataByte(int value) noexcept
{
    return value >= 0 && value <= 0x7F;
}

bool isSlot(int slot) noexcept
{
    return slot >= 0 && slot <= 3;
}
} // namespace

bool CRSMidiOutMessageManager::supports(Models models) const noexcept
{
    const int model = targetModel;
    if (! isKnownModel(model))
        return false;
    switch (models)
    {
        case Models::all: return true;
        case Models::orva: return isOrvaModel(model);
        case Models::hmq: return model == modelHMQ;
    }
    return false;
}

int CRSMidiOutMessageManager::getModelByte() const
{
    int family = -1;
    if (auto* host = Host::getInstance())
        if (auto* state = host->getStateHolder())
            family = state->familyCode;

    if (family < 0)
    {
        int member = 0;
        if (! StateHolder::codesForModel(targetModel, family, member))
            return -1;
    }

    const int byte = family & 0xFF;
    return isDataByte(byte) ? byte : -1;
}

int CRSMidiOutMessageManager::writeFrame(unsigned char* buf, Models models, unsigned char function, const int* args,
                                         int numArgs) const
{
    if (buf == nullptr || ! supports(models))
        return -1;

    for (int i = 0; i < numArgs; ++i)
        if (! isDataByte(args[i]))
            return -1;

    const int modelByte = getModelByte();
    if (modelByte < 0)
        return -1;

    buf[0] = 0x42;
    buf[1] = 0x30;
    buf[2] = 0x00;
    buf[3] = 0x01;
    buf[4] = (unsigned char) modelByte;
    buf[5] = function;
    for (int i = 0; i < numArgs; ++i)
        buf[6 + i] = (unsigned char) args[i];
    return 6 + numArgs;
}

int CRSMidiOutMessageManager::Make_sendCurProgDumpRequest_header(unsigned char* buf)
{
    return writeFrame(buf, Models::all, 0x10, nullptr, 0);
}

int CRSMidiOutMessageManager::Make_sendCurProgWrite_header(unsigned char* buf, int /*bank: not sent*/, int prog)
{
    const int args[] = { 0x00, prog };
    return writeFrame(buf, Models::all, 0x11, args, 2);
}

int CRSMidiOutMessageManager::Make_sendModeRequest_header(unsigned char* buf)
{
    return writeFrame(buf, Models::all, 0x12, nullptr, 0);
}

// The bank byte on the wire: on the DWQ and the HMQ 1 for the preset bank
// (bank argument 0) and 0 for the user bank; the Orva models have only the
// user bank, 0.
static int bankByte(int model, int bank) noexcept
{
    if (model == modelDWQ || model == modelHMQ)
        return bank == 0 ? 1 : 0;
    return 0;
}

int CRSMidiOutMessageManager::Make_sendProgDumpRequest_header(unsigned char* buf, int bank, int prog)
{
    const int args[] = { bankByte(targetModel, bank), prog };
    return writeFrame(buf, Models::all, 0x1C, args, 2);
}

int CRSMidiOutMessageManager::Make_sendGlobalDumpRequest_header(unsigned char* buf)
{
    return writeFrame(buf, Models::orva, 0x0E, nullptr, 0);
}

int CRSMidiOutMessageManager::Make_sendCurAudioEQDumpRequest_header(unsigned char* buf)
{
    return writeFrame(buf, Models::orva, 0x19, nullptr, 0);
}

int CRSMidiOutMessageManager::Make_sendAudioEQDumpRequest_header(unsigned char* buf, int slot)
{
    if (! isSlot(slot))
        return -1;
    const int args[] = { 0x00, slot + 1 };
    return writeFrame(buf, Models::orva, 0x1D, args, 2);
}

int CRSMidiOutMessageManager::Make_sendCustomAmpFXDumpRequest_header(unsigned char* buf, int slot)
{
    if (! isSlot(slot))
        return -1;
    const int args[] = { 0x00, slot };
    return writeFrame(buf, Models::hmq, 0x31, args, 2);
}

int CRSMidiOutMessageManager::Make_sendCurProgDump_header(unsigned char* buf)
{
    return writeFrame(buf, Models::all, 0x40, nullptr, 0);
}

int CRSMidiOutMessageManager::Make_paramChange_header(unsigned char* buf, unsigned char idHi, unsigned char idLo,
                                                      unsigned char valLo, unsigned char valHi)
{
    const int args[] = { idHi, idLo, valLo, valHi };
    return writeFrame(buf, Models::all, 0x41, args, 4);
}

int CRSMidiOutMessageManager::Make_sendProg1Dump_header(unsigned char* buf, int bank, int prog)
{
    const int args[] = { bankByte(targetModel, bank), prog };
    return writeFrame(buf, Models::all, 0x4C, args, 2);
}

int CRSMidiOutMessageManager::Make_sendAudioEQDump_header(unsigned char* buf, int slot)
{
    if (! isSlot(slot))
        return -1;
    const int args[] = { 0x00, slot + 1 };
    return writeFrame(buf, Models::orva, 0x4D, args, 2);
}

int CRSMidiOutMessageManager::Make_sendModeChange_header(unsigned char* buf, int mode, int prog)
{
    const int model = targetModel;
    int modeByte = 0;
    if (model == modelDWQ)
        modeByte = mode == 0 ? 1 : 0;
    else if (model == modelHMQ)
        modeByte = mode == 0 ? 1 : (mode == 2 ? 2 : 0);
    else
        modeByte = mode == 1 ? 0 : 2;

    const int args[] = { modeByte, prog };
    return writeFrame(buf, Models::all, 0x4E, args, 2);
}

int CRSMidiOutMessageManager::Make_sendCustomAmpFXDump_header(unsigned char* buf, int slot)
{
    if (! isSlot(slot))
        return -1;
    const int args[] = { 0x00, slot };
    return writeFrame(buf, Models::hmq, 0x65, args, 2);
}
