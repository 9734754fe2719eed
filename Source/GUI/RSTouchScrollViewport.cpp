#include "GUI/RSTouchScrollViewport.h"

juce::Array<RSTouchScrollViewport*> RSTouchScrollViewport::theTSViewportList;

RSTouchScrollViewport::RSTouchScrollViewport()
{
    theTSViewportList.add(this);
}

RSTouchScrollViewport::~RSTouchScrollViewport()
{
    theTSViewportList.removeFirstMatchingValue(this);
}
