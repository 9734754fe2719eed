#pragma once

class CEditorLibrarianComponent;
class CatalogComponent;

// The one place where each model's screen is chosen: the top view that
// MainComponent::changeTargetModel builds, and the catalogue of the small
// catalogue overlay.
class EditorLibrarianViewFactory
{
public:
    // A new, not yet initialised top view for the model (0 DWQ, 1 HMQ, 2 and
    // 4 Orva KX, 3 and 5 Orva PW), owned by the caller; null for a model
    // without a view.
    static CEditorLibrarianComponent* createView(int model);

    // A new, not yet initialised catalogue of the model, owned by the
    // caller; null for a model without one.
    static CatalogComponent* createCatalog(int model, int width, int height, bool small);
};
