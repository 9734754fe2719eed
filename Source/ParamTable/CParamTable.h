#pragma once

#include "ParamTable/TABLEDESC.h"

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// Working copy of one static table: every row with its shared accessor and
// converter attached and its range settled, plus an index from parameter id
// to row. Working tables are pooled per static table and model byte and never
// change once built.
class CParamTable
{
public:
    class CParamTablePool
    {
    public:
        CParamTable* Get(const TABLEDESC& table, unsigned char model);

    private:
        std::map<std::pair<const TABLEDESC*, unsigned char>, std::unique_ptr<CParamTable>> tables;
    };

    // The pooled working table of this static table (keyed by its address)
    // and model byte; built on first request, never null.
    static CParamTable* GetInstance(const TABLEDESC& table, unsigned char model);

    CParamTable(const TABLEDESC& table, unsigned char model);

    // Attaches accessor and converter to one row and settles its range, init and id.
    static void SetupEntry(SParamDesc* row, unsigned char model);

    // The format variant for a model byte: "key\fformat\fkey\fformat..." or
    // one format for every model byte.
    static std::string extractformatforpmid(const char* format, unsigned char model);

    size_t GetCount() const noexcept { return rows.size(); }
    // The row at an index below GetCount().
    const SParamDesc& GetEntry(size_t index) const { return rows[index]; }
    // The row index of an id; false when the id is not in the index.
    bool FindIndex(int id, uint32_t* index) const;

private:
    std::vector<SParamDesc> rows;
    std::map<int, uint32_t> index;
};
