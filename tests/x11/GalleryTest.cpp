// The gallery tool as a newcomer runs it: its window opens, the controls
// answer real input, the menu and the about window open, and closing the
// window ends the program.
#include "CWindowFixture.hpp"

#include "CChildProcess.hpp"

#include <X11/Xutil.h>
#include <sys/wait.h>

#include <memory>

#ifdef TENVIRA_GALLERY

using namespace TenviraX11Tests;

namespace {

class Gallery : public CWindowFixture {
protected:
    /** Viewable windows other than the gallery's own (its menu, its about window), override-redirect or not. */
    std::vector<bool> otherWindows(Window gallery)
    {
        std::vector<bool> found;
        for (Window window : rootChildren()) {
            if (window != gallery && isViewable(window)) {
                found.push_back(attributesOf(window).override_redirect);
            }
        }
        return found;
    }
    /** The colours of a rectangle of window, row by row: they change when the picture there does. */
    std::vector<unsigned long> picture(Window window, int x, int y, int width, int height)
    {
        std::vector<unsigned long> colours;
        XImage* image = XGetImage(observer(), window, x, y, width, height, AllPlanes, ZPixmap);
        for (int i = 0; image != nullptr && i < width * height; ++i) {
            colours.push_back(XGetPixel(image, i % width, i / width) & 0xFFFFFF);
        }
        if (image != nullptr) {
            XDestroyImage(image);
        }
        return colours;
    }
};

}  // namespace

TEST_F(Gallery, OpensAnswersInputAndEndsWhenClosed)
{
    const pid_t pid = CChildProcess::start(TENVIRA_GALLERY, {"--seconds", "60"}, server().getDisplayName());
    ASSERT_GT(pid, 0);
    // Ended whatever happens here; a gallery that ended by itself is merely reaped.
    std::shared_ptr<void> reaper(nullptr, [pid](void*) {
        int ignored = 0;
        CChildProcess::finish(pid, 0, ignored);
    });
    Window gallery = 0;
    ASSERT_TRUE(waitUntil([&] { return (gallery = windowNamed("Corvane gallery")) != 0; }));
    ASSERT_TRUE(waitUntil([&] { return pixel(gallery, 5, 5) == 0x2C3035; }));
    // The knob turned up: its label shows the new value.
    const std::vector<unsigned long> label = picture(gallery, 20, 80, 100, 30);
    input("mousemove --window " + id(gallery) + " 50 60 mousedown 1 mousemove --window " + id(gallery) +
          " 50 20 mouseup 1");
    ASSERT_TRUE(waitUntil([&] { return picture(gallery, 20, 80, 100, 30) != label; }));
    // The pop-up button opens its menu; Escape closes it, and the info button opens the about window.
    input("mousemove --window " + id(gallery) + " 50 190 click 1");
    ASSERT_TRUE(waitUntil([&] { return otherWindows(gallery) == std::vector<bool>({true}); }));
    input("key Escape");
    ASSERT_TRUE(waitUntil([&] { return otherWindows(gallery).empty(); }));
    input("mousemove --window " + id(gallery) + " 155 188 click 1");
    ASSERT_TRUE(waitUntil([&] { return otherWindows(gallery) == std::vector<bool>({false}); }));

    sendCloseRequest(gallery);
    int status = 0;
    ASSERT_TRUE(CChildProcess::finish(pid, WAIT_MILLISECONDS, status)) << "the gallery did not end";
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

#endif
