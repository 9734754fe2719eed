#include "GUI/Shell/TypeSelectOverlayComponentHolder.h"

#include "Core/MessageEngine.h"
#include "Core/MessageIds.h"

TypeSelectOverlayComponentHolder::TypeSelectOverlayComponentHolder(juce::Component* parentComponent,
                                                                   juce::Component* contentComponent,
                                                                   const juce::Colour& backdropColour)
    : OverlayComponentHolder(parentComponent, contentComponent, backdropColour)
{
    if (content != nullptr)
        content->setTopLeftPosition(getWidth() - content->getWidth(), getHeight() - content->getHeight());
}

void TypeSelectOverlayComponentHolder::mouseDown(const juce::MouseEvent&)
{
    if (MessageEngine::instance() != nullptr)
        broadcastMessageId(MessageId::CatalogSelMiniClosed);
}
