#pragma once
// A file that takes its name only when it is whole: written under a fresh name in the target's
// folder, marked for deletion while it is written (so it is gone even when the program is
// killed), and renamed over the target at the end. The CSV of the overview and the download
// use it.
#include "base/handles_win.h"

#include <string>

class AtomicFile {
public:
    AtomicFile() = default;
    ~AtomicFile() { discard(); }
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // A fresh file in folder (without a trailing backslash); false when none can be made.
    bool create(const std::wstring& folder);
    bool write(const void* bytes, DWORD size);
    // Flushed, closed and renamed to target, replacing a file of that name.
    bool putInPlace(const std::wstring& target);
    // Closed and removed; a target stays as it was.
    void discard();

private:
    bool markForDeletion(bool deleteOnClose);

    AutoCloseHandle file_;
    std::wstring path_;
};

// bytes as the whole file at path, or nothing: on failure an existing file stays as it was, no
// other file is left and GetLastError says why.
bool writeFileWhole(const std::wstring& path, const std::string& bytes);
