#pragma once

// Loader for the reference transcriptions under tests/data/ (format: tests/data/README.md).
// A file is a list of tab-separated lines; the first field is the table key, the remaining
// fields are the row. Texts are written in double quotes with \t, \n, \\ and \" escaped;
// numbers are decimal, hexadecimal (0x...) or negative. Lines starting with # and empty
// lines are skipped. Malformed input throws std::runtime_error naming the file and line.

#include <map>
#include <string>
#include <vector>

namespace transcribed
{
// One row: its fields without the key, texts already unquoted and unescaped.
struct Row
{
    int line = 0;                    // line number in the file (1-based)
    std::vector<std::string> fields; // field values; quoted fields are unquoted
    std::vector<bool> quoted;        // true where the field was a quoted text

    size_t size() const { return fields.size(); }
    // The field as text; throws if the field is missing or was not a quoted text.
    const std::string& text(size_t i) const;
    // The field as a number; throws if the field is missing, quoted or not a number.
    long long number(size_t i) const;
    int integer(size_t i) const { return static_cast<int>(number(i)); }
    // The field as written, without interpretation (a quoted field gives its unquoted text).
    const std::string& raw(size_t i) const;
};

class Tables
{
public:
    // Reads RIGSMITH_SOURCE_DIR "/tests/data/" + fileName.
    static Tables load(const std::string& fileName);
    // Parses the contents of a file; name is used in error messages.
    static Tables parse(const std::string& contents, const std::string& name);

    bool has(const std::string& key) const { return byKey.count(key) != 0; }
    // The rows of a key in file order; throws if the key does not exist.
    const std::vector<Row>& rows(const std::string& key) const;
    // Every key, in the order of first appearance.
    const std::vector<std::string>& keys() const { return keyOrder; }
    // The keys that start with prefix, in the order of first appearance.
    std::vector<std::string> keysWithPrefix(const std::string& prefix) const;

private:
    std::string source;
    std::map<std::string, std::vector<Row>> byKey;
    std::vector<std::string> keyOrder;
};

// Strips the quotes of a quoted text and turns \t, \n, \\ and \" into the characters;
// throws on a missing quote or an unknown escape.
std::string unquote(const std::string& quotedText);

// Parses a decimal, 0x-hexadecimal or negative integer that fills the whole text.
bool parseNumber(const std::string& text, long long& out);
} // namespace transcribed
