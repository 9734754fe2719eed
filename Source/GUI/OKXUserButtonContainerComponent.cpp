#include "GUI/OKXUserButtonContainerComponent.h"

void OKXUserButtonContainerComponent::resetTouchDownMemory()
{
}
