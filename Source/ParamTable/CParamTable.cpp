#include "ParamTable/CParamTable.h"

#include "ParamTable/CAccessorPool.h"
#include "ParamTable/CStringConverterPool.h"
#include "ParamTable/IStringConverter.h"
#include "ParamTable/mathutl.h"

#include <cstdlib>

CParamTable* CParamTable::CParamTablePool::Get(const TABLEDESC& table, unsigned char model)
{
    const auto key = std::make_pair(&table, model);
    const auto found = tables.find(key);
    if (found != tables.end())
        return found->second.get();

    auto built = std::make_unique<CParamTable>(table, model);
    // Building may have registered the same key meanwhile; keep the first.
    const auto inserted = tables.emplace(key, std::move(built));
    return inserted.first->second.get();
}

CParamTable* CParamTable::GetInstance(const TABLEDESC& table, unsigned char model)
{
    static CParamTablePool pool;
    return pool.Get(table, model);
}

CParamTable::CParamTable(const TABLEDESC& table, unsigned char model)
{
    if (table.rows != nullptr)
        rows.assign(table.rows, table.rows + table.count);

    for (size_t i = 0; i < rows.size(); ++i)
    {
        SetupEntry(&rows[i], model);
        const auto& row = rows[i];
        if (row.id != -1 && row.ptype != PTYPE_NONE && row.atype != ATYPE_NONE)
            index[row.id] = (uint32_t) i;
    }
}

void CParamTable::SetupEntry(SParamDesc* row, unsigned char model)
{
    static CAccessorPool accessors;
    static CStringConverterPool converters;

    if (row == nullptr || (row->accessor != nullptr && row->converter != nullptr))
        return;

    const std::string format = extractformatforpmid(row->format, model);
    row->accessor = accessors.Get(model, row->ptype, row->atype, row->firstBit, row->lastBit, format.c_str());
    row->converter = converters.Get(model, row->ptype, row->minValue, row->maxValue, format.c_str());
    if (row->converter != nullptr)
    {
        const auto range = row->converter->Range();
        row->minValue = range.first;
        row->maxValue = range.second;
    }
    row->initValue = row->defValue;

    if (row->ptype == PTYPE_NONE)
    {
        row->id = -1;
        row->flags |= ParamFlags::notWritable;
    }
}

std::string CParamTable::extractformatforpmid(const char* format, unsigned char model)
{
    const auto items = mathutl::breakstring(format, '\f');
    if (items.empty())
        return {};
    if (items.size() == 1)
        return items[0];

    for (size_t k = 0; k < items.size(); k += 2)
    {
        const unsigned long key = std::strtoul(items[k].c_str(), nullptr, 0);
        if (key == model && k + 1 < items.size())
            return items[k + 1];
    }
    return {};
}

bool CParamTable::FindIndex(int id, uint32_t* rowIndex) const
{
    const auto found = index.find(id);
    if (found == index.end())
        return false;
    if (rowIndex != nullptr)
        *rowIndex = found->second;
    return true;
}
