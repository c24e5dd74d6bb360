#include "basics/CSystemString.hpp"

#include <gtest/gtest.h>

using Corvane::Basics::CString;
using Corvane::Basics::CSystemString;

TEST(SystemString, AppendingAddsOneSeparatorAndRemovingStopsAtTheFirst)
{
    for (const char* folder : {"/Res", "/Res/"}) {
        CSystemString resources(folder);
        resources.appendPath(CString("img.png"));
        EXPECT_EQ(resources, "/Res/img.png") << folder;
    }
    CSystemString empty("");
    empty.appendPath("img.png");
    EXPECT_EQ(empty, "/img.png");

    CSystemString path("/a/b/c");
    path.removeLastPathComponent();
    EXPECT_EQ(path, "/a/b");
    path.removeLastPathComponent();
    EXPECT_EQ(path, "/a");
    path.removeLastPathComponent();
    EXPECT_EQ(path, "/a");

    CSystemString relative("file");
    relative.removeLastPathComponent();
    EXPECT_EQ(relative, "file");
}

TEST(SystemString, Extensions)
{
    EXPECT_TRUE(CSystemString("x.png").hasExtension("png"));
    EXPECT_FALSE(CSystemString("x.PNG").hasExtension("png"));
    EXPECT_FALSE(CSystemString("png").hasExtension(".png"));  // longer than the text
    EXPECT_FALSE(CSystemString("x.png").hasExtension(static_cast<const char*>(nullptr)));

    EXPECT_TRUE(CSystemString("a.txt").hasExtension());
    EXPECT_FALSE(CSystemString(".hidden").hasExtension());     // a "." at index 0 does not count
    EXPECT_TRUE(CSystemString("/dir.d/file").hasExtension());  // the search crosses separators

    CSystemString file("a.txt");
    file.appendNewExtension("png", true);
    EXPECT_EQ(file, "a.png");
    file.appendNewExtension(CString("gz"), false);
    EXPECT_EQ(file, "a.png.gz");
    EXPECT_EQ(file.getTheExtension(), "gz");
    file.removeExtension();
    EXPECT_EQ(file, "a.png");

    CSystemString hidden(".profile");
    hidden.removeExtension();
    EXPECT_EQ(hidden, ".profile");
}

TEST(SystemString, PathComponents)
{
    const CSystemString path("/home/user//Tenvira.vst/Contents/");
    EXPECT_EQ(path.getNumberOfPathComponents(), 4);
    EXPECT_EQ(path.getPathComponent(0), "home");
    EXPECT_EQ(path.getPathComponent(2), "Tenvira.vst");
    EXPECT_EQ(path.getPathComponent(4), "");
    EXPECT_EQ(path.getLastPathComponent(), "Contents");
    EXPECT_EQ(CSystemString("").getLastPathComponent(), "");

    const CSystemString file("/a/b/knob.png");
    EXPECT_EQ(file.getTheFilename(), "knob.png");
    EXPECT_EQ(CSystemString("knob.png").getFolderPath(), "");

    CSystemString first(file);
    first.removeFirstPathComponent();
    EXPECT_EQ(first, "/b/knob.png");
    CSystemString relative("a//b");
    relative.removeFirstPathComponent();
    EXPECT_EQ(relative, "b");
}
