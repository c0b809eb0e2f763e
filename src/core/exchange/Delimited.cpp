#include "exchange/Delimited.h"

#include "model/Utf8.h"

#include <algorithm>

namespace program {

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

// The line of the first byte that is not part of well-formed UTF-8; 0 when all is.
int firstNonUtf8Line(std::string_view text) {
    int line = 1;
    for (std::size_t pos = 0; pos < text.size();) {
        const Utf8Char ch = utf8CharAt(text, pos);
        if (ch.length == 1 && static_cast<unsigned char>(text[pos]) >= 0x80)
            return line;
        if (text[pos] == '\n')
            ++line;
        pos += ch.length;
    }
    return 0;
}

DelimitedText failed(int line, BilingualText reason) {
    DelimitedText result;
    result.failure = std::move(reason);
    result.failureLine = line;
    return result;
}

std::string lineText(int line) {
    return std::to_string(line);
}

bool allEmpty(const std::vector<std::string>& fields) {
    return std::all_of(fields.begin(), fields.end(), [](const std::string& field) {
        return field.find_first_not_of(" \t") == std::string::npos;
    });
}

} // namespace

DelimitedText readDelimited(std::string_view text, char delimiter, EmptyRecords empty) {
    if (text.starts_with(ByteOrderMark))
        text.remove_prefix(ByteOrderMark.size());
    if (const int line = firstNonUtf8Line(text))
        return failed(line, {"Line " + lineText(line) +
                                 " is not UTF-8 text. Save the file as CSV in UTF-8 and "
                                 "import it again.",
                             "第 " + lineText(line) +
                                 " 行不是 UTF-8 文本。请将文件另存为 UTF-8 "
                                 "编码的 CSV 后再导入。"});

    DelimitedText result;
    DelimitedRecord record;
    std::string field;
    int line = 1;
    record.line = 1;
    std::size_t pos = 0;
    const auto endRecord = [&] {
        record.fields.push_back(std::move(field));
        field.clear();
        if (empty == EmptyRecords::Keep || !allEmpty(record.fields))
            result.records.push_back(std::move(record));
        record = {};
    };
    // A line end: CR LF, LF or CR. Returns its length, 0 when there is none at pos.
    const auto lineEnd = [&](std::size_t at) -> std::size_t {
        if (at >= text.size())
            return 0;
        if (text[at] == '\r')
            return at + 1 < text.size() && text[at + 1] == '\n' ? 2 : 1;
        return text[at] == '\n' ? 1 : 0;
    };

    while (pos < text.size()) {
        if (text[pos] == '"' && field.empty()) {
            const int quoteLine = line;
            ++pos;
            for (;;) {
                if (pos >= text.size())
                    return failed(quoteLine,
                                  {"The quoted field that begins on line " + lineText(quoteLine) +
                                       " never ends: the file is cut off or damaged.",
                                   "第 " + lineText(quoteLine) +
                                       " 行开始的带引号字段没有结束：文件不完整或已损坏。"});
                if (text[pos] == '"') {
                    if (pos + 1 < text.size() && text[pos + 1] == '"') {
                        field += '"';
                        pos += 2;
                        continue;
                    }
                    ++pos;
                    break;
                }
                if (const std::size_t end = lineEnd(pos)) {
                    field += text.substr(pos, end); // kept as written
                    pos += end;
                    ++line;
                    continue;
                }
                field += text[pos++];
            }
            if (pos < text.size() && text[pos] != delimiter && lineEnd(pos) == 0)
                return failed(line, {"Line " + lineText(line) +
                                         " has characters after the closing quote of a field.",
                                     "第 " + lineText(line) + " 行的字段在结束引号之后还有字符。"});
            if (pos >= text.size())
                break;
        }
        if (text[pos] == delimiter) {
            record.fields.push_back(std::move(field));
            field.clear();
            ++pos;
            continue;
        }
        if (const std::size_t end = lineEnd(pos)) {
            endRecord();
            pos += end;
            ++line;
            record.line = line;
            continue;
        }
        field += text[pos++];
    }
    if (!field.empty() || !record.fields.empty())
        endRecord();
    return result;
}

std::string delimitedField(std::string_view field, char delimiter) {
    const bool quote =
        field.find_first_of(std::string{delimiter, '"', '\r', '\n'}) != std::string_view::npos ||
        (!field.empty() && (field.front() == ' ' || field.back() == ' ' || field.front() == '\t' ||
                            field.back() == '\t')) ||
        // A field that begins with a byte-order mark would lose it as the first of a
        // file, where a reader takes the mark for the file's own.
        field.starts_with("\xEF\xBB\xBF");
    if (!quote)
        return std::string(field);
    std::string written = "\"";
    for (char ch : field) {
        if (ch == '"')
            written += '"';
        written += ch;
    }
    return written + "\"";
}

std::string delimitedRecord(const std::vector<std::string>& fields, char delimiter) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += delimiter;
        line += delimitedField(fields[i], delimiter);
    }
    return line;
}

} // namespace program
