#pragma once

#include "Core/ProductModel.h"

#include <juce_core/juce_core.h>

// The model id of an identity reply's family and member codes; -1 for a
// product that is not supported.
int getModelIdFromProductId(int family, int member);

// The model's display name; empty when the registry or the model is missing.
juce::String getDeviceNameFromModelId(eProductModelId model);
