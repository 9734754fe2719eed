#include "Core/DeviceInfo.h"

#include "Common/ModelInformation.h"
#include "Core/SupportedModels.h"

DeviceInfo::DeviceInfo(eProductModelId m, bool isConnected, int inIndex, const juce::String& inName, int outIndex,
                       const juce::String& outName, int v1, int v2, int fam, eMediaType media)
    : model(m),
      isConnectedFlag(isConnected),
      midiInIndex(inIndex),
      midiInName(inName),
      midiOutIndex(outIndex),
      midiOutName(outName),
      version1(v1),
      version2(v2),
      family(fam),
      mediaType(media)
{
    if (mediaType == kMediaTypeUnknown && isConnectedFlag)
        scanMediaType();
}

bool DeviceInfo::scanMediaType()
{
    if (! isConnectedFlag)
    {
        mediaType = kMediaTypeUnknown;
        return false;
    }
    if (mediaType != kMediaTypeUnknown || model == kProductModelNone)
        return false;

    auto* models = SupportedModels::instance();
    auto* info = models != nullptr ? models->getInformation(model) : nullptr;
    if (info == nullptr)
    {
        mediaType = kMediaTypeUnknown;
        return false;
    }

    const auto usbKey = info->getUSBKeyString();
    if (usbKey.isNotEmpty() && midiInName.contains(usbKey))
    {
        mediaType = kMediaTypeUSB;
        return true;
    }

    const auto bleKey1 = info->getBLEKeyString1();
    if (bleKey1.isNotEmpty() && midiInName.contains(bleKey1))
    {
        mediaType = midiInName.contains(info->getBLEKeyString2()) ? kMediaTypeBluetooth : kMediaTypeUnknown;
        return mediaType == kMediaTypeBluetooth;
    }

    const auto converter = info->getBLEConverterString1();
    mediaType = (converter.isNotEmpty() && midiInName.contains(converter)) ? kMediaTypeBluetooth : kMediaTypeUnknown;
    return mediaType == kMediaTypeBluetooth;
}

int DeviceInfo::modelClassOf(int modelId) noexcept
{
    if (modelId == kProductModelOKXlyn)
        return kProductModelOKX;
    if (modelId == kProductModelOPWlyn)
        return kProductModelOPW;
    return modelId;
}

bool DeviceInfo::isSameModel(const DeviceInfo& other) const noexcept
{
    return model == other.model;
}

bool DeviceInfo::isSameModelExcludeOrva(const DeviceInfo& other) const noexcept
{
    return modelClassOf(model) == modelClassOf(other.model);
}

bool DeviceInfo::isSameConnection(const DeviceInfo& other) const noexcept
{
    // juce::String's == is exact and case-sensitive.
    return midiInName == other.midiInName && midiOutName == other.midiOutName;
}

bool DeviceInfo::isSameDeviceInfo(const DeviceInfo& other) const noexcept
{
    return isSameModelExcludeOrva(other) && isSameConnection(other);
}

bool DeviceInfo::operator==(const DeviceInfo& other) const noexcept
{
    return isSameDeviceInfo(other) && isConnectedFlag == other.isConnectedFlag;
}

bool DeviceInfo::operator<(const DeviceInfo& other) const noexcept
{
    if (model != other.model)
        return model < other.model;
    return midiInName.compare(other.midiInName) < 0;
}
