#pragma once

#include "Common/ModelInformation.h"

class DWQModelInformation : public ModelInformation
{
public:
    eProductModelId getModelId() const override { return kProductModelDWQ; }
    juce::String getName() const override { return localizedText("DeviceName_DWQ"); }
    juce::Image getImageForDeviceSelect() const override { return imageNamed("DWQSmallImage"); }
    juce::Image getIconImageForDeviceList() const override { return imageNamed("DWQListIcon"); }
    int getNumProgramData() const override { return 1; }
    juce::String getProgramDataFileExtension() const override { return ".dwqprog"; }
    juce::String getProgramDataFileDescription() const override { return {}; }
    juce::String getUSBKeyString() const override { return "ZUL 2ch Audio Device"; }
};
