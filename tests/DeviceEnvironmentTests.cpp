// The device environment: what the builder makes per model, and how message
// 29 keeps the environment's record in step with the found-device list.
#include "Common/DeviceEnvironment.h"
#include "Common/DeviceEnvironmentBuilder.h"
#include "Core/ConnectedDeviceInfoList.h"
#include "Core/MessageEngine.h"
#include "Core/MessageIds.h"
#include "Core/SupportedModels.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

using testing_support::LogCapture;

namespace
{
struct EnvFixture : ::testing::Test
{
    EnvFixture()
    {
        ZEZESingleton<MessageEngine>::CreateInstance();
        SupportedModels::CreateInstance();
        ConnectedDeviceInfoList::CreateInstance();
    }
    ~EnvFixture() override
    {
        testing_support::pumpFor(10);
        ConnectedDeviceInfoList::DestroyInstance();
        SupportedModels::DestroyInstance();
        ZEZESingleton<MessageEngine>::DestroyInstance();
    }
    ConnectedDeviceInfoList& list() { return *ConnectedDeviceInfoList::instance(); }

    static DeviceInfo device(int model, const juce::String& in, bool connected, int version = 0)
    {
        return DeviceInfo((eProductModelId) model, connected, 1, in, 2, in, version, 0, 0, kMediaTypeUSB);
    }

    // Broadcasts 29 and waits until the bus has delivered it.
    void broadcast29(void* payload = nullptr)
    {
        broadcastMessageId(MessageId::MidiDevicesChanged, 0, 0, 0, 0, payload);
        testing_support::pumpFor(20);
    }
};
} // namespace

TEST_F(EnvFixture, BuilderBytesPerModelAndNullForUnknown)
{
    const int modelBytes[] = { 0x32, 0x34, 0x41, 0x41, 0x41, 0x41 };
    const int memberBytes[] = { 0, 0, 0, 8, 16, 24 };
    for (int m = 0; m < 6; ++m)
    {
        std::unique_ptr<DeviceEnvironment> env(DeviceEnvironmentBuilder::createDeviceEnvironment(device(m, "p", true)));
        ASSERT_NE(env, nullptr);
        EXPECT_EQ(env->getModelByte(), modelBytes[m]);
        EXPECT_EQ(env->getMemberByte(), memberBytes[m]);
        EXPECT_EQ(env->getDeviceInfo().model, m);
        EXPECT_TRUE(MessageEngine::instance()->isListening(env.get()));
        auto* raw = env.get();
        env.reset();
        EXPECT_FALSE(MessageEngine::instance()->isListening(raw));
    }
    EXPECT_EQ(DeviceEnvironmentBuilder::createDeviceEnvironment(DeviceInfo()), nullptr);
    EXPECT_EQ(DeviceEnvironmentBuilder::createDeviceEnvironment(device(6, "p", true)), nullptr);
}

TEST_F(EnvFixture, ScansDisconnectAndReconnectTheRecord)
{
    LogCapture log;
    std::unique_ptr<DeviceEnvironment> env(DeviceEnvironmentBuilder::createDeviceEnvironment(device(1, "Hesperine X", true)));

    list().add(device(1, "Hesperine X", true));
    broadcast29();
    EXPECT_TRUE(env->getDeviceInfo().isConnected());
    EXPECT_TRUE(log.lines.contains("Not changed.."));

    list().clear();
    broadcast29();
    EXPECT_FALSE(env->getDeviceInfo().isConnected());
    EXPECT_TRUE(log.lines.contains("Connected -> Disconnected"));

    list().add(device(1, "Hesperine X", true, 7));
    broadcast29();
    EXPECT_TRUE(env->getDeviceInfo().isConnected());
    EXPECT_EQ(env->getDeviceInfo().version1, 7);
    EXPECT_TRUE(log.lines.contains("Connected (that have connected before)"));
    EXPECT_TRUE(log.lines.contains("DeviceEnvironment::onMidiDeviceChanged"));
}

TEST_F(EnvFixture, NewPortsOfTheSameModelConnectOnlyWithTheExactModelId)
{
    LogCapture log;
    std::unique_ptr<DeviceEnvironment> env(DeviceEnvironmentBuilder::createDeviceEnvironment(device(2, "old", false)));

    // Only an OKX Lyn: the model class matches but no entry has model id 2.
    list().add(device(4, "Orva KX", true));
    broadcast29();
    EXPECT_FALSE(env->getDeviceInfo().isConnected());
    EXPECT_FALSE(log.lines.contains("Connected (new)"));

    list().add(device(2, "ZUL 2ch Audio Device", true));
    broadcast29();
    EXPECT_TRUE(env->getDeviceInfo().isConnected());
    EXPECT_EQ(env->getDeviceInfo().midiInName, "ZUL 2ch Audio Device");
    EXPECT_TRUE(log.lines.contains("Connected (new)"));
}

TEST_F(EnvFixture, BroadcastPayloadIsNotDeletedByTheEnvironment)
{
    std::unique_ptr<DeviceEnvironment> env(DeviceEnvironmentBuilder::createDeviceEnvironment(device(0, "p", true)));
    // A payload owned by the sender; deleting it in the handler would be a
    // double free (and other listeners would read freed memory).
    auto payload = std::make_unique<DeviceInfo>(device(0, "p", true));
    broadcast29(payload.get());
    EXPECT_EQ(payload->model, 0);
}

TEST_F(EnvFixture, WithoutDeviceListNothingChanges)
{
    ConnectedDeviceInfoList::DestroyInstance();
    std::unique_ptr<DeviceEnvironment> env(DeviceEnvironmentBuilder::createDeviceEnvironment(device(3, "p", true)));
    env->onMidiDeviceChanged();
    EXPECT_TRUE(env->getDeviceInfo().isConnected());
    ConnectedDeviceInfoList::CreateInstance();
}
