#pragma once

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
    // Wraps the model's data centre and the record in a new environment.
    static DeviceEnvironment* makeEnvironment(const DeviceInfo& info, unsigned char modelByte,
                                              unsigned char memberByte);
};
