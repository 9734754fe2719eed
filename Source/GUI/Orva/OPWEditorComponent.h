#pragma once

#include "GUI/Editor/EditorComponent.h"

class CatalogComponent;
class EditParamComponent;
class PGNameEditComponent;

// The editor page of the Orva PW: name strip, catalogue strip, parameter
// area, menu and help buttons and the connection badge, placed once. The
// Orva KX page is the same page over its own strip, catalogue and area,
// which it makes through the creators.
class OPWEditorComponent : public EditorComponent
{
public:
    OPWEditorComponent(int width, int height);
    ~OPWEditorComponent() override = default;

    void initialize() override;

    // The catalogue strip's height for a page width.
    static int catalogHeightFor(int width) noexcept { return (width * 190) / 755 + 19; }

protected:
    virtual PGNameEditComponent* createNameStrip(int width, int height);
    virtual CatalogComponent* createCatalog(int width, int height);
    virtual EditParamComponent* createEditParam(int width, int height);

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR(OPWEditorComponent)
};
