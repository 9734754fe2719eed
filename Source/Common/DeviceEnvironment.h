#pragma once

#include "Core/DeviceInfo.h"

#include <juce_events/juce_events.h>

class DataCenter;
class GuiController;
class ConnectionManager;

// The bundle that exists while the editor works on one device, connected or
// offline: a copy of the device record and the model's data centre. It
// listens to the message bus to keep its record in step with each scan.
class DeviceEnvironment : public juce::MessageListener
{
public:
    DeviceEnvironment(const DeviceInfo& info, DataCenter* dataCenter, GuiController* guiController,
                      ConnectionManager* connectionManager, unsigned char modelByte, unsigned char memberByte);
    ~DeviceEnvironment() override;

    DeviceInfo getDeviceInfo() const { return device; }
    DataCenter* getDataCenter() const noexcept { return dataCenter; }
    unsigned char getModelByte() const noexcept { return modelByte; }
    unsigned char getMemberByte() const noexcept { return memberByte; }

    void handleMessage(const juce::Message& message) override;

    // Brings the device record in step with the freshly scanned device list.
    void onMidiDeviceChanged();

private:
    DataCenter* dataCenter = nullptr;
    DeviceInfo device;
    GuiController* guiController = nullptr;
    ConnectionManager* connectionManager = nullptr;
    unsigned char modelByte = 0;
    unsigned char memberByte = 0;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(DeviceEnvironment)
};
