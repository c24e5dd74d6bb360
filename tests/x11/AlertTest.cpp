// The user alert: a message window that holds its caller until OK, Return,
// Escape or the window's close, and standard error when there is no display.
#include "CWindowFixture.hpp"

#include "CChildProcess.hpp"

#include "gui/windowing/CAlertWindow.hpp"
#include "gui/windowing/CDialog.hpp"

#include <sys/wait.h>
#include <unistd.h>
#include <algorithm>

using namespace TenviraX11Tests;
using namespace Corvane::GUI::Windowing;

namespace {

const char* const kMessage = "An Exception has occurred!\nA Log file of this error has been created.";

class UserAlert : public CWindowFixture {
protected:
    /**
     * Shows the alert in a process of its own, as a failing effect creation shows it, waits for its window,
     * checks that its caller waits, dismisses it and sees the caller go on.
     */
    void dismiss(const std::string& title, const std::function<void(Window)>& answer)
    {
        const pid_t pid = fork();
        if (pid == 0) {
            // The child shares the parent's connections' sockets: it leaves without closing anything.
            CDialog::notifyUser(kMessage, title.c_str(), true);
            std::_Exit(0);
        }
        ASSERT_GT(pid, 0);
        Window alert = 0;
        ASSERT_TRUE(waitUntil([&] { return (alert = windowNamed(title)) != 0; }));
        int status = 0;
        EXPECT_EQ(waitpid(pid, &status, WNOHANG), 0) << "the alert did not wait for the user";
        answer(alert);
        ASSERT_TRUE(CChildProcess::finish(pid, WAIT_MILLISECONDS, status)) << "the alert was not dismissed";
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        EXPECT_TRUE(waitUntil([&] { return windowNamed(title) == 0; }));
    }
};

}  // namespace

TEST_F(UserAlert, ShownUntilOkReturnEscapeOrItsClose)
{
    dismiss("Alert OK", [&](Window alert) {
        // The layout is the window's own: made again here for the same texts.
        const CAlertWindow layout(kMessage, "Alert OK", true);
        const XWindowAttributes attributes = attributesOf(alert);
        EXPECT_EQ(attributes.width, layout.getWindowSize().getWidth());
        EXPECT_EQ(attributes.x, (SCREEN_WIDTH - attributes.width) / 2);
        const Corvane::MathTools::CRect button = layout.getButtonArea();
        input("mousemove --window " + id(alert) + " " + std::to_string(button.getCentralXPosition()) + " " +
              std::to_string(button.getCentralYPosition()) + " click 1");
    });
    dismiss("Alert Return", [&](Window alert) { input("windowfocus --sync " + id(alert) + " key Return"); });
    dismiss("Alert Escape", [&](Window alert) { input("windowfocus --sync " + id(alert) + " key Escape"); });
    // A title beyond ASCII reaches the window manager whole.
    dismiss("Alert closed \xC3\xA9", [&](Window alert) { sendCloseRequest(alert); });
}

// Neither needs the server.
TEST(UserAlertAlone, WithoutADisplayItWritesToStandardErrorAndReturns)
{
    unsetenv("DISPLAY");
    ::testing::internal::CaptureStderr();
    CDialog::notifyUser(kMessage, "Exception occurred", true);
    const std::string written = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(written, std::string("Exception occurred\n") + kMessage + "\n");
}

TEST(UserAlertAlone, LongLinesAreBrokenToFitTheWindowAndKeepEveryCharacter)
{
    std::string reason;
    for (int word = 0; word < 60; ++word) {
        reason += "reason" + std::to_string(word) + " ";
    }
    std::string path = "/home";
    for (int folder = 0; folder < 30; ++folder) {
        path += "/folder" + std::to_string(folder);
    }
    const std::string message = "Exception information :\n" + reason + "\n" + path + "/report.txt\n" +
                                std::string(300, 'x') + "\n\u00e9\u00e9\u00e9";
    const CAlertWindow layout(message.c_str(), "Exception occurred", true);
    const long width = layout.getWindowSize().getWidth();
    EXPECT_LE(width, 960);
    Corvane::GUI::Fonts::CFont font("Arial", 12, false, false);
    std::string kept;
    for (const Corvane::Basics::CString& line : layout.getLines()) {
        EXPECT_LE(font.measureText(line).advance, width - 2 * CAlertWindow::CALERTWINDOW_MARGIN) << line.getString();
        kept += line.getString();
    }
    EXPECT_GT(layout.getLines().size(), 7u);
    std::string expected = message;
    for (std::string* text : {&kept, &expected}) {
        text->erase(std::remove(text->begin(), text->end(), ' '), text->end());
        text->erase(std::remove(text->begin(), text->end(), '\n'), text->end());
    }
    EXPECT_EQ(kept, expected);
    // The path is broken after its slashes, the short lines are left alone.
    EXPECT_EQ(layout.getLines()[0], "Exception information :");
    bool pathBrokenAtSlash = false;
    for (const Corvane::Basics::CString& line : layout.getLines()) {
        const std::string text = line.getString();
        pathBrokenAtSlash |= text.rfind("/home", 0) == 0 && text.back() == '/';
    }
    EXPECT_TRUE(pathBrokenAtSlash);
    EXPECT_EQ(CAlertWindow(kMessage, "Alert", true).getLines().size(), 2u);
}
