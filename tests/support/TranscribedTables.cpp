#include "support/TranscribedTables.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace transcribed
{
namespace
{
[[noreturn]] void fail(const std::string& where, int line, const std::string& what)
{
    throw std::runtime_error(where + ":" + std::to_string(line) + ": " + what);
}

std::vector<std::string> splitTabs(const std::string& line)
{
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;)
    {
        const size_t tab = line.find('\t', start);
        parts.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
        if (tab == std::string::npos)
            return parts;
        start = tab + 1;
    }
}
} // namespace

std::string unquote(const std::string& q)
{
    if (q.size() < 2 || q.front() != '"' || q.back() != '"')
        throw std::runtime_error("not a quoted text: " + q);
    std::string out;
    for (size_t i = 1; i + 1 < q.size(); ++i)
    {
        const char c = q[i];
        if (c == '"')
            throw std::runtime_error("unescaped quote inside text: " + q);
        if (c != '\\')
        {
            out += c;
            continue;
        }
        if (i + 2 >= q.size())
            throw std::runtime_error("dangling backslash in text: " + q);
        switch (q[++i])
        {
            case 't': out += '\t'; break;
            case 'n': out += '\n'; break;
            case '\\': out += '\\'; break;
            case '"': out += '"'; break;
            default: throw std::runtime_error(std::string("unknown escape \\") + q[i] + " in text: " + q);
        }
    }
    return out;
}

bool parseNumber(const std::string& text, long long& out)
{
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && text[i] == '-')
    {
        negative = true;
        ++i;
    }
    int base = 10;
    if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X'))
    {
        base = 16;
        i += 2;
    }
    if (i >= text.size())
        return false;
    unsigned long long value = 0;
    for (; i < text.size(); ++i)
    {
        const char c = text[i];
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return false;
        value = value * static_cast<unsigned long long>(base) + static_cast<unsigned long long>(digit);
        if (value > 0xFFFFFFFFFFFFull)
            return false; // far beyond any table value; guards against overflow
    }
    out = negative ? -static_cast<long long>(value) : static_cast<long long>(value);
    return true;
}

const std::string& Row::raw(size_t i) const
{
    if (i >= fields.size())
        throw std::runtime_error("line " + std::to_string(line) + ": no field " + std::to_string(i));
    return fields[i];
}

const std::string& Row::text(size_t i) const
{
    const std::string& f = raw(i);
    if (! quoted[i])
        throw std::runtime_error("line " + std::to_string(line) + ": field " + std::to_string(i) + " is not a text");
    return f;
}

long long Row::number(size_t i) const
{
    const std::string& f = raw(i);
    long long v = 0;
    if (quoted[i] || ! parseNumber(f, v))
        throw std::runtime_error("line " + std::to_string(line) + ": field " + std::to_string(i) + " is not a number: " + f);
    return v;
}

Tables Tables::parse(const std::string& contents, const std::string& name)
{
    Tables t;
    t.source = name;
    std::istringstream in(contents);
    std::string line;
    int lineNo = 0;
    while (std::getline(in, line))
    {
        ++lineNo;
        if (! line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        std::vector<std::string> parts = splitTabs(line);
        const std::string key = parts[0];
        if (key.empty() || key.front() == '"')
            fail(name, lineNo, "missing table key");
        Row row;
        row.line = lineNo;
        for (size_t i = 1; i < parts.size(); ++i)
        {
            const std::string& p = parts[i];
            const bool isText = ! p.empty() && p.front() == '"';
            try
            {
                row.fields.push_back(isText ? unquote(p) : p);
            }
            catch (const std::exception& e)
            {
                fail(name, lineNo, e.what());
            }
            if (! isText && p.empty())
                fail(name, lineNo, "empty unquoted field " + std::to_string(i));
            row.quoted.push_back(isText);
        }
        if (t.byKey.count(key) == 0)
            t.keyOrder.push_back(key);
        t.byKey[key].push_back(std::move(row));
    }
    return t;
}

Tables Tables::load(const std::string& fileName)
{
    const std::string path = std::string(RIGSMITH_SOURCE_DIR) + "/tests/data/" + fileName;
    std::ifstream in(path, std::ios::binary);
    if (! in)
        throw std::runtime_error("cannot open " + path);
    std::ostringstream ss;
    ss << in.rdbuf();
    return parse(ss.str(), fileName);
}

const std::vector<Row>& Tables::rows(const std::string& key) const
{
    auto it = byKey.find(key);
    if (it == byKey.end())
        throw std::runtime_error(source + ": no table " + key);
    return it->second;
}

std::vector<std::string> Tables::keysWithPrefix(const std::string& prefix) const
{
    std::vector<std::string> out;
    for (const auto& k : keyOrder)
        if (k.compare(0, prefix.size(), prefix) == 0)
            out.push_back(k);
    return out;
}
} // namespace transcribed
