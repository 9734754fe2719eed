#pragma once

// A page's selection as its children read it: the selected item and whether
// the selection is shown.
template <typename T>
class ValueHolder
{
public:
    virtual ~ValueHolder() = default;

    T m_Value {};
    bool m_Flag = false;
};
