#include "Common/DeviceEnvironment.h"

#include "Action/CRSMidiListener.h"
#include "Action/MidiManager.h"
#include "Application/Host.h"
#include "DataCenter/DataCenter.h"

#include "Core/ConnectedDeviceInfoList.h"
#include "Core/MessageEngine.h"
#include "Core/MessageIds.h"

DeviceEnvironment::DeviceEnvironment(const DeviceInfo& info, DataCenter* dc, GuiController* gui, ConnectionManager* connection,
                                     unsigned char model, unsigned char member)
    : dataCenter(dc), device(info), guiController(gui), connectionManager(connection), modelByte(model), memberByte(member)
{
    if (auto* bus = MessageEngine::instance())
        bus->addListener(this);
}

DeviceEnvironment::~DeviceEnvironment()
{
    if (auto* bus = MessageEngine::instance())
        bus->removeListener(this);

    // The connection manager, the GUI controller and the data centre are
    // owned here and deleted in that order. The connection manager and the
    // GUI controller kinds are not built yet, so the builder leaves them null.
    jassert(connectionManager == nullptr && guiController == nullptr);

    if (dataCenter != nullptr)
    {
        // No MIDI message may reach the data centre once it is gone:
        // RemoveListener returns when no dispatch can still call it.
        if (auto* listener = dynamic_cast<CRSMidiListener*>(dataCenter))
            if (auto* host = Host::getInstance())
                if (auto* midi = host->getMidiManager())
                    midi->RemoveListener(listener);
        delete dataCenter;
        dataCenter = nullptr;
    }
}

void DeviceEnvironment::handleMessage(const juce::Message& message)
{
    auto* myMessage = dynamic_cast<const MyMessage*>(&message);
    if (myMessage == nullptr || myMessage->getId() != MessageId::MidiDevicesChanged)
        return;

    // A broadcast's payload belongs to the bus and its sender: other
    // listeners see the same record, so nothing is deleted here.
    onMidiDeviceChanged();
}

void DeviceEnvironment::onMidiDeviceChanged()
{
    juce::Logger::writeToLog("DeviceEnvironment::onMidiDeviceChanged");
    auto* list = ConnectedDeviceInfoList::instance();
    if (list == nullptr)
        return;

    const bool found = list->find(device);
    if (device.isConnected())
    {
        if (found)
        {
            juce::Logger::writeToLog("Not changed..");
        }
        else
        {
            device.disconnected();
            juce::Logger::writeToLog("Connected -> Disconnected");
        }
        return;
    }

    const auto count = list->getNumDevices();
    if (found)
    {
        for (unsigned int i = 0; i < count; ++i)
        {
            const auto entry = list->getDeviceInfo(i);
            if (entry.isSameDeviceInfo(device))
            {
                device = entry;
                juce::Logger::writeToLog("Connected (that have connected before)");
                return;
            }
        }
        return;
    }

    if (list->findByModel(device, nullptr))
    {
        for (unsigned int i = 0; i < count; ++i)
        {
            const auto entry = list->getDeviceInfo(i);
            if (entry.model == device.model)
            {
                device = entry;
                juce::Logger::writeToLog("Connected (new)");
                return;
            }
        }
    }
}
