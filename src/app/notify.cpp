#include "app/notify.h"

static MessageSink messageSink = nullptr;

void setMessageSink(MessageSink sink) { messageSink = sink; }

void showErrorMessage(const std::string& text, const std::string& title)
{
    if (messageSink)
        messageSink(text, title);
}
