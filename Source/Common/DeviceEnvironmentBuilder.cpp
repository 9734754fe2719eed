#include "Common/DeviceEnvironmentBuilder.h"

#include "Common/DeviceEnvironment.h"

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

// The data centres (DWQ, HMQ, OKX for models 2 and 4, OPW for 3 and 5) are
// made and initialised with the Host in makeEnvironment once they exist.
DeviceEnvironment* DeviceEnvironmentBuilder::createDWQDeviceEnvironment(const DeviceInfo& info)
{
    return makeEnvironment(info, 0x32, 0);
}

DeviceEnvironment* DeviceEnvironmentBuilder::createHMQDeviceEnvironment(const DeviceInfo& info)
{
    return makeEnvironment(info, 0x34, 0);
}

DeviceEnvironment* DeviceEnvironmentBuilder::createOKXNBTDeviceEnvironment(const DeviceInfo& info)
{
    return makeEnvironment(info, 0x41, 0);
}

DeviceEnvironment* DeviceEnvironmentBuilder::createOPWNBTDeviceEnvironment(const DeviceInfo& info)
{
    return makeEnvironment(info, 0x41, 8);
}

DeviceEnvironment* DeviceEnvironmentBuilder::createOKXlynDeviceEnvironment(const DeviceInfo& info)
{
    return makeEnvironment(info, 0x41, 16);
}

DeviceEnvironment* DeviceEnvironmentBuilder::createOPWlynDeviceEnvironment(const DeviceInfo& info)
{
    return makeEnvironment(info, 0x41, 24);
}

DeviceEnvironment* DeviceEnvironmentBuilder::makeEnvironment(const DeviceInfo& info, unsigned char modelByte,
                                                             unsigned char memberByte)
{
    return new DeviceEnvironment(info, nullptr, nullptr, nullptr, modelByte, memberByte);
}
