#pragma once

#include <cstddef>
#include <utility>
#include <vector>

// List parameter over a numeric accessor B: the parameter value is a position
// in the value list, and entry i of the list is the raw field value (after B's
// own translation) of position i. A raw value not in the list reads as
// position 0; a position outside the list writes the raw value 0. A list whose
// raw values are its positions (0, 1, 2, ...) maps nothing: any raw value
// reads as itself, and the section's clamped read shows one past the end as
// the last position, as every other view of the same byte does.
template <class B>
class CAccessorMapped : public B
{
public:
    CAccessorMapped(unsigned char model, unsigned first, unsigned last, std::vector<int> listValues)
        : B(model, first, last), values(std::move(listValues)), identity(isIdentity(values))
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

    const std::vector<int>& getValues() const noexcept { return values; }

private:
    static bool isIdentity(const std::vector<int>& list)
    {
        for (size_t i = 0; i < list.size(); ++i)
            if (list[i] != (int) i)
                return false;
        return ! list.empty();
    }

    int positionOf(int raw) const
    {
        if (identity)
            return raw;
        for (size_t i = 0; i < values.size(); ++i)
            if (values[i] == raw)
                return (int) i;
        return 0;
    }

    std::vector<int> values;
    bool identity;
};
