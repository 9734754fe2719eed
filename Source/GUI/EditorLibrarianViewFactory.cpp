#include "GUI/EditorLibrarianViewFactory.h"
#include "Core/ProductModel.h"

#include "GUI/COPWEditorLibrarianComponent.h"
#include "GUI/Catalog/OPWCatalogComponent.h"

CEditorLibrarianComponent* EditorLibrarianViewFactory::createView(int model)
{
    switch (model)
    {
        case kProductModelOPW:
        case kProductModelOPWlyn:
            return new COPWEditorLibrarianComponent();
        // DWQ (0), HMQ (1) and Orva KX (2, 4): no view yet; the main
        // component paints the model's background.
        default:
            return nullptr;
    }
}

CatalogComponent* EditorLibrarianViewFactory::createCatalog(int model, int width, int height, bool small)
{
    switch (model)
    {
        case kProductModelOPW:
        case kProductModelOPWlyn:
            return new OPWCatalogComponent(width, height, small);
        default:
            return nullptr;
    }
}
