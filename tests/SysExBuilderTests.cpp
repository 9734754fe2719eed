#include "Action/CRSMidiOutMessageManager.h"
#include "Application/Host.h"
#include "Application/StateHolder.h"
#include "Core/MessageEngine.h"

#include <gtest/gtest.h>
#include <vector>

namespace
{
using Bytes = std::vector<int>;

// Builds with one builder and returns the bytes written ({} when refused).
template <typename Fn>
Bytes build(int model, Fn&& fn)
{
    CRSMidiOutMessageManager builder;
    builder.setTargetModel(model);
    unsigned char buf[32];
    std::fill(std::begin(buf), std::end(buf), 0xEE);
    const int n = fn(builder, buf);
    if (n < 0)
    {
        for (auto b : buf)
            EXPECT_EQ(b, 0xEE) << "a refused builder wrote into the buffer";
        return {};
    }
    return Bytes(buf, buf + n);
}

Bytes head(int modelByte, int function, Bytes args = {})
{
    Bytes b { 0x42, 0x30, 0x00, 0x01, modelByte, function };
    b.insert(b.end(), args.begin(), args.end());
    return b;
}

const int modelBytes[6] = { 0x32, 0x34, 0x41, 0x41, 0x41, 0x41 };
} // namespace

TEST(SysExBuilders, RequestsWithoutArgumentsForEveryModel)
{
    for (int m = 0; m < 6; ++m)
    {
        const int mb = modelBytes[m];
        const bool orva = m >= 2;
        EXPECT_EQ(build(m, [](auto& b, auto* p) { return b.Make_sendCurProgDumpRequest_header(p); }), head(mb, 0x10));
        EXPECT_EQ(build(m, [](auto& b, auto* p) { return b.Make_sendModeRequest_header(p); }), head(mb, 0x12));
        EXPECT_EQ(build(m, [](auto& b, auto* p) { return b.Make_sendCurProgDump_header(p); }), head(mb, 0x40));
        EXPECT_EQ(build(m, [](auto& b, auto* p) { return b.Make_sendGlobalDumpRequest_header(p); }),
                  orva ? head(mb, 0x0E) : Bytes {});
        EXPECT_EQ(build(m, [](auto& b, auto* p) { return b.Make_sendCurAudioEQDumpRequest_header(p); }),
                  orva ? head(mb, 0x19) : Bytes {});
    }
}

TEST(SysExBuilders, BankModeAndSlotBytesPerModel)
{
    // Program dump request / dump: preset bank 1 on DWQ and HMQ, always 0 on Orva.
    EXPECT_EQ(build(0, [](auto& b, auto* p) { return b.Make_sendProgDumpRequest_header(p, 0, 5); }), head(0x32, 0x1C, { 1, 5 }));
    EXPECT_EQ(build(2, [](auto& b, auto* p) { return b.Make_sendProgDumpRequest_header(p, 0, 5); }), head(0x41, 0x1C, { 0, 5 }));
    EXPECT_EQ(build(1, [](auto& b, auto* p) { return b.Make_sendProgDumpRequest_header(p, 1, 7); }), head(0x34, 0x1C, { 0, 7 }));
    EXPECT_EQ(build(1, [](auto& b, auto* p) { return b.Make_sendProg1Dump_header(p, 0, 59); }), head(0x34, 0x4C, { 1, 59 }));
    EXPECT_EQ(build(5, [](auto& b, auto* p) { return b.Make_sendProg1Dump_header(p, 0, 3); }), head(0x41, 0x4C, { 0, 3 }));

    // Current program write: the bank is not sent.
    EXPECT_EQ(build(3, [](auto& b, auto* p) { return b.Make_sendCurProgWrite_header(p, 9, 4); }), head(0x41, 0x11, { 0, 4 }));

    // Mode change: user program (mode 1) is 0 everywhere; preset (mode 0) 1 on DWQ/HMQ, 2 on Orva.
    const int mode0[6] = { 1, 1, 2, 2, 2, 2 };
    for (int m = 0; m < 6; ++m)
    {
        EXPECT_EQ(build(m, [](auto& b, auto* p) { return b.Make_sendModeChange_header(p, 1, 6); }),
                  head(modelBytes[m], 0x4E, { 0, 6 }));
        EXPECT_EQ(build(m, [](auto& b, auto* p) { return b.Make_sendModeChange_header(p, 0, 6); }),
                  head(modelBytes[m], 0x4E, { mode0[m], 6 }));
    }
    EXPECT_EQ(build(1, [](auto& b, auto* p) { return b.Make_sendModeChange_header(p, 2, 0); }), head(0x34, 0x4E, { 2, 0 }));
    EXPECT_EQ(build(1, [](auto& b, auto* p) { return b.Make_sendModeChange_header(p, 3, 0); }), head(0x34, 0x4E, { 0, 0 }));

    // Slots: audio EQ travels as slot + 1 (Orva), custom as the slot (HMQ).
    EXPECT_EQ(build(4, [](auto& b, auto* p) { return b.Make_sendAudioEQDumpRequest_header(p, 3); }), head(0x41, 0x1D, { 0, 4 }));
    EXPECT_EQ(build(2, [](auto& b, auto* p) { return b.Make_sendAudioEQDump_header(p, 0); }), head(0x41, 0x4D, { 0, 1 }));
    EXPECT_EQ(build(1, [](auto& b, auto* p) { return b.Make_sendCustomAmpFXDumpRequest_header(p, 3); }),
              head(0x34, 0x31, { 0, 3 }));
    EXPECT_EQ(build(1, [](auto& b, auto* p) { return b.Make_sendCustomAmpFXDump_header(p, 2); }), head(0x34, 0x65, { 0, 2 }));

    EXPECT_EQ(build(0, [](auto& b, auto* p) { return b.Make_paramChange_header(p, 0x04, 0x00, 0x48, 0x01); }),
              head(0x32, 0x41, { 0x04, 0x00, 0x48, 0x01 }));
}

TEST(SysExBuilders, Refusals)
{
    auto refused = [](int model, auto fn) { return build(model, fn).empty(); };

    // Models without the message, and no model at all.
    for (int m : { 0, 1 })
    {
        EXPECT_TRUE(refused(m, [](auto& b, auto* p) { return b.Make_sendAudioEQDumpRequest_header(p, 0); }));
        EXPECT_TRUE(refused(m, [](auto& b, auto* p) { return b.Make_sendAudioEQDump_header(p, 0); }));
    }
    for (int m : { 0, 2, 3, 4, 5 })
    {
        EXPECT_TRUE(refused(m, [](auto& b, auto* p) { return b.Make_sendCustomAmpFXDumpRequest_header(p, 0); }));
        EXPECT_TRUE(refused(m, [](auto& b, auto* p) { return b.Make_sendCustomAmpFXDump_header(p, 0); }));
    }
    for (int m : { -1, 6, 100 })
        EXPECT_TRUE(refused(m, [](auto& b, auto* p) { return b.Make_sendModeRequest_header(p); }));

    // Slots outside 0..3, negative ones included.
    for (int slot : { -1, 4, -100 })
    {
        EXPECT_TRUE(refused(2, [slot](auto& b, auto* p) { return b.Make_sendAudioEQDumpRequest_header(p, slot); }));
        EXPECT_TRUE(refused(2, [slot](auto& b, auto* p) { return b.Make_sendAudioEQDump_header(p, slot); }));
        EXPECT_TRUE(refused(1, [slot](auto& b, auto* p) { return b.Make_sendCustomAmpFXDumpRequest_header(p, slot); }));
        EXPECT_TRUE(refused(1, [slot](auto& b, auto* p) { return b.Make_sendCustomAmpFXDump_header(p, slot); }));
    }

    // Argument bytes that are no SysEx data bytes.
    for (int prog : { -1, 0x80, 200 })
    {
        EXPECT_TRUE(refused(1, [prog](auto& b, auto* p) { return b.Make_sendProgDumpRequest_header(p, 1, prog); }));
        EXPECT_TRUE(refused(1, [prog](auto& b, auto* p) { return b.Make_sendProg1Dump_header(p, 1, prog); }));
        EXPECT_TRUE(refused(1, [prog](auto& b, auto* p) { return b.Make_sendCurProgWrite_header(p, 1, prog); }));
        EXPECT_TRUE(refused(1, [prog](auto& b, auto* p) { return b.Make_sendModeChange_header(p, 1, prog); }));
    }
    EXPECT_TRUE(refused(2, [](auto& b, auto* p) { return b.Make_paramChange_header(p, 0x80, 0, 0, 0); }));
    EXPECT_TRUE(refused(2, [](auto& b, auto* p) { return b.Make_paramChange_header(p, 0, 0xF7, 0, 0); }));
    EXPECT_TRUE(refused(2, [](auto& b, auto* p) { return b.Make_paramChange_header(p, 0, 0, 0, 0x81); }));

    CRSMidiOutMessageManager builder;
    builder.setTargetModel(2);
    EXPECT_EQ(builder.Make_sendModeRequest_header(nullptr), -1);
}

TEST(SysExBuilders, ModelByteComesFromTheConnectedFamily)
{
    auto* host = Host::createInstance();
    ASSERT_NE(host, nullptr);
    auto* state = host->getStateHolder();

    CRSMidiOutMessageManager builder;
    builder.setTargetModel(2);
    unsigned char buf[16];

    state->familyCode = 0x134; // read when built, not from the builder's model
    ASSERT_EQ(builder.Make_sendModeRequest_header(buf), 6);
    EXPECT_EQ(buf[4], 0x34);

    state->familyCode = 0x1C0; // a low byte that is no data byte
    EXPECT_EQ(builder.Make_sendModeRequest_header(buf), -1);

    state->familyCode = -1; // not connected yet: the target model's family
    ASSERT_EQ(builder.Make_sendModeRequest_header(buf), 6);
    EXPECT_EQ(buf[4], 0x41);

    Host::destroyInstance();
    ZEZESingleton<MessageEngine>::DestroyInstance(); // created by Host
}
