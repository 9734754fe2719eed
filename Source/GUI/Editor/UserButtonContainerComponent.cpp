#include "GUI/Editor/UserButtonContainerComponent.h"

UserButtonContainerComponent::UserButtonContainerComponent(int width, int height, int extra)
    : m_Width(width), m_Height(height), m_Extra(extra)
{
    setWantsKeyboardFocus(true);
    setMouseClickGrabsKeyboardFocus(true);
}
