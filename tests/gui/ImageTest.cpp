// Images from files: PNG with alpha, JPEG, the image manager's choice by
// extension with its error texts, reloading, and images shared by name.
#include "GuiTestSupport.hpp"

#include "collections/TCountedPointerArray.hpp"
#include "gui/graphics/CImageManager.hpp"
#include "gui/graphics/CJPEGImage.hpp"
#include "gui/graphics/CPNGImage.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include <unistd.h>

using namespace GuiTests;
using Corvane::Basics::CString;
using Corvane::Basics::CSystemString;
using Corvane::Collections::TAutomaticPointer;
using Corvane::GUI::Graphics::CBaseImage;
using Corvane::GUI::Graphics::CImageManager;
using Corvane::GUI::Graphics::CJPEGImage;
using Corvane::GUI::Graphics::CPNGImage;
using Corvane::GUI::Graphics::IImage;

namespace {

// Scratch files are named for this process, so that runs side by side keep apart.
std::string scratchName(const std::string& name)
{
    return "gui_" + std::to_string(getpid()) + "_" + name;
}

std::string scratchPath(const std::string& name)
{
    return ::testing::TempDir() + scratchName(name);
}

// Files in a scratch folder of their own, removed afterwards.
class Images : public ::testing::Test {
protected:
    void SetUp() override
    {
        CImageManager::initialise();
        const struct {
            const char* name;
            long width, height;
        } pictures[] = {{"picture.png", 3, 2}, {"picture.PNG", 3, 2}, {"larger.png", 5, 4}};
        for (const auto& picture : pictures) {
            TAutomaticPointer<CRGBAImage> image;
            image = new CRGBAImage(picture.width, picture.height);
            image->setPixel(1, 1, CAlphaColour(200, 100, 50, 128));
            ASSERT_TRUE(image->writeToPNG(path(picture.name)));
            m_files.push_back(scratchPath(picture.name));
        }
        for (const char* name : {"notes.txt", "broken.png", "broken.jpg", "image.tga"}) {
            std::ofstream(scratchPath(name)) << "not a picture\n";
            m_files.push_back(scratchPath(name));
        }
        for (const char* name : {"swatch.jpg", "swatch.JPG"}) {
            std::ifstream in(dataPath("swatch.jpg"), std::ios::binary);
            std::ofstream(scratchPath(name), std::ios::binary) << in.rdbuf();
            m_files.push_back(scratchPath(name));
        }
    }
    void TearDown() override
    {
        CImageManager::uninitialise();
        for (const std::string& file : m_files) {
            std::remove(file.c_str());
        }
    }

    CSystemString path(const std::string& name) const { return CSystemString(scratchPath(name).c_str()); }

    // Holds an image the way controls do, so it is released with the test.
    IImage* hold(IImage* image)
    {
        m_held.addElement(image);
        return image;
    }

private:
    std::vector<std::string> m_files;
    Corvane::Collections::TCountedPointerArray<IImage> m_held;
};

}  // namespace

TEST_F(Images, PNGKeepsItsAlphaAndSize)
{
    IImage* image = hold(CImageManager::getImageOnPath(path("picture.png")));
    ASSERT_NE(dynamic_cast<CPNGImage*>(image), nullptr);
    ASSERT_TRUE(image->hasImageLoaded());
    EXPECT_TRUE(image->imageHasAlpha());
    EXPECT_EQ(image->getImageFormat(), 2);
    EXPECT_EQ(image->getImageSize(), CDimension(3, 2));
    EXPECT_EQ(image->getNormalisedImageSize(), CRect(0, 0, 3, 2));
    EXPECT_STREQ(image->getFileName().getString(), scratchPath("picture.png").c_str());

    CCanvas canvas(3, 2);
    canvas.graphics.drawImage(image, CRect(0, 0, 3, 2), image->getNormalisedImageSize());
    EXPECT_TRUE(near(canvas.pixel(1, 1), CAlphaColour(200, 100, 50, 128), 2)) << describe(canvas.pixel(1, 1));
    EXPECT_EQ(canvas.pixel(0, 0).getAlpha(), 0U);
}

TEST_F(Images, JPEGIsDecodedOpaque)
{
    IImage* image = hold(CImageManager::getImageOnPath(CSystemString(::testing::TempDir().c_str()),
                                                       CString(scratchName("swatch.jpg").c_str())));
    ASSERT_NE(dynamic_cast<CJPEGImage*>(image), nullptr);
    ASSERT_TRUE(image->hasImageLoaded());
    EXPECT_FALSE(image->imageHasAlpha());
    EXPECT_EQ(image->getImageFormat(), 3);
    EXPECT_EQ(image->getImageSize(), CDimension(32, 16));
    CCanvas canvas(32, 16);
    canvas.graphics.drawImage(image, CRect(0, 0, 32, 16), CRect(0, 0, 32, 16));
    EXPECT_TRUE(near(canvas.pixel(4, 8), CAlphaColour(200, 40, 30), 12)) << describe(canvas.pixel(4, 8));
    EXPECT_TRUE(near(canvas.pixel(27, 8), CAlphaColour(20, 60, 220), 12)) << describe(canvas.pixel(27, 8));
}

TEST_F(Images, TheManagerChoosesByExtensionAndEachClassNamesWhyItFailed)
{
    EXPECT_EQ(CImageManager::getImageOnPath(path("missing.png")), nullptr);
    EXPECT_EQ(CImageManager::getImageOnPath(path("notes.txt")), nullptr);
    EXPECT_EQ(CImageManager::getImageOnPath(path("image.tga")), nullptr);

    struct SCase {
        const char* file;
        bool png;
        const char* error;
    };
    const SCase cases[] = {
        {"picture.PNG", true, "Filename is not of PNG type"},
        {"broken.png", true, "Failed to load image with PNG Data provider"},
        {"swatch.JPG", false, "Filename is not of JPEG type"},
        {"broken.jpg", false, "Failed to load image with JPEG Data provider"},
    };
    for (const SCase& c : cases) {
        IImage* image = hold(CImageManager::getImageOnPath(path(c.file)));
        ASSERT_NE(image, nullptr) << c.file;
        EXPECT_EQ(dynamic_cast<CPNGImage*>(image) != nullptr, c.png) << c.file;
        EXPECT_FALSE(image->hasImageLoaded()) << c.file;
        EXPECT_EQ(image->getImageHandle(), nullptr) << c.file;
        EXPECT_STREQ(dynamic_cast<CBaseImage*>(image)->getLastError().getString(), c.error) << c.file;
        char description[64];
        image->getObjectDescription(description, sizeof description);
        EXPECT_STREQ(description, "No Image loaded");
    }
}

TEST_F(Images, ReloadingReplacesThePictureAndAFailedLoadLeavesNothingBehind)
{
    IImage* image = hold(CPNGImage::getNewInstance(CSystemString(::testing::TempDir().c_str()),
                                                   CString(scratchName("picture.png").c_str())));
    ASSERT_TRUE(image->hasImageLoaded());
    ASSERT_TRUE(image->loadFromFile(path("larger.png")));
    EXPECT_EQ(image->getImageSize(), CDimension(5, 4));
    EXPECT_STREQ(image->getFileName().getString(), scratchPath("larger.png").c_str());
    char description[512];
    image->getObjectDescription(description, sizeof description);
    EXPECT_EQ(std::string(description), "File loaded is = " + scratchPath("larger.png"));

    EXPECT_FALSE(image->loadFromFile(path("broken.png")));
    EXPECT_EQ(image->getImageHandle(), nullptr);
    EXPECT_EQ(image->getImageSize(), CDimension(0, 0));
    image->unloadImage();
    EXPECT_STREQ(image->getFileName().getString(), " ");
}

TEST_F(Images, SharedImagesAreHeldByNameUntilTheManagerStops)
{
    IImage* image = CImageManager::getImageOnPath(path("picture.png"));
    image->referenced();
    CImageManager::addImage(image, CString("knob"));
    EXPECT_EQ(image->getReferenceCount(), 2);
    EXPECT_EQ(CImageManager::getImage(CString("knob")), image);
    EXPECT_EQ(CImageManager::getImage(CString("Knob")), nullptr);
    EXPECT_STREQ(CImageManager::getImageReference(CString("knob"))->getFileName().getString(),
                 scratchPath("picture.png").c_str());
    CImageManager::uninitialise();
    EXPECT_EQ(image->getReferenceCount(), 1);
    EXPECT_EQ(CImageManager::getImage(CString("knob")), nullptr);
    image->dereference();
}
