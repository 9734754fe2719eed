#pragma once

#include "Common/ModelInformation.h"

class OPWModelInformation : public ModelInformation
{
public:
    eProductModelId getModelId() const override { return kProductModelOPW; }
    juce::String getName() const override { return localizedText("DeviceName_OrvaPW"); }
    juce::Image getImageForDeviceSelect() const override { return imageNamed("OrvaPWSmallImage"); }
    juce::Image getIconImageForDeviceList() const override { return imageNamed("OrvaPWListIcon"); }
    int getNumProgramData() const override { return 1; }
    juce::String getProgramDataFileExtension() const override { return ".opwprog"; }
    juce::String getProgramDataFileDescription() const override { return {}; }
    juce::String getUSBKeyString() const override { return "ZUL 2ch Audio Device"; }
};
