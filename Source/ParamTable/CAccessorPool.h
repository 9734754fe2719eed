#pragma once

#include "ParamTable/IAccessorI.h"
#include "ParamTable/IAccessorS.h"
#include "ParamTable/ParamKinds.h"

#include <map>
#include <memory>
#include <vector>

// Hands out the shared accessor of a row's layout. Numeric accessors are
// keyed by model byte, PTYPE, ATYPE, bit range and, for list parameters, the
// value list; the pool owns them. Text accessors are shared objects.
class CAccessorPool
{
public:
    CAccessorPool();
    ~CAccessorPool();

    // The accessor for this combination, or null when it has none.
    IAccessor* Get(unsigned char model, PTYPE ptype, ATYPE atype, unsigned first, unsigned last, const char* format);

private:
    struct Key
    {
        unsigned char model;
        int ptype;
        int atype;
        unsigned first;
        unsigned last;
        std::vector<int> values;

        bool operator<(const Key& other) const;
    };

    std::map<Key, std::unique_ptr<IAccessorI>> numeric;
    std::map<unsigned, std::unique_ptr<IAccessorS>> packedText; // 6-bit display texts by start bit
};
