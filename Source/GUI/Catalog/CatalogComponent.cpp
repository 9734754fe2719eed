#include "GUI/Catalog/CatalogComponent.h"

CatalogComponent::CatalogComponent(int width, int height) : m_Width(width), m_Height(height)
{}

CatalogComponent::~CatalogComponent()
{
    m_Panes.clear(true);
}
