#include "ScratchFile.hpp"

#include "math/CRect.hpp"
#include "testing/CTrace.hpp"

#include <gtest/gtest.h>

#include <string>

using Corvane::Basics::CString;
using Corvane::Basics::CSystemString;
using Corvane::MathTools::CRect;
using Corvane::Testing::CTrace;
using CorvaneTests::CScratchFile;

namespace {

class TraceTest : public ::testing::Test {
protected:
    void TearDown() override { CTrace::closeTraceFile(); }
};

}  // namespace

TEST_F(TraceTest, EachTraceIsOneLineOnDiskAtOnceCutToTheWorkBufferUntilClosed)
{
    const CScratchFile file("lines.log");
    ASSERT_TRUE(CTrace::openTraceFile(file.systemPath()));
    CTrace::trace("Hit testing");
    // Flushed line by line: readable while the trace file is still open.
    EXPECT_EQ(file.contents(), "Hit testing\n");
    CTrace::trace("value %d of %s", 7, "eight");
    CTrace::trace(CRect(1, 2, 3, 4), CString("area "));
    // An overlong message is cut to the work buffer.
    CTrace::trace("%s", std::string(5000, 'm').c_str());
    EXPECT_EQ(file.contents(), "Hit testing\nvalue 7 of eight\narea [1,2,3,4]\n" +
                                   std::string(CTrace::CTRACE_BUFFER_SIZE - 1, 'm') + "\n");

    // Reopening switches files; closing silences.
    const CScratchFile first("first.log");
    const CScratchFile second("second.log");
    ASSERT_TRUE(CTrace::openTraceFile(first.systemPath()));
    CTrace::trace("one");
    ASSERT_TRUE(CTrace::openTraceFile(second.systemPath()));
    CTrace::trace("two");
    CTrace::closeTraceFile();
    CTrace::trace("three");
    CTrace::trace(CRect(1, 2, 3, 4), CString("area "));
    EXPECT_FALSE(CTrace::CTRACE_STREAM().isOpen());
    EXPECT_EQ(first.contents(), "one\n");
    EXPECT_EQ(second.contents(), "two\n");

    // A file that cannot be opened leaves tracing silent.
    EXPECT_FALSE(CTrace::openTraceFile(CSystemString("/nonexistent-folder/trace.log")));
    CTrace::trace("still silent");
    EXPECT_FALSE(CTrace::CTRACE_STREAM().isOpen());

    // Opening again replaces the earlier contents.
    ASSERT_TRUE(CTrace::openTraceFile(first.systemPath()));
    CTrace::trace("fresh");
    EXPECT_EQ(first.contents(), "fresh\n");
}
