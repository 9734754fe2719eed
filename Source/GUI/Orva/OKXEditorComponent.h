#pragma once

#include "GUI/Orva/OPWEditorComponent.h"

// The editor page of the Orva KX: the Orva page over the Orva KX name strip,
// catalogue strip and parameter area.
class OKXEditorComponent : public OPWEditorComponent
{
public:
    OKXEditorComponent(int width, int height) : OPWEditorComponent(width, height) {}

protected:
    PGNameEditComponent* createNameStrip(int width, int height) override;
    CatalogComponent* createCatalog(int width, int height) override;
    EditParamComponent* createEditParam(int width, int height) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(OKXEditorComponent)
};
