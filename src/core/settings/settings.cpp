#include "settings/settings.h"

#include "base/view.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

uint32_t highlightColour = defaultHighlightColour;

namespace {

const char* const globalSection = "LKZ";
const char* const singleSection = "Einzelspieler";
const char* const teamSection = "Mannschaft";

const char* flagText(int32_t flag) { return flag ? "1" : "0"; }

// Keeps the array at playerCount records; added ones are numbered by position.
void fitPlayers(TeamState& state)
{
    if (state.playerCount < 0)
        state.playerCount = 0;
    const size_t old = state.players.size();
    state.players.resize(static_cast<size_t>(state.playerCount), blankRecord());
    for (size_t i = old; i < state.players.size(); ++i)
        state.players[i].lineup = static_cast<int32_t>(i + 1);
}

// ---- UTF-8 and Windows-1252 ----

enum class Utf8 { Ok, Bad, Short };

// Strict decoding: no overlong forms, no surrogates, nothing above U+10FFFF. Short means the
// text ends inside an otherwise valid sequence.
Utf8 nextCodePoint(const std::string& text, size_t& pos, char32_t& cp)
{
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    int length;
    unsigned char low = 0x80, high = 0xBF; // allowed range of the second byte
    if (lead < 0x80) {
        cp = lead;
        ++pos;
        return Utf8::Ok;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        cp = lead & 0x0F;
        if (lead == 0xE0)
            low = 0xA0;
        if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        cp = lead & 0x07;
        if (lead == 0xF0)
            low = 0x90;
        if (lead == 0xF4)
            high = 0x8F;
    } else {
        return Utf8::Bad;
    }
    for (int i = 1; i < length; ++i) {
        if (pos + i >= text.size())
            return Utf8::Short;
        const unsigned char c = byte(pos + i);
        if (i == 1 ? (c < low || c > high) : (c & 0xC0) != 0x80)
            return Utf8::Bad;
        cp = (cp << 6) | (c & 0x3F);
    }
    pos += length;
    return Utf8::Ok;
}

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Bytes 0x80..0x9F of Windows-1252; its five unassigned bytes keep their own value.
const char16_t cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t fromCp1252(unsigned char b) { return b >= 0x80 && b < 0xA0 ? cp1252High[b - 0x80] : b; }

bool toCp1252(char32_t cp, unsigned char& b)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
        b = static_cast<unsigned char>(cp);
        return true;
    }
    for (int i = 0; i < 32; ++i)
        if (cp1252High[i] == cp) {
            b = static_cast<unsigned char>(0x80 + i);
            return true;
        }
    return false;
}

std::string decodeCp1252(const std::string& bytes)
{
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char c : bytes)
        appendUtf8(out, fromCp1252(static_cast<unsigned char>(c)));
    return out;
}

std::string keyOf(const char* base, int number) { return base + std::to_string(number); }

std::string recordName(const PlayerRecord& record)
{
    const void* nul = std::memchr(record.name, '\0', sizeof record.name);
    std::string name(record.name, nul ? static_cast<const char*>(nul) - record.name : sizeof record.name);
    // A line break would split the INI line and turn the rest into a key of its own.
    for (char& c : name)
        if (c == '\r' || c == '\n')
            c = ' ';
    return name;
}

} // namespace

bool isOnText(const std::string& text) { return text == "1"; }

int saveSortOrderFromText(const std::string& text)
{
    return text.find('1') != std::string::npos && text.find('0') == std::string::npos ? 1 : 0;
}

std::string formatPlayerValues(const TeamState& state, const PlayerRecord& record)
{
    const LkzInputs in = inputsOf(state, record);
    std::string text;
    char field[16];
    for (int value : in.value) {
        std::snprintf(field, sizeof field, "%02d", value);
        text += field;
    }
    return text;
}

void parsePlayerValues(const std::string& text18, TeamState& state, int index)
{
    if (index < 0 || index >= static_cast<int>(state.players.size()))
        return;
    LkzInputs in;
    for (int kind = 0; kind < InputKindCount; ++kind) {
        const size_t begin = std::min<size_t>(2 * kind, text18.size());
        const size_t end = std::min<size_t>(2 * kind + 2, text18.size());
        in[kind] = leadingNumber(text18.data() + begin, text18.data() + end);
    }
    storeInputs(state, index, in);
    state.players[index].lineup = index + 1;
}

std::string iniTextToUtf8(const std::string& bytes)
{
    bool multiByte = false;
    size_t validEnd = bytes.size();
    size_t pos = 0;
    char32_t cp;
    while (pos < bytes.size()) {
        const size_t start = pos;
        const Utf8 result = nextCodePoint(bytes, pos, cp);
        if (result == Utf8::Bad)
            return decodeCp1252(bytes);
        if (result == Utf8::Short) {
            // A value cut to the reader's buffer may end inside a character.
            validEnd = start;
            break;
        }
        multiByte = multiByte || pos - start > 1;
    }
    return multiByte ? bytes.substr(0, validEnd) : decodeCp1252(bytes);
}

namespace {

// The blanks the profile functions take from both ends of a value.
bool isProfileBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1A'; }

bool readBackChanges(const std::string& value)
{
    if (value.empty())
        return false;
    const char first = value.front();
    const char last = value.back();
    return isProfileBlank(first) || isProfileBlank(last) || ((first == '"' || first == '\'') && last == first);
}

// Windows-1252 when every character has a byte there, else nothing.
bool toCp1252Text(const std::string& utf8, std::string& out)
{
    out.clear();
    size_t pos = 0;
    char32_t cp;
    unsigned char b;
    while (pos < utf8.size()) {
        if (nextCodePoint(utf8, pos, cp) != Utf8::Ok || !toCp1252(cp, b))
            return false;
        out += static_cast<char>(b);
    }
    return true;
}

} // namespace

std::string utf8ToIniText(const std::string& utf8)
{
    // Windows-1252 keeps older files and older versions happy, unless its bytes would read
    // back as UTF-8 and so as other characters ("Weiß’" is C3 9F 92 there, which is "ß").
    std::string text;
    if (!toCp1252Text(utf8, text) || iniTextToUtf8(text) != utf8)
        text = utf8;
    // The profile functions drop the blanks at both ends and one pair of surrounding quotes.
    return readBackChanges(text) ? '"' + text + '"' : text;
}

std::string profileReadBack(const std::string& written)
{
    size_t begin = 0;
    size_t end = written.size();
    while (begin < end && isProfileBlank(written[begin]))
        ++begin;
    while (end > begin && isProfileBlank(written[end - 1]))
        --end;
    if (end - begin >= 2 && (written[begin] == '"' || written[begin] == '\'') && written[end - 1] == written[begin]) {
        ++begin;
        --end;
    }
    return written.substr(begin, end - begin);
}

int readTeamSize(const IniStore& ini)
{
    return clampTeamSize(decimalValue(ini.read(teamSection, "Anzahlspieler", std::to_string(defaultTeamSize))));
}

void readGlobalSettings(const IniStore& ini)
{
    const int32_t onTop = isOnText(ini.read(globalSection, "OnTop", "0")) ? 1 : 0;
    teamState.onTop = singleState.onTop = onTop;
    const int32_t singleMode = isOnText(ini.read(globalSection, "ShowEinzel", "1")) ? 1 : 0;
    teamState.singleMode = singleState.singleMode = singleMode;
    const std::string colour = ini.read(globalSection, "BKColor", std::to_string(defaultHighlightColour));
    if (!colour.empty())
        highlightColour = static_cast<uint32_t>(decimalValue(colour));
}

void readStateSettings(TeamState& state, const std::string& section, const IniStore& ini)
{
    state.decimal = isOnText(ini.read(section, "Dezimal", "0")) ? 1 : 0;
    state.autoCalc = isOnText(ini.read(section, "AutoCalc", "0")) ? 1 : 0;
    state.saveData = isOnText(ini.read(section, "SaveData", "0")) ? 1 : 0;
    state.saveSortOrder = saveSortOrderFromText(ini.read(section, "SaveSortOrder", "0"));
    state.sortByLkz = state.saveSortOrder && decimalValue(ini.read(section, "SortOrder", "0")) == 1 ? 1 : 0;
    if (section == singleSection) {
        state.playerCount = 1;
    } else {
        state.playerCount =
            clampTeamSize(decimalValue(ini.read(section, "Anzahlspieler", std::to_string(defaultTeamSize))));
    }
    fitPlayers(state);
    state.currentLineup = decimalValue(ini.read(section, "AktSpieler", "1"));
}

void saveStateSettings(const TeamState& state, const std::string& section, const IniStore& ini)
{
    ini.write(globalSection, "OnTop", flagText(state.onTop));
    ini.write(globalSection, "ShowEinzel", flagText(state.singleMode));
    ini.write(globalSection, "BKColor", std::to_string(static_cast<int32_t>(highlightColour)));
    ini.write(section, "Dezimal", flagText(state.decimal));
    ini.write(section, "AutoCalc", flagText(state.autoCalc));
    ini.write(section, "SaveData", flagText(state.saveData));
    if (state.saveSortOrder) {
        ini.write(section, "SaveSortOrder", "1");
        ini.write(section, "SortOrder", std::to_string(state.sortByLkz));
    } else {
        ini.write(section, "SortOrder", "0");
        ini.write(section, "SaveSortOrder", "0");
    }
    ini.write(section, "AktSpieler", activeState().saveData ? std::to_string(state.currentLineup) : "1");
    ini.write(section, "Anzahlspieler", std::to_string(state.playerCount));
}

void loadPlayers(TeamState& state, const std::string& section, const IniStore& ini)
{
    fitPlayers(state);
    const int count = state.playerCount;
    if (!state.saveData) {
        for (int k = 0; k < count; ++k) {
            state.players[k] = blankRecord();
            resetPlayerValues(state, k);
        }
    } else {
        for (int n = 1; n <= count; ++n) {
            PlayerRecord& record = state.players[n - 1];
            record.lineup = n; // the name's customName is judged against this number
            std::string name = iniTextToUtf8(ini.read(section, keyOf("SpielerName", n), ""));
            if (name.empty())
                name = section == singleSection ? std::string(singlePlayerName) : defaultPlayerName(n);
            setPlayerName(state, n - 1, name);

            const std::string values = ini.read(section, keyOf("Spieler", n), "");
            if (values.size() == 18) {
                parsePlayerValues(values, state, n - 1);
            } else {
                if (!values.empty()) {
                    char text[128];
                    std::snprintf(text, sizeof text,
                                  "Die gespeicherten Berechnungsdaten f\xC3\xBCr Spieler %d sind fehlerhaft!", n);
                    showErrorMessage(text, "Fehler");
                }
                resetPlayerValues(state, n - 1);
            }
            std::memset(record.invalid, 0, sizeof record.invalid);
        }
    }
    for (int k = 0; k < count; ++k)
        recomputePlayerLkz(state, k);
}

void savePlayers(const TeamState& state, const std::string& section, const IniStore& ini)
{
    for (const PlayerRecord& record : state.players) {
        ini.write(section, keyOf("Spieler", record.lineup), formatPlayerValues(state, record));
        ini.write(section, keyOf("SpielerName", record.lineup), utf8ToIniText(recordName(record)));
    }
}

void loadSettingsAndPlayers(const IniStore& ini)
{
    teamState = TeamState{};
    singleState = TeamState{};
    highlightColour = defaultHighlightColour;
    createStates(readTeamSize(ini));
    readGlobalSettings(ini);
    readStateSettings(singleState, singleSection, ini);
    readStateSettings(teamState, teamSection, ini);
    loadPlayers(singleState, singleSection, ini);
    loadPlayers(teamState, teamSection, ini);
}

void saveAll(const IniStore& ini)
{
    saveStateSettings(singleState, singleSection, ini);
    saveStateSettings(teamState, teamSection, ini);
    if (singleState.saveData)
        savePlayers(singleState, singleSection, ini);
    if (teamState.saveData)
        savePlayers(teamState, teamSection, ini);
    releaseStates();
}
