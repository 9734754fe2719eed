#pragma once

#include "Common/ModelInformation.h"

class OKXModelInformation : public ModelInformation
{
public:
    eProductModelId getModelId() const override { return kProductModelOKX; }
    juce::String getName() const override { return localizedText("DeviceName_OrvaKX"); }
    juce::Image getImageForDeviceSelect() const override { return imageNamed("OrvaKXSmallImage"); }
    juce::Image getIconImageForDeviceList() const override { return imageNamed("OrvaKXListIcon"); }
    int getNumProgramData() const override { return 1; }
    juce::String getProgramDataFileExtension() const override { return ".okxprog"; }
    juce::String getProgramDataFileDescription() const override { return {}; }
    juce::String getUSBKeyString() const override { return "ZUL 2ch Audio Device"; }
};
