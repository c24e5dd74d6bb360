#include "math/CRect.hpp"
#include "testing/CTrace.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>

using Corvane::Basics::CString;
using Corvane::Basics::CSystemString;
using Corvane::MathTools::CRect;
using Corvane::Testing::CTrace;

namespace {

std::string scratchPath(const char* name)
{
    return ::testing::TempDir() + "corvane_trace_" + std::to_string(getpid()) + "_" + name;
}

std::string fileContents(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class TraceTest : public ::testing::Test
{
protected:
    void TearDown() override { CTrace::closeTraceFile(); }
};

} // namespace

TEST_F(TraceTest, EachTraceIsOneLineOnDiskAtOnce)
{
    const std::string path = scratchPath("lines.log");
    ASSERT_TRUE(CTrace::openTraceFile(CSystemString(path.c_str())));
    CTrace::trace("Hit testing");
    // Flushed line by line: readable while the trace file is still open.
    EXPECT_EQ(fileContents(path), "Hit testing\n");
    CTrace::trace("value %d of %s", 7, "eight");
    CTrace::trace(CRect(1, 2, 3, 4), CString("area "));
    EXPECT_EQ(fileContents(path), "Hit testing\nvalue 7 of eight\narea [1,2,3,4]\n");
    std::remove(path.c_str());
}

TEST_F(TraceTest, OverlongMessagesAreCutToTheWorkBuffer)
{
    const std::string path = scratchPath("long.log");
    ASSERT_TRUE(CTrace::openTraceFile(CSystemString(path.c_str())));
    const std::string longText(5000, 'm');
    CTrace::trace("%s", longText.c_str());
    CTrace::trace("after");
    EXPECT_EQ(fileContents(path), std::string(CTrace::CTRACE_BUFFER_SIZE - 1, 'm') + "\nafter\n");
    std::remove(path.c_str());
}

TEST_F(TraceTest, ReopeningSwitchesFilesAndClosingSilences)
{
    const std::string first = scratchPath("first.log");
    const std::string second = scratchPath("second.log");
    ASSERT_TRUE(CTrace::openTraceFile(CSystemString(first.c_str())));
    CTrace::trace("one");
    ASSERT_TRUE(CTrace::openTraceFile(CSystemString(second.c_str())));
    CTrace::trace("two");
    CTrace::closeTraceFile();
    CTrace::trace("three");
    CTrace::trace(CRect(1, 2, 3, 4), CString("area "));
    EXPECT_FALSE(CTrace::CTRACE_STREAM().isOpen());
    EXPECT_EQ(fileContents(first), "one\n");
    EXPECT_EQ(fileContents(second), "two\n");

    // A file that cannot be opened leaves tracing silent.
    EXPECT_FALSE(CTrace::openTraceFile(CSystemString("/nonexistent-folder/trace.log")));
    CTrace::trace("still silent");
    EXPECT_FALSE(CTrace::CTRACE_STREAM().isOpen());

    // Opening again replaces the earlier contents.
    ASSERT_TRUE(CTrace::openTraceFile(CSystemString(first.c_str())));
    CTrace::trace("fresh");
    EXPECT_EQ(fileContents(first), "fresh\n");
    std::remove(first.c_str());
    std::remove(second.c_str());
}
