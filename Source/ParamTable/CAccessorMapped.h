#pragma once

#include "ParamTable/IAccessorI.h"

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

// What a list accessor tells beyond its values: whether the field holds one
// of the list's raw values at all. A byte received out of range reads as
// position 0 like the list's first value; only this tells the two apart.
class IAccessorList
{
public:
    virtual ~IAccessorList() = default;
    virtual bool HoldsListValue(const void* buf, unsigned offset) const = 0;
};

// List parameter over a numeric accessor B: the parameter value is a position
// in the value list, and entry i of the list is the raw field value (after B's
// own translation) of position i. A raw value not in the list reads as
// position 0; a position outside the list writes the raw value 0.
template <class B>
class CAccessorMapped : public B,
                        public IAccessorList
{
public:
    CAccessorMapped(unsigned char model, unsigned first, unsigned last, std::vector<int> listValues)
        : B(model, first, last), values(std::move(listValues))
    {}

    int Get(const void* buf, unsigned offset) const override
    {
        if (buf == nullptr)
            return 0;
        return positionOf(B::GetRaw(buf, offset));
    }

    int Put(void* buf, unsigned offset, int position) const override
    {
        if (buf == nullptr)
            return 0;
        const int raw = (position >= 0 && (size_t) position < values.size()) ? values[(size_t) position] : 0;
        return positionOf(B::PutRaw(buf, offset, raw));
    }

    bool HoldsListValue(const void* buf, unsigned offset) const override
    {
        return buf != nullptr && std::find(values.begin(), values.end(), B::GetRaw(buf, offset)) != values.end();
    }

    const std::vector<int>& getValues() const noexcept { return values; }

private:
    int positionOf(int raw) const
    {
        for (size_t i = 0; i < values.size(); ++i)
            if (values[i] == raw)
                return (int) i;
        return 0;
    }

    std::vector<int> values;
};
