// The "..." button inside an edit field's frame, driven by the mouse messages the system sends.
#include "base/dpi_win.h"
#include "controls/frame_button_win.h"
#include "win_test_support.h"

#include <gtest/gtest.h>

namespace {

constexpr WORD browseCommand = 10001;

class FrameButtonWindow : public ::testing::Test {
protected:
    HWND parent = nullptr;
    HWND field = nullptr;
    int width = scaled(18);

    void SetUp() override
    {
        parent = CreateWindowExW(0, L"#32770", L"Rahmen", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 400, 150, nullptr,
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
        field = CreateWindowExW(WS_EX_CLIENTEDGE, L"Edit", L"", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, 10,
                                10, scaled(255), scaled(21), parent, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_TRUE(installFrameButton(field, browseCommand, width));
        flushEvents(0);
    }
    void TearDown() override
    {
        DestroyWindow(parent);
        flushEvents(0);
    }

    // The text area's right edge and the button's middle, in client and screen coordinates.
    POINT buttonMiddle() const
    {
        RECT client;
        GetClientRect(field, &client);
        return {client.right + width / 2, client.bottom / 2};
    }
    POINT onScreen(POINT client) const
    {
        ClientToScreen(field, &client);
        return client;
    }
    static LPARAM packed(POINT point) { return MAKELPARAM(point.x, point.y); }

    void press(UINT message = WM_NCLBUTTONDOWN)
    {
        SendMessageW(field, message, HTBORDER, packed(onScreen(buttonMiddle())));
    }
    void moveTo(POINT client) { SendMessageW(field, WM_MOUSEMOVE, MK_LBUTTON, packed(client)); }
    void releaseAt(POINT client) { SendMessageW(field, WM_LBUTTONUP, 0, packed(client)); }

    // The commands waiting in the queue for the parent, taken out.
    std::vector<MSG> postedCommands()
    {
        std::vector<MSG> commands;
        MSG msg;
        while (PeekMessageW(&msg, parent, WM_COMMAND, WM_COMMAND, PM_REMOVE))
            commands.push_back(msg);
        return commands;
    }
};

TEST_F(FrameButtonWindow, TheTextEndsWhereTheButtonBegins)
{
    RECT window, client;
    GetWindowRect(field, &window);
    GetClientRect(field, &client);
    const POINT clientRight = onScreen({client.right, client.bottom});
    const int frame = onScreen({0, 0}).x - window.left; // the same on both sides
    EXPECT_GT(frame, 0);
    EXPECT_EQ(clientRight.x + width + frame, window.right);

    // A long text scrolls inside the narrower area: its end stays left of the button.
    SetWindowTextW(field, std::wstring(120, L'W').c_str());
    SendMessageW(field, EM_SETSEL, 120, 120);
    const LRESULT last = SendMessageW(field, EM_POSFROMCHAR, 119, 0);
    EXPECT_LT(static_cast<short>(LOWORD(last)), client.right);

    EXPECT_EQ(SendMessageW(field, WM_NCHITTEST, 0, packed(onScreen(buttonMiddle()))), HTBORDER);
    EXPECT_EQ(SendMessageW(field, WM_NCHITTEST, 0, packed(onScreen({client.right / 2, client.bottom / 2}))), HTCLIENT);
}

TEST_F(FrameButtonWindow, APressPostsTheCommandOnlyWhenReleasedOverTheButton)
{
    const POINT off = {5, 5};
    const struct {
        const char* path;
        UINT pressMessage;
        std::vector<POINT> moves;
        bool releasedOn;
    } cases[] = {
        {"press and release", WM_NCLBUTTONDOWN, {}, true},
        {"moved off and released outside", WM_NCLBUTTONDOWN, {off}, false},
        {"moved off and back on", WM_NCLBUTTONDOWN, {off, buttonMiddle()}, true},
        {"a double click counts as a press", WM_NCLBUTTONDBLCLK, {}, true},
    };
    for (const auto& c : cases) {
        press(c.pressMessage);
        EXPECT_EQ(GetCapture(), field) << c.path;
        for (POINT point : c.moves)
            moveTo(point);
        releaseAt(c.releasedOn ? buttonMiddle() : off);
        EXPECT_NE(GetCapture(), field) << c.path;
        const std::vector<MSG> commands = postedCommands();
        if (c.releasedOn) {
            ASSERT_EQ(commands.size(), 1u) << c.path;
            EXPECT_EQ(commands[0].wParam, MAKEWPARAM(browseCommand, 0)) << c.path;
            EXPECT_EQ(commands[0].lParam, 0) << c.path;
        } else {
            EXPECT_TRUE(commands.empty()) << c.path;
        }
    }
    // A release without a press on the button is the field's own.
    releaseAt(buttonMiddle());
    EXPECT_TRUE(postedCommands().empty());
}

} // namespace
