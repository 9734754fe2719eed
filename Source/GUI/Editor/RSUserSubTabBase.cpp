#include "GUI/Editor/RSUserSubTabBase.h"

RSUserSubTabBase::~RSUserSubTabBase()
{
    delete m_ContentComponent;
    m_ContentComponent = nullptr;
}
