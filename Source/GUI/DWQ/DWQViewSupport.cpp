#include "GUI/DWQ/DWQViewSupport.h"

#include "Action/ActionManager.h"
#include "Action/MidiManager.h"
#include "Application/Host.h"
#include "Application/StateHolder.h"
#include "Common/DeviceEnvironment.h"
#include "DWQ/DWQDataCenter.h"
#include "GUI/Editor/EditTarget.h"

DWQDataCenter* DWQViewSupport::getDataCenter()
{
    auto* host = Host::getInstance();
    auto* environment = host != nullptr ? host->getDeviceEnvironment() : nullptr;
    return environment != nullptr ? dynamic_cast<DWQDataCenter*>(environment->getDataCenter()) : nullptr;
}

DWQ::CDWQUserEditSectionImpl* DWQViewSupport::getSection()
{
    auto* dataCenter = getDataCenter();
    return dataCenter != nullptr ? &dataCenter->getUserEditSection() : nullptr;
}

MidiManager* DWQViewSupport::getMidiManager()
{
    auto* host = Host::getInstance();
    return host != nullptr ? host->getMidiManager() : nullptr;
}

ActionManager* DWQViewSupport::getActionManager()
{
    auto* host = Host::getInstance();
    return host != nullptr ? host->getActionManager() : nullptr;
}

StateHolder* DWQViewSupport::getStateHolder()
{
    auto* host = Host::getInstance();
    return host != nullptr ? host->getStateHolder() : nullptr;
}

bool DWQViewSupport::isTransferRunning()
{
    return EditTarget::isBulkTrafficRunning();
}

unsigned DWQViewSupport::editFlags()
{
    return EditTarget::editWriteFlags();
}

int DWQViewSupport::firstProgramOfFile(int fileIndex) noexcept
{
    return fileIndex == 0 ? firstFile : (fileIndex == 1 ? firstFile + programsPerTab : firstFile + 2 * programsPerTab);
}

const unsigned char* DWQViewSupport::recordOf(DWQDataCenter& dataCenter, int program)
{
    if (program >= 0 && program < numPresets)
        return dataCenter.getROMProgPtr(program);
    if (program >= firstUser && program < firstFile)
        return dataCenter.getRAMProgPtr(program - firstUser);
    if (program >= firstFile && program < endOfFiles)
        return dataCenter.getFileProgPtr((program - firstFile) / programsPerTab, (program - firstFile) % programsPerTab);
    return nullptr;
}
