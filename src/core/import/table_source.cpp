#include "import/table_source.h"

#include "base/text.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>

namespace {

// ---- Characters ----

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool startsWithNoCase(const std::string& text, size_t pos, const char* word)
{
    const size_t length = std::strlen(word);
    if (pos + length > text.size())
        return false;
    for (size_t i = 0; i < length; ++i)
        if (lowerAscii(text[pos + i]) != word[i])
            return false;
    return true;
}

// The first occurrence of a lower-case ASCII word at or after pos, case ignored; npos if none.
// Linear: a word of the few letters looked for here never overlaps itself far.
size_t findNoCase(const std::string& text, size_t pos, const char* word)
{
    for (; pos < text.size(); ++pos)
        if (lowerAscii(text[pos]) == word[0] && startsWithNoCase(text, pos, word))
            return pos;
    return std::string::npos;
}

// Windows-1252 bytes as UTF-8. A lone byte above 0x7F is never UTF-8, so the INI reader's
// fallback decodes each one.
std::string fromCp1252(const std::string& bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes)
        out += static_cast<unsigned char>(c) < 0x80 ? std::string(1, c) : iniTextToUtf8(std::string(1, c));
    return out;
}

std::string fromUtf16(const std::string& bytes, bool bigEndian)
{
    std::string out;
    out.reserve(bytes.size());
    const auto unit = [&](size_t i) {
        const auto a = static_cast<unsigned char>(bytes[i]), b = static_cast<unsigned char>(bytes[i + 1]);
        return static_cast<char32_t>(bigEndian ? (a << 8) | b : (b << 8) | a);
    };
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        char32_t cp = unit(i);
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 3 < bytes.size() && unit(i + 2) >= 0xDC00 && unit(i + 2) <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (unit(i + 2) - 0xDC00);
            i += 2;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = 0xFFFD;
        }
        appendUtf8(out, cp);
    }
    return out;
}

// The charset a page declares in its first part ("charset=iso-8859-1"), lower case; empty if none.
std::string declaredCharset(const std::string& bytes)
{
    const std::string head = bytes.substr(0, 4096);
    const size_t at = findNoCase(head, 0, "charset=");
    if (at == std::string::npos)
        return {};
    size_t pos = at + 8;
    while (pos < head.size() && (head[pos] == '"' || head[pos] == '\'' || head[pos] == ' '))
        ++pos;
    std::string name;
    while (pos < head.size() && name.size() < 40 && head[pos] != '"' && head[pos] != '\'' && head[pos] != ';' &&
           head[pos] != '>' && head[pos] != ' ' && head[pos] != '/')
        name += lowerAscii(head[pos++]);
    return name;
}

bool looksLikeHtml(const std::string& text)
{
    const size_t first = text.find_first_not_of(" \t\r\n");
    return (first != std::string::npos && text[first] == '<') || findNoCase(text, 0, "<table") != std::string::npos ||
           findNoCase(text, 0, "<tr") != std::string::npos;
}

// Text holds no NUL and few other control characters; a page or a spreadsheet's text has none.
bool looksBinary(const std::string& text)
{
    size_t controls = 0;
    for (char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (b == 0)
            return true;
        if (b < 0x20 && b != '\t' && b != '\n' && b != '\r' && b != '\f')
            ++controls;
    }
    return controls * 100 > text.size();
}

// ---- HTML ----

// The entities a page may use for the letters of names, its blanks and its punctuation.
const char* const latin1Entities[96] = {
    "nbsp",   "iexcl",  "cent",   "pound",  "curren", "yen",    "brvbar", "sect",   "uml",    "copy",   "ordf",
    "laquo",  "not",    "shy",    "reg",    "macr",   "deg",    "plusmn", "sup2",   "sup3",   "acute",  "micro",
    "para",   "middot", "cedil",  "sup1",   "ordm",   "raquo",  "frac14", "frac12", "frac34", "iquest", "Agrave",
    "Aacute", "Acirc",  "Atilde", "Auml",   "Aring",  "AElig",  "Ccedil", "Egrave", "Eacute", "Ecirc",  "Euml",
    "Igrave", "Iacute", "Icirc",  "Iuml",   "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde", "Ouml",
    "times",  "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute", "THORN",  "szlig",  "agrave", "aacute",
    "acirc",  "atilde", "auml",   "aring",  "aelig",  "ccedil", "egrave", "eacute", "ecirc",  "euml",   "igrave",
    "iacute", "icirc",  "iuml",   "eth",    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "divide",
    "oslash", "ugrave", "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml"};

struct NamedEntity {
    const char* name;
    char32_t cp;
};
const NamedEntity otherEntities[] = {
    {"amp", '&'},       {"lt", '<'},        {"gt", '>'},        {"quot", '"'},      {"apos", '\''},
    {"ndash", 0x2013},  {"mdash", 0x2014},  {"lsquo", 0x2018},  {"rsquo", 0x2019},  {"sbquo", 0x201A},
    {"ldquo", 0x201C},  {"rdquo", 0x201D},  {"bdquo", 0x201E},  {"hellip", 0x2026}, {"euro", 0x20AC},
    {"ensp", 0x2002},   {"emsp", 0x2003},   {"thinsp", 0x2009}, {"bull", 0x2022},   {"trade", 0x2122},
    {"OElig", 0x152},   {"oelig", 0x153},   {"Scaron", 0x160},  {"scaron", 0x161},  {"Yuml", 0x178},
    {"Zcaron", 0x17D},  {"zcaron", 0x17E},
};

// Decodes the entity at text[pos] == '&' into out and returns the position after it; an unknown
// or unterminated one stays as it stands.
size_t decodeEntity(const std::string& text, size_t pos, std::string& out)
{
    // Entities are short: looking further would make a page of lone "&" quadratic.
    const size_t length = text.substr(pos + 1, 12).find(';');
    if (length == std::string::npos) {
        out += '&';
        return pos + 1;
    }
    const size_t semicolon = pos + 1 + length;
    const std::string name = text.substr(pos + 1, length);
    char32_t cp = 0;
    if (name.size() > 1 && name[0] == '#') {
        const bool hex = name[1] == 'x' || name[1] == 'X';
        const std::string digits = name.substr(hex ? 2 : 1);
        if (digits.empty() || digits.find_first_not_of(hex ? "0123456789abcdefABCDEF" : "0123456789") != std::string::npos) {
            out += '&';
            return pos + 1;
        }
        const unsigned long value = std::strtoul(digits.c_str(), nullptr, hex ? 16 : 10);
        if (value >= 0x80 && value < 0xA0) {
            // As browsers do: the C1 range names the Windows-1252 characters.
            out += fromCp1252(std::string(1, static_cast<char>(value)));
            return semicolon + 1;
        }
        cp = value == 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF) ? 0xFFFD : static_cast<char32_t>(value);
    } else {
        for (int i = 0; i < 96 && !cp; ++i)
            if (name == latin1Entities[i])
                cp = static_cast<char32_t>(0xA0 + i);
        for (const NamedEntity& entity : otherEntities)
            if (!cp && name == entity.name)
                cp = entity.cp;
        if (!cp) {
            out += '&';
            return pos + 1;
        }
    }
    appendUtf8(out, cp);
    return semicolon + 1;
}

struct Tag {
    std::string name; // lower case, without "/"
    bool closing = false;
    bool hidden = false; // display:none, the attribute hidden or the class hidden
    int colspan = 1;
};

// The attributes of a tag that matter here; the text is what stands between "<" and ">".
Tag parseTag(const std::string& text)
{
    Tag tag;
    size_t pos = 0;
    if (pos < text.size() && text[pos] == '/') {
        tag.closing = true;
        ++pos;
    }
    while (pos < text.size() && (std::isalnum(static_cast<unsigned char>(text[pos]))))
        tag.name += lowerAscii(text[pos++]);
    while (pos < text.size()) {
        while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t' || text[pos] == '\r' || text[pos] == '\n' || text[pos] == '/'))
            ++pos;
        std::string attribute;
        while (pos < text.size() && text[pos] != '=' && text[pos] != ' ' && text[pos] != '\t' && text[pos] != '\r' &&
               text[pos] != '\n' && text[pos] != '/')
            attribute += lowerAscii(text[pos++]);
        std::string value;
        if (pos < text.size() && text[pos] == '=') {
            ++pos;
            const char quote = pos < text.size() && (text[pos] == '"' || text[pos] == '\'') ? text[pos] : 0;
            if (quote)
                ++pos;
            while (pos < text.size() && (quote ? text[pos] != quote : text[pos] != ' ' && text[pos] != '\t'))
                value += lowerAscii(text[pos++]);
            if (quote)
                ++pos;
        }
        if (attribute == "hidden")
            tag.hidden = true;
        if (attribute == "style") {
            value.erase(std::remove(value.begin(), value.end(), ' '), value.end());
            tag.hidden = tag.hidden || value.find("display:none") != std::string::npos;
        }
        if (attribute == "class")
            tag.hidden = tag.hidden || (" " + value + " ").find(" hidden ") != std::string::npos;
        if (attribute == "colspan")
            tag.colspan = std::max(1, std::min(100, std::atoi(value.substr(0, 4).c_str())));
        if (attribute.empty() && value.empty() && pos < text.size())
            ++pos;
    }
    return tag;
}

// Builds the tables while the tokenizer walks the page once.
class TableBuilder {
public:
    std::vector<CellTable> tables;

    void text(const std::string& decoded)
    {
        if (!open_.empty() && open_.back().inCell)
            open_.back().cell += decoded;
    }
    void tag(const Tag& tag)
    {
        if (tag.name == "table") {
            if (tag.closing) {
                if (!open_.empty()) {
                    closeRow();
                    open_.pop_back();
                }
            } else if (open_.size() < 64) {
                openTable();
            }
        } else if (tag.name == "tr" && inTable(tag)) {
            closeRow();
            if (!tag.closing) {
                open_.back().inRow = true;
                open_.back().rowHidden = tag.hidden;
            }
        } else if ((tag.name == "td" || tag.name == "th") && inTable(tag)) {
            closeCell();
            if (!tag.closing) {
                Open& table = open_.back();
                table.inRow = true;
                table.inCell = true;
                table.cellHidden = tag.hidden;
                table.colspan = tag.colspan;
            }
        } else if (tag.name == "br" || tag.name == "p" || tag.name == "div" || tag.name == "li") {
            text(" ");
        }
    }
    void finish()
    {
        while (!open_.empty()) {
            closeRow();
            open_.pop_back();
        }
    }

private:
    struct Open {
        size_t table = 0;
        bool inRow = false, rowHidden = false, inCell = false, cellHidden = false;
        int colspan = 1;
        std::string cell;
        CellRow row;
    };
    std::vector<Open> open_;
    size_t cells_ = 0;

    // A row or a cell outside any table opens one (a fragment cut inside it); a closing tag there
    // has nothing to close.
    bool inTable(const Tag& tag)
    {
        if (open_.empty() && !tag.closing)
            openTable();
        return !open_.empty();
    }
    void openTable()
    {
        open_.emplace_back();
        open_.back().table = tables.size();
        tables.emplace_back();
    }
    void closeCell()
    {
        Open& table = open_.back();
        if (!table.inCell)
            return;
        table.inCell = false;
        if (!table.cellHidden)
            for (int i = 0; i < table.colspan && table.row.size() < maxCellsPerRow && cells_ < maxImportCells; ++i, ++cells_)
                table.row.push_back(i == 0 ? cleanCell(table.cell) : std::string());
        table.cell.clear();
    }
    void closeRow()
    {
        closeCell();
        Open& table = open_.back();
        if (table.inRow && !table.rowHidden && cells_ < maxImportCells) {
            ++cells_;
            tables[table.table].push_back(std::move(table.row));
        }
        table.row.clear();
        table.inRow = false;
    }
};

// ---- Case ----

// The lower-case letter of a two-byte UTF-8 capital of Latin-1 or Latin Extended-A, else cp.
char32_t lowerLatin(char32_t cp)
{
    if (cp >= 0xC0 && cp <= 0xDE && cp != 0xD7)
        return cp + 0x20;
    if ((cp >= 0x100 && cp <= 0x137) || (cp >= 0x14A && cp <= 0x177))
        return cp | 1;
    if ((cp >= 0x139 && cp <= 0x148) || (cp >= 0x179 && cp <= 0x17E))
        return (cp & 1) ? cp + 1 : cp;
    return cp == 0x178 ? 0xFF : cp;
}

} // namespace

DecodedFile decodeFileBytes(const std::string& bytes)
{
    DecodedFile file;
    const auto starts = [&](const char* bom) { return bytes.compare(0, std::strlen(bom), bom) == 0; };
    if (starts("\xFF\xFE") || starts("\xFE\xFF")) {
        file.text = fromUtf16(bytes.substr(2), starts("\xFE\xFF"));
    } else {
        const std::string body = starts("\xEF\xBB\xBF") ? bytes.substr(3) : bytes;
        const std::string charset = starts("\xEF\xBB\xBF") ? std::string("utf-8") : declaredCharset(body);
        if (charset.empty() || charset == "utf-8" || charset == "utf8")
            file.text = iniTextToUtf8(body);
        else
            file.text = fromCp1252(body);
    }
    file.binary = looksBinary(file.text);
    file.html = !file.binary && looksLikeHtml(file.text);
    return file;
}

std::string clipboardFragment(const std::string& block)
{
    const std::string data = block.substr(0, block.find('\0'));
    const auto offset = [&](const char* key) -> long long {
        const size_t at = findNoCase(data.substr(0, 400), 0, key);
        if (at == std::string::npos)
            return -1;
        const std::string digits = data.substr(at + std::strlen(key), 12);
        return digits.empty() || !std::isdigit(static_cast<unsigned char>(digits[0])) ? -1 : std::strtoll(digits.c_str(), nullptr, 10);
    };
    const long long length = static_cast<long long>(data.size());
    const long long start = offset("startfragment:"), end = offset("endfragment:"), html = offset("starthtml:");
    std::string fragment;
    if (start >= 0 && end >= start && end <= length)
        fragment = data.substr(start, end - start);
    else if (html >= 0 && html <= length)
        fragment = data.substr(html);
    else
        fragment = data.substr(std::min(data.size(), data.find('<')));
    return iniTextToUtf8(fragment);
}

std::vector<CellTable> htmlTables(const std::string& html)
{
    TableBuilder builder;
    std::string text;
    size_t pos = 0;
    while (pos < html.size()) {
        const char c = html[pos];
        if (c == '&') {
            pos = decodeEntity(html, pos, text);
            continue;
        }
        const bool markup = c == '<' && pos + 1 < html.size() &&
                            (std::isalpha(static_cast<unsigned char>(html[pos + 1])) || html[pos + 1] == '/' ||
                             html[pos + 1] == '!' || html[pos + 1] == '?');
        if (!markup) {
            text += c;
            ++pos;
            continue;
        }
        builder.text(text);
        text.clear();
        if (html.compare(pos, 4, "<!--") == 0) {
            const size_t end = html.find("-->", pos + 4);
            pos = end == std::string::npos ? html.size() : end + 3;
            continue;
        }
        // The tag's end, past quoted attribute values; an unclosed tag ends the page.
        size_t end = pos + 1;
        char quote = 0;
        for (; end < html.size(); ++end) {
            if (quote) {
                if (html[end] == quote)
                    quote = 0;
            } else if (html[end] == '"' || html[end] == '\'') {
                quote = html[end];
            } else if (html[end] == '>') {
                break;
            }
        }
        if (end >= html.size())
            break;
        const Tag tag = parseTag(html.substr(pos + 1, end - pos - 1));
        pos = end + 1;
        if (!tag.closing && (tag.name == "script" || tag.name == "style")) {
            const size_t close = findNoCase(html, pos, tag.name == "script" ? "</script" : "</style");
            pos = close == std::string::npos ? html.size() : close;
            continue;
        }
        builder.tag(tag);
    }
    builder.text(text);
    builder.finish();
    return std::move(builder.tables);
}

CellTable delimitedTable(const std::string& text)
{
    const char separator = text.find('\t') != std::string::npos ? '\t' : ';';
    CellTable table;
    CellRow row;
    std::string cell;
    size_t cells = 0;
    bool quoted = false, cellStarted = false;
    const auto endCell = [&] {
        if (row.size() < maxCellsPerRow && cells < maxImportCells) {
            row.push_back(cleanCell(cell));
            ++cells;
        }
        cell.clear();
        cellStarted = false;
    };
    const auto endRow = [&] {
        endCell();
        if (!(row.size() == 1 && row[0].empty()) && cells < maxImportCells) {
            table.push_back(std::move(row));
            ++cells;
        }
        row.clear();
    };
    for (size_t pos = 0; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (quoted) {
            if (c != '"')
                cell += c;
            else if (pos + 1 < text.size() && text[pos + 1] == '"')
                cell += text[++pos];
            else
                quoted = false;
        } else if (c == '"' && !cellStarted) {
            quoted = cellStarted = true;
        } else if (c == separator) {
            endCell();
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n')
                ++pos;
            endRow();
        } else {
            cell += c;
            cellStarted = cellStarted || (c != ' ' && c != '\t');
        }
    }
    if (!cell.empty() || !row.empty())
        endRow();
    return table;
}

std::string cleanCell(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    bool blank = false;
    for (size_t pos = 0; pos < text.size(); ++pos) {
        const char c = text[pos];
        const bool nbsp = c == '\xC2' && pos + 1 < text.size() && text[pos + 1] == '\xA0';
        if (nbsp || c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f') {
            pos += nbsp ? 1 : 0;
            blank = true;
            continue;
        }
        if (blank && !out.empty())
            out += ' ';
        blank = false;
        out += c;
    }
    return out;
}

std::string comparableText(const std::string& text)
{
    const std::string clean = cleanCell(text);
    std::string out;
    out.reserve(clean.size());
    for (size_t pos = 0; pos < clean.size(); ++pos) {
        const auto lead = static_cast<unsigned char>(clean[pos]);
        if (lead >= 0xC3 && lead <= 0xC5 && pos + 1 < clean.size() && (clean[pos + 1] & 0xC0) == 0x80) {
            appendUtf8(out, lowerLatin(static_cast<char32_t>(((lead & 0x1F) << 6) | (clean[pos + 1] & 0x3F))));
            ++pos;
        } else {
            out += lowerAscii(clean[pos]);
        }
    }
    return out;
}
