#include "GUI/HMQ/HMQEditSupport.h"

#include "Action/MidiManager.h"
#include "Application/Host.h"
#include "Common/DeviceEnvironment.h"
#include "HMQ/HMQDataCenter.h"

namespace
{
HMQDataCenter* currentHMQDataCenter()
{
    auto* environment = getCurrentDeviceEnvironment();
    return environment != nullptr ? dynamic_cast<HMQDataCenter*>(environment->getDataCenter()) : nullptr;
}
} // namespace

HMQ::CHMQUserEditSectionImpl* HMQEditSupport::getUserEditSection()
{
    auto* dataCenter = currentHMQDataCenter();
    return dataCenter != nullptr ? &dataCenter->getUserEditSection() : nullptr;
}

HMQ::CHMQCustomSectionImpl* HMQEditSupport::getCustomSection()
{
    auto* dataCenter = currentHMQDataCenter();
    return dataCenter != nullptr ? &dataCenter->getCustomSection() : nullptr;
}

bool HMQEditSupport::isBulkTransferRunning()
{
    auto* host = Host::getInstance();
    auto* midi = host != nullptr ? host->getMidiManager() : nullptr;
    return midi != nullptr && (midi->isBulkReceive() || midi->isBulkTransmit());
}

bool HMQEditSupport::isTransferRunning()
{
    auto* host = Host::getInstance();
    auto* midi = host != nullptr ? host->getMidiManager() : nullptr;
    return midi != nullptr && (midi->isBulkReceive() || midi->isBulkTransmit() || midi->isCustomBulkReceive());
}

unsigned HMQEditSupport::getWriteFlags()
{
    return isTransferRunning() ? PutFlags::announce : PutFlags::normalEdit;
}

bool HMQEditSupport::write(int paramId, int value, int source)
{
    auto* section = getUserEditSection();
    if (section == nullptr)
        return false;
    section->PutParamIEx(paramId, value, getWriteFlags(), (eChgSource) source);
    return true;
}
