#include "GUI/Editor/EditTarget.h"

#include "Action/MidiManager.h"
#include "Application/Host.h"
#include "Common/DeviceEnvironment.h"
#include "DataCenter/OrvaDataCenter.h"
#include "ParamTable/COrvaUserEditSectionBase.h"
#include "ParamTable/ISection.h"

DataCenter* EditTarget::dataCenter()
{
    auto* host = Host::getInstance();
    auto* environment = host != nullptr ? host->getDeviceEnvironment() : nullptr;
    return environment != nullptr ? environment->getDataCenter() : nullptr;
}

MidiManager* EditTarget::midiManager()
{
    auto* host = Host::getInstance();
    return host != nullptr ? host->getMidiManager() : nullptr;
}

COrvaUserEditSectionBase* EditTarget::orvaEditSection()
{
    auto* orva = dynamic_cast<OrvaDataCenter*>(dataCenter());
    return orva != nullptr ? &orva->getUserEditSection() : nullptr;
}

bool EditTarget::isBulkTrafficRunning()
{
    auto* midi = midiManager();
    return midi != nullptr && (midi->isBulkReceive() || midi->isBulkTransmit() || midi->isAudioEQBulkReceive());
}

unsigned EditTarget::editWriteFlags()
{
    return isBulkTrafficRunning() ? PutFlags::announce : PutFlags::normalEdit;
}
