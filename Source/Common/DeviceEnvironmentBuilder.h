#pragma once

class DataCenter;
class DeviceEnvironment;
class DeviceInfo;

// Makes the device environment of a device record's model.
class DeviceEnvironmentBuilder
{
public:
    // A new environment (the caller owns it); null for an unknown model.
    static DeviceEnvironment* createDeviceEnvironment(const DeviceInfo& info);

    static DeviceEnvironment* createDWQDeviceEnvironment(const DeviceInfo& info);
    static DeviceEnvironment* createHMQDeviceEnvironment(const DeviceInfo& info);
    static DeviceEnvironment* createOKXNBTDeviceEnvironment(const DeviceInfo& info);
    static DeviceEnvironment* createOPWNBTDeviceEnvironment(const DeviceInfo& info);
    static DeviceEnvironment* createOKXlynDeviceEnvironment(const DeviceInfo& info);
    static DeviceEnvironment* createOPWlynDeviceEnvironment(const DeviceInfo& info);

private:
    // Initialises the model's data centre (may be null) with the Host and
    // wraps it with the record in a new environment, which owns it.
    static DeviceEnvironment* makeEnvironment(const DeviceInfo& info, DataCenter* dataCenter, unsigned char modelByte,
                                              unsigned char memberByte);
};
