#include "base/view.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>

// Atomic, since a worker thread may show a message while the dialog installs or removes the view.
static std::atomic<View*> installedView{nullptr};

void setView(View* view) { installedView.store(view); }

View& view()
{
    View* view = installedView.load();
    if (!view) {
        std::fputs("Kadermeister: the core was used before a view was installed\n", stderr);
        std::abort();
    }
    return *view;
}

void showErrorMessage(const std::string& text, const std::string& title)
{
    view().showMessage(text, title, BoxButtons::Ok, BoxIcon::Error);
}

HeldMessages::HeldMessages() : previous_(&view()) { setView(this); }

HeldMessages::~HeldMessages() { release(); }

BoxAnswer HeldMessages::showMessage(const std::string& text, const std::string& title, BoxButtons buttons,
                                    BoxIcon icon)
{
    held_.push_back({text, title, buttons, icon});
    return BoxAnswer::Ok;
}

void HeldMessages::release()
{
    if (released_)
        return;
    released_ = true;
    setView(previous_);
    for (const Held& message : held_)
        previous_->showMessage(message.text, message.title, message.buttons, message.icon);
    held_.clear();
}
