#include "Common/DeviceEnvironmentBuilder.h"

#include "Application/Host.h"
#include "Common/DeviceEnvironment.h"
#include "DWQ/DWQDataCenter.h"
#include "HMQ/HMQDataCenter.h"
#include "OrvaKX/OKXDataCenter.h"
#include "OrvaPW/OPWDataCenter.h"

DeviceEnvironment* DeviceEnvironmentBuilder::createDeviceEnvironment(const DeviceInfo& info)
{
    switch (info.model)
    {
        case kProductModelDWQ: return createDWQDeviceEnvironment(info);
        case kProductModelHMQ: return createHMQDeviceEnvironment(info);
        case kProductModelOKX: return createOKXNBTDeviceEnvironment(info);
        case kProductModelOPW: return createOPWNBTDeviceEnvironment(info);
        case kProductModelOKXlyn: return createOKXlynDeviceEnvironment(info);
        case kProductModelOPWlyn: return createOPWlynDeviceEnvironment(info);
        default: return nullptr;
    }
}

// Every model gets its data centre; the Orva data centres serve the wired and
// the wireless variant alike (OKX for models 2 and 4, OPW for 3 and 5).
DeviceEnvironment* DeviceEnvironmentBuilder::createDWQDeviceEnvironment(const DeviceInfo& info)
{
    return makeEnvironment(info, new DWQDataCenter(), 0x32, 0);
}

DeviceEnvironment* DeviceEnvironmentBuilder::createHMQDeviceEnvironment(const DeviceInfo& info)
{
    return makeEnvironment(info, new HMQDataCenter(), 0x34, 0);
}

DeviceEnvironment* DeviceEnvironmentBuilder::createOKXNBTDeviceEnvironment(const DeviceInfo& info)
{
    return makeEnvironment(info, new OKXDataCenter(), 0x41, 0);
}

DeviceEnvironment* DeviceEnvironmentBuilder::createOPWNBTDeviceEnvironment(const DeviceInfo& info)
{
    return makeEnvironment(info, new OPWDataCenter(), 0x41, 8);
}

DeviceEnvironment* DeviceEnvironmentBuilder::createOKXlynDeviceEnvironment(const DeviceInfo& info)
{
    return makeEnvironment(info, new OKXDataCenter(), 0x41, 16);
}

DeviceEnvironment* DeviceEnvironmentBuilder::createOPWlynDeviceEnvironment(const DeviceInfo& info)
{
    return makeEnvironment(info, new OPWDataCenter(), 0x41, 24);
}

DeviceEnvironment* DeviceEnvironmentBuilder::makeEnvironment(const DeviceInfo& info, DataCenter* dataCenter,
                                                             unsigned char modelByte, unsigned char memberByte)
{
    if (dataCenter != nullptr)
        dataCenter->Init(Host::getInstance());
    return new DeviceEnvironment(info, dataCenter, nullptr, nullptr, modelByte, memberByte);
}
