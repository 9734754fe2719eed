#pragma once

#include "Core/ProductModel.h"

#include <juce_graphics/juce_graphics.h>

// What is particular to one supported model outside its sound data: display
// name, pictures, program-file extension and the strings by which its MIDI
// ports are recognised.
class ModelInformation
{
public:
    virtual ~ModelInformation() = default;

    virtual eProductModelId getModelId() const = 0;
    virtual juce::String getName() const = 0;
    virtual juce::Image getImageForDeviceSelect() const = 0;
    virtual juce::Image getIconImageForDeviceList() const = 0;
    virtual int getNumProgramData() const = 0;
    virtual juce::String getProgramDataFileExtension() const = 0;
    virtual juce::String getProgramDataFileDescription() const = 0;
    virtual juce::String getUSBKeyString() const = 0;
    virtual juce::String getBLEKeyString1() const { return {}; }
    virtual juce::String getBLEKeyString2() const { return {}; }
    virtual juce::String getBLEConverterString1() const { return "PZ-KW06"; }

protected:
    // The localised text of a key.
    static juce::String localizedText(const char* key);

    // A bitmap by resource name.
    static juce::Image imageNamed(const char* name);
};
