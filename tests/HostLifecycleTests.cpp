// Host construction, the objects it owns, and teardown.
#include "Application/Application.h"
#include "Application/Host.h"
#include "Application/StateHolder.h"
#include "Core/MessageEngine.h"
#include "Core/MessageIds.h"
#include "GUI/Shell/MainComponent.h"
#include "GUI/Shell/MainWindow.h"
#include "GUI/Shell/MasterGuiController.h"
#include "GUI/Shell/MasterGuiManager.h"
#include "GUI/Widgets/FontLibrary.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

TEST(HostLifecycle, BuildsTheManagersInOrderAndTearsDownCompletely)
{
    ASSERT_EQ(Host::getInstance(), nullptr);
    auto* host = Host::createInstance();
    ASSERT_EQ(host, Host::getInstance());
    EXPECT_EQ(Host::createInstance(), host);

    ASSERT_NE(host->getStateHolder(), nullptr);
    EXPECT_EQ(host->getStateHolder()->familyCode, -1);
    EXPECT_EQ(host->getStateHolder()->deselectedProgram, -1);
    EXPECT_NE(host->getCommandManager(), nullptr);
    EXPECT_NE(host->getMasterGuiController(), nullptr);
    EXPECT_NE(host->getMasterGuiManager(), nullptr);
    EXPECT_EQ(host->getDeviceEnvironment(), nullptr);
    EXPECT_EQ(getCurrentDeviceEnvironment(), nullptr);
    EXPECT_TRUE(host->isBooting());
    EXPECT_FALSE(host->hasCommandLineFile());

    // The bus exists and Host listens last.
    ASSERT_NE(MessageEngine::instance(), nullptr);
    EXPECT_TRUE(MessageEngine::instance()->isListening(host));
    EXPECT_TRUE(MessageEngine::instance()->isListening(host->getMasterGuiManager()));

    // The platform start-up registered the default fonts, then the named ones.
    EXPECT_TRUE(FontLibrary::getInstance()->hasFont("DefaultFont"));
    EXPECT_TRUE(FontLibrary::getInstance()->hasFont("CatalogPaneTypeName"));

    host->run();
    auto* window = host->getMasterGuiManager()->getMainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->getName(), "Rig Smith [not connected]");
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isResizable());
    ASSERT_NE(window->getMainComponent(), nullptr);
    EXPECT_EQ(MainComponent::m_TargetModelId, -1);

    // 1280 x 800 display: the main component is 1024 x 768.
    const auto& user = host->getMasterGuiController()->displayUserArea;
    EXPECT_EQ(window->getMainComponent()->getWidth(), juce::jmin(user.getWidth(), 1024));
    EXPECT_EQ(window->getMainComponent()->getHeight(), juce::jmin(user.getHeight() - 22, 768));

    Host::destroyInstance();
    EXPECT_EQ(Host::getInstance(), nullptr);
    EXPECT_EQ(MessageEngine::instance(), nullptr);

    // A message broadcast after teardown is simply dropped.
    broadcastMessageId(MessageId::ScanFinished);
    testing_support::pumpFor(20);
}

TEST(HostLifecycle, ConnectionStatusSetsTheTitleOnlyWithADeviceEnvironment)
{
    auto* host = Host::createInstance();
    host->run();
    auto* window = host->getMasterGuiManager()->getMainWindow();
    ASSERT_NE(window, nullptr);

    // Without a device environment the title keeps its start text, and the
    // router deletes the record it received.
    auto* message = MyMessage::create(MessageId::ConnectionStatus, 1);
    juce::Message::Ptr keep(message);
    host->getMasterGuiController()->handleMessage(*message);
    EXPECT_EQ(message->getRecord(), nullptr);
    EXPECT_EQ(window->getName(), "Rig Smith [not connected]");

    Host::destroyInstance();
}

TEST(HostLifecycle, TheBootScanFinishedMessageClearsTheBootFlagAndLaterOnesAnnounceDeviceChanges)
{
    auto* host = Host::createInstance();

    struct Recorder : juce::MessageListener
    {
        void handleMessage(const juce::Message& m) override
        {
            if (auto* mm = dynamic_cast<const MyMessage*>(&m))
                ids.add(mm->getId());
        }
        juce::Array<int> ids;
    } recorder;
    MessageEngine::instance()->addListener(&recorder);

    broadcastMessageId(MessageId::ScanFinished);
    ASSERT_TRUE(testing_support::pumpUntil([&] { return recorder.ids.contains(MessageId::DeviceSelectShown); }));
    EXPECT_FALSE(host->isBooting());

    broadcastMessageId(MessageId::ReconnectScanFinished);
    ASSERT_TRUE(testing_support::pumpUntil([&] { return recorder.ids.contains(MessageId::MidiDevicesChanged); }));

    MessageEngine::instance()->removeListener(&recorder);
    Host::destroyInstance();
}

TEST(HostLifecycle, BackButtonBroadcastsCloseOverlaysOnlyWhenTheBusExists)
{
    Application app;
    EXPECT_TRUE(app.backButtonPressed()); // no bus: nothing to do, nothing breaks

    auto* bus = ZEZESingleton<MessageEngine>::CreateInstance();
    struct Recorder : juce::MessageListener
    {
        void handleMessage(const juce::Message& m) override
        {
            if (auto* mm = dynamic_cast<const MyMessage*>(&m))
                last = mm->getId();
        }
        int last = 0;
    } recorder;
    bus->addListener(&recorder);
    app.backButtonPressed();
    EXPECT_TRUE(testing_support::pumpUntil([&] { return recorder.last == MessageId::CloseOverlays; }));
    bus->removeListener(&recorder);
    ZEZESingleton<MessageEngine>::DestroyInstance();
}
