#pragma once

#include "Common/ModelInformation.h"

class HMQModelInformation : public ModelInformation
{
public:
    eProductModelId getModelId() const override { return kProductModelHMQ; }
    juce::String getName() const override { return localizedText("DeviceName_HMQ"); }
    juce::Image getImageForDeviceSelect() const override { return imageNamed("HMQSmallImage"); }
    juce::Image getIconImageForDeviceList() const override { return imageNamed("HMQListIcon"); }
    int getNumProgramData() const override { return 1; }
    juce::String getProgramDataFileExtension() const override { return ".hmqprog"; }
    juce::String getProgramDataFileDescription() const override { return {}; }
    juce::String getUSBKeyString() const override { return "Hesperine X"; }
};
