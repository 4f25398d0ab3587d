#pragma once
// The tables in what a user copies or saves: the clipboard's "HTML Format" block, an HTML page,
// or text with tabs or semicolons, in the encodings such pages come in. Cells come out as UTF-8
// with entities decoded, non-breaking spaces as blanks, blanks collapsed and ends trimmed.
// Everything here is linear in its input and bounded in memory, whatever the bytes. Window-free.
#include <cstddef>
#include <string>
#include <vector>

using CellRow = std::vector<std::string>;
using CellTable = std::vector<CellRow>;

// Clipboard data and files above this size are refused unread.
constexpr size_t maxImportBytes = 5 * 1024 * 1024;
// A table never holds more cells than this (rows count as one each); what lies beyond is dropped.
constexpr size_t maxImportCells = 500000;
constexpr size_t maxCellsPerRow = 1000;

struct DecodedFile {
    std::string text;    // UTF-8
    bool html = false;   // looks like a page rather than delimited text
    bool binary = false; // holds what no text or page holds (NUL and other control bytes)
};
// UTF-8 with or without BOM, UTF-16 with BOM, Windows-1252; a page's declared charset counts
// (utf-8 as UTF-8, any other as Windows-1252); undeclared bytes that are not UTF-8 are 1252.
DecodedFile decodeFileBytes(const std::string& bytes);

// The HTML between StartFragment and EndFragment when the block's header gives offsets that lie
// within the data, else the HTML from StartHTML or from the first "<". Data after a NUL is not
// the block's. Not UTF-8 only when hand-made: then it is read as Windows-1252.
std::string clipboardFragment(const std::string& block);

// Every table of the HTML, nested ones included, in the order their start tags stand; a nested
// table's text belongs to it, not to the cell around it. Rows marked display:none or hidden are
// left out, a cell of colspan n is followed by n - 1 empty ones, and rows outside any table
// (a fragment cut inside one) form a table of their own.
std::vector<CellTable> htmlTables(const std::string& html);

// A line per row, cells between tabs, or between semicolons when no line holds a tab; quoting as
// RFC 4180 (a quoted cell may hold separators, line breaks and doubled quotes).
CellTable delimitedTable(const std::string& text);

// A cell as the page shows it: non-breaking spaces and line breaks as blanks, collapsed, trimmed.
std::string cleanCell(const std::string& text);
// The text for comparisons where case does not count: cleanCell, then letters in lower case
// (ASCII and the Latin letters of European names).
std::string comparableText(const std::string& text);
