#pragma once
// Helpers for tests that drive the real dialogs under Windows (or Wine).
#include <windows.h>

#include <string>
#include <vector>

// Runs the message loop for a while, so posted, painted and timed work is done.
void flushEvents(DWORD milliseconds = 60);

// A fresh, empty folder under the system's temp folder.
std::wstring makeTempFolder();
void removeTempFolder(const std::wstring& folder);
std::string readFileBytes(const std::wstring& path);
void writeFileBytes(const std::wstring& path, const std::string& bytes);

struct SeenBox {
    std::wstring title;
    std::wstring text;
};

// While alive, reads and closes (with OK) every message box this thread shows.
class BoxWatcher {
public:
    BoxWatcher();
    ~BoxWatcher();
    std::vector<SeenBox> boxes;
    std::vector<HWND> closed;

private:
    UINT_PTR timer;
};
