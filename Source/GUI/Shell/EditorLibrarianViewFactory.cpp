#include "GUI/Shell/EditorLibrarianViewFactory.h"

#include "Core/ProductModel.h"
#include "GUI/Catalog/DWQCatalogComponent.h"
#include "GUI/Catalog/HMQCatalogComponent.h"
#include "GUI/Catalog/OKXCatalogComponent.h"
#include "GUI/Catalog/OPWCatalogComponent.h"
#include "GUI/DWQ/CDWQEditorLibrarianComponent.h"
#include "GUI/HMQ/CHMQEditorLibrarianComponent.h"
#include "GUI/Orva/COKXEditorLibrarianComponent.h"
#include "GUI/Orva/COPWEditorLibrarianComponent.h"

CEditorLibrarianComponent* EditorLibrarianViewFactory::createView(int model)
{
    switch (model)
    {
        case kProductModelDWQ: return new CDWQEditorLibrarianComponent();
        case kProductModelHMQ: return new CHMQEditorLibrarianComponent();
        case kProductModelOKX:
        case kProductModelOKXlyn: return new COKXEditorLibrarianComponent();
        case kProductModelOPW:
        case kProductModelOPWlyn: return new COPWEditorLibrarianComponent();
        default: return nullptr;
    }
}

CatalogComponent* EditorLibrarianViewFactory::createCatalog(int model, int width, int height, bool small)
{
    switch (model)
    {
        case kProductModelDWQ: return new DWQCatalogComponent(width, height, small);
        case kProductModelHMQ: return new HMQCatalogComponent(width, height, small);
        case kProductModelOKX:
        case kProductModelOKXlyn: return new OKXCatalogComponent(width, height, small);
        case kProductModelOPW:
        case kProductModelOPWlyn: return new OPWCatalogComponent(width, height, small);
        default: return nullptr;
    }
}
