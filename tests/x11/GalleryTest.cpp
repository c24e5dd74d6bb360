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
    /** The pixels of a rectangle of window, summed with their places: changes when the picture there does. */
    unsigned long long picture(Window window, int x, int y, int width, int height)
    {
        unsigned long long sum = 0;
        XImage* image = XGetImage(observer(), window, x, y, width, height, AllPlanes, ZPixmap);
        for (int row = 0; image != nullptr && row < height; ++row) {
            for (int column = 0; column < width; ++column) {
                sum += (XGetPixel(image, column, row) & 0xFFFFFF) *
                       static_cast<unsigned long long>(row * width + column + 1);
            }
        }
        if (image != nullptr) {
            XDestroyImage(image);
        }
        return sum;
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
    const unsigned long long label = picture(gallery, 20, 80, 100, 30);
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
