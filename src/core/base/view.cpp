#include "base/view.h"

void showErrorMessage(View& view, const std::string& text, const std::string& title)
{
    view.showMessage(text, title, BoxButtons::Ok, BoxIcon::Error);
}
