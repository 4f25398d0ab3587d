#pragma once
// A dialog's state in a record that belongs to its window (DWLP_USER): made at WM_INITDIALOG,
// freed at WM_NCDESTROY, so two windows of one kind never share state and nothing outlives them.
#include <windows.h>

#include <utility>

// The record of dialog; nullptr before WM_INITDIALOG and after WM_NCDESTROY.
template <typename State>
State* dialogState(HWND dialog)
{
    return reinterpret_cast<State*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

template <typename State, typename... Arguments>
State& createDialogState(HWND dialog, Arguments&&... arguments)
{
    auto* state = new State{std::forward<Arguments>(arguments)...};
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(state));
    return *state;
}

template <typename State>
void destroyDialogState(HWND dialog)
{
    delete dialogState<State>(dialog);
    SetWindowLongPtrW(dialog, DWLP_USER, 0);
}
