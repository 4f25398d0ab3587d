#pragma once
// A version check in progress: what its worker thread gets when it starts, shared with the main
// dialog that started it, and the messages the worker posts to that dialog. The worker opens no
// window: a question or a dialog is a task it leaves here and the main dialog's thread runs.
#include "base/handles_win.h"

#include <atomic>
#include <functional>
#include <memory>
#include <string>

struct VersionCheckJob {
    HWND mainDialog = nullptr;   // owns the check's message boxes and dialogs; posted to only
    std::wstring startFolder;    // where the folder dialog starts
    std::atomic<bool> stopping{false}; // the program closes: stop at the next step, quietly
    AutoCloseHandle stopped{CreateEventW(nullptr, TRUE, FALSE, nullptr)}; // set with stopping
    std::atomic<bool> running{true};
    AutoCloseHandle thread;      // the main dialog's to wait for; the worker never touches it
    // The one task the worker waits for (WM_UPDATE_TASK), and the event the window thread sets
    // when it has run it. Handed over by the post and the event, so it needs no lock.
    std::function<void(HWND mainDialog)> task;
    AutoCloseHandle taskDone{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
};

// Posted by the worker to the main dialog: the download's progress for its status bar, and a
// task of the worker's (answerVersionCheck runs it).
enum : UINT {
    WM_DOWNLOAD_STARTED = WM_APP + 1, // wParam: the announced length in bytes, 0 when unknown
    WM_DOWNLOAD_PROGRESS,             // wParam: bytes received; lParam: bytes per millisecond (a float's bits)
    WM_DOWNLOAD_ENDED,
    WM_UPDATE_TASK,
};

// On the worker: the main dialog's thread runs job.task; true once it has. False when the
// check stops first, whether the task ran or not.
bool runOnWindowThread(VersionCheckJob& job);

// On the worker: what question answers, asked on the main dialog's thread (given the main
// dialog); ifStopped when the check stops first. The answer is shared with the task, so a worker
// that stops while the question is open leaves nothing behind that the window thread writes to.
template <class Answer>
Answer askWindowThread(VersionCheckJob& job, Answer ifStopped, std::function<Answer(HWND mainDialog)> question)
{
    if (job.stopping)
        return ifStopped;
    // Not make_shared: built without type information, it brings in the library's lock pool,
    // its exceptions and the thread library (some 40 KB).
    std::shared_ptr<Answer> answer(new Answer(ifStopped));
    job.task = [answer, question = std::move(question)](HWND mainDialog) { *answer = question(mainDialog); };
    return runOnWindowThread(job) ? *answer : ifStopped;
}
