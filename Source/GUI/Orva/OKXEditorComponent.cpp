#include "GUI/Orva/OKXEditorComponent.h"

#include "GUI/Catalog/OKXCatalogComponent.h"
#include "GUI/Orva/OKXEditParamComponent.h"
#include "GUI/Orva/OKXPGNameEditComponent.h"

PGNameEditComponent* OKXEditorComponent::createNameStrip(int width, int height)
{
    return new OKXPGNameEditComponent(width, height);
}

CatalogComponent* OKXEditorComponent::createCatalog(int width, int height)
{
    return new OKXCatalogComponent(width, height, false);
}

EditParamComponent* OKXEditorComponent::createEditParam(int width, int height)
{
    return new OKXEditParamComponent(width, height);
}
