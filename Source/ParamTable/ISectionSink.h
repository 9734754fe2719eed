#pragma once

class ISection;

// Observer of a section's changes. Sections keep a list of sinks and notify
// them from OnAsyncEvent.
class ISectionSink
{
public:
    virtual ~ISectionSink() = default;
    virtual void OnSectionReinitialized(ISection* section) = 0;
    virtual void OnSectionParamPropsChanged(ISection* section, int id) = 0;
    virtual void OnSectionParamChanged(ISection* section, int id) = 0;
};
