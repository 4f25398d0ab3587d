#pragma once
// Checks run on arbitrary input, by libFuzzer and by the corpus replay among the tests. Each
// returns what went wrong, or an empty text.
#include <cstddef>
#include <cstdint>
#include <string>

// The INI texts of both modes: read from a file whose values come from the input, every value
// lands in its range and the current player is one of the mode's; saved, read again and saved
// again, the second save is the first. Each season ("Verlauf%d") reads as points in order and in
// range and stays the same when written.
std::string checkIniFile(const uint8_t* data, size_t size);
// A name of any bytes: decoded, cut to 63 characters at a boundary, and read back unchanged
// after it was written.
std::string checkName(const uint8_t* data, size_t size);
// A "Spieler%d" text of any characters: parsed, formatted and parsed again gives the same.
std::string checkPlayerText(const uint8_t* data, size_t size);
// A version file of any bytes: an answer that offers or declines is of two lines with a safe file
// name, a checksum is 64 hexadecimal digits, what is signed is the first three lines, and with a
// key only a verified signature counts.
std::string checkVersionAnswer(const uint8_t* data, size_t size);
// The LKZ display text of any double, whole and decimal: short, and with a decimal comma.
std::string checkLkzText(const uint8_t* data, size_t size);

// Clipboard blocks and files of any bytes: balances or a refusal that begins "Keine
// Spielerbilanzen erkannt", never both; taken into a squad it stays whole, and a second import of
// the same table changes nothing.
std::string checkBalances(const uint8_t* data, size_t size);

struct FuzzTarget {
    const char* name;
    std::string (*check)(const uint8_t*, size_t);
};
// Every target: the one list of them. CMake reads the names from the table in fuzz_checks.cpp
// (one entry a line), and make fuzz builds and runs what CMake found.
extern const FuzzTarget fuzzTargets[];
extern const int fuzzTargetCount;
