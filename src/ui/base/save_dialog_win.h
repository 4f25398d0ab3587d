#pragma once
// The system's save dialog for "Speichern..." and its open dialog for "Bilanzen aus Datei...",
// loaded on first use (Feature::SaveDialog, Feature::OpenDialog).
#include <windows.h>

#include <string>

// The path the user chose, starting in the program's folder with name; empty when cancelled or
// when the dialog cannot be loaded (the user is told). filter as OPENFILENAME takes it.
std::wstring askSavePath(HWND owner, const wchar_t* name, const wchar_t* filter, const wchar_t* extension);
// The path of an existing file the user chose, starting where the system last opened one; empty
// when cancelled or when the dialog cannot be loaded (the user is told).
std::wstring askOpenPath(HWND owner, const wchar_t* filter);
// "Die Datei konnte nicht gespeichert werden.", in a box owned by owner; with a reason, that on
// a line of its own.
void tellSaveFailed(HWND owner, const std::wstring& reason = {});
// The system's words for an error code (GetLastError), or "Fehler <code>" when it has none.
std::wstring systemErrorText(DWORD error);
