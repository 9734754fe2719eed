#include "Core/ConnectedDeviceInfoList.h"

#include "Core/SupportedModels.h"

#include <algorithm>

void ConnectedDeviceInfoList::clear()
{
    const juce::ScopedLock sl(lock);
    devices.clear();
}

void ConnectedDeviceInfoList::add(const DeviceInfo& info)
{
    const juce::ScopedLock sl(lock);
    auto* models = SupportedModels::instance();
    if (models == nullptr || models->getInformation(info.model) == nullptr)
        return;
    devices.push_back(info);
}

void ConnectedDeviceInfoList::sort()
{
    const juce::ScopedLock sl(lock);
    std::stable_sort(devices.begin(), devices.end());
}

unsigned int ConnectedDeviceInfoList::getNumDevices() const
{
    const juce::ScopedLock sl(lock);
    return (unsigned int) devices.size();
}

DeviceInfo ConnectedDeviceInfoList::getDeviceInfo(unsigned int index) const
{
    const juce::ScopedLock sl(lock);
    if (index >= devices.size())
        return {};
    return devices[index];
}

bool ConnectedDeviceInfoList::find(const DeviceInfo& info) const
{
    const juce::ScopedLock sl(lock);
    return std::any_of(devices.begin(), devices.end(), [&](const DeviceInfo& d) { return d.isSameDeviceInfo(info); });
}

bool ConnectedDeviceInfoList::findByModel(const DeviceInfo& info, int* index) const
{
    const juce::ScopedLock sl(lock);
    for (size_t i = 0; i < devices.size(); ++i)
    {
        if (devices[i].isSameModelExcludeOrva(info))
        {
            if (index != nullptr)
                *index = (int) i;
            return true;
        }
    }
    return false;
}
