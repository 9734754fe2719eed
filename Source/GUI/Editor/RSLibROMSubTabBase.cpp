#include "GUI/Editor/RSLibROMSubTabBase.h"

RSLibROMSubTabBase::~RSLibROMSubTabBase()
{
    delete m_ContentComponent;
    m_ContentComponent = nullptr;
}
