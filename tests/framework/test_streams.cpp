#include "ScratchFile.hpp"

#include "io/CFileStream.hpp"
#include "io/CTextStream.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

using Corvane::Basics::CCountedObject;
using Corvane::Basics::CString;
using Corvane::Basics::CSystemString;
using Corvane::IO::CFileStream;
using Corvane::IO::CTextStream;
using CorvaneTests::CScratchFile;

namespace {

/** A counted object whose description is far longer than the stream's bound. */
class CVerboseObject : public CCountedObject {
public:
    void getObjectDescription(char* buffer, long size) const override
    {
        if (size > 0) {
            std::memset(buffer, 'd', static_cast<std::size_t>(size - 1));
            buffer[size - 1] = '\0';
        }
    }
};

}  // namespace

TEST(StreamsText, WritesValuesInTheirTextFormsOverAnyEarlierContents)
{
    const CScratchFile file("values.txt");
    file.write(std::string(200, 'o') + "\n");
    {
        CTextStream out(file.systemPath(), CTextStream::e_write);
        ASSERT_TRUE(out.validForOutput());
        EXPECT_FALSE(out.validForInput());
        out << "text " << CString("string ") << CSystemString("/a/b") << "\n";
        out << 42L << " " << -7 << " " << true << " " << false << "\n";
        out << 1.5 << "\n" << 0.25f << "\n";
        out << static_cast<const char*>(nullptr);
        out << CVerboseObject() << "\n";  // description bounded by the stream
    }
    EXPECT_EQ(file.contents(), "text string /a/b\n42 -7 true false\n1.50000000000000000000\n0.25000000000000000000\n" +
                                   std::string(255, 'd') + "\n");
}

TEST(StreamsText, ReadsLinesWithoutLineEndsCutsOverlongOnesAndConverts)
{
    const CScratchFile file("lines.txt");
    file.write("first line\r\nsecond\n123\n-4\n2.5\n0.75\ntrue\nTRUE\n" + std::string(5000, 'x') +
               "\nlast without end");
    CTextStream in(file.systemPath(), CTextStream::e_read);
    ASSERT_TRUE(in.validForInput());
    EXPECT_FALSE(in.validForOutput());

    CString first;
    CSystemString second;
    long number = 0;
    int negative = 0;
    double real = 0.0;
    float single = 0.0f;
    bool yes = false;
    bool upper = true;
    char overlong[CTextStream::CTEXTSTREAM_LINE_BUFFER_SIZE + 16];
    std::fill(std::begin(overlong), std::end(overlong), '#');
    char last[CTextStream::CTEXTSTREAM_LINE_BUFFER_SIZE] = {};
    in >> first >> second >> number >> negative >> real >> single >> yes >> upper >> overlong;
    EXPECT_FALSE(in.hasReachedEOF());
    in >> last;

    EXPECT_STREQ(first.getString(), "first line");
    EXPECT_STREQ(second.getString(), "second");
    EXPECT_EQ(number, 123);
    EXPECT_EQ(negative, -4);
    EXPECT_DOUBLE_EQ(real, 2.5);
    EXPECT_FLOAT_EQ(single, 0.75f);
    EXPECT_TRUE(yes);
    EXPECT_FALSE(upper);
    // An overlong line is cut, nothing is written past its terminator, and the next line still reads.
    EXPECT_EQ(std::string(overlong), std::string(1023, 'x'));
    EXPECT_EQ(overlong[1024], '#');
    EXPECT_STREQ(last, "last without end");
    EXPECT_TRUE(in.hasReachedEOF());
    in >> first >> number;  // nothing left: both keep their values
    EXPECT_STREQ(first.getString(), "first line");
    EXPECT_EQ(number, 123);
}

TEST(StreamsText, LinesAroundTheBufferLengthKeepTheirNeighbours)
{
    // Each row: the line as written and what reading it gives; the line after it must still read.
    const struct {
        std::string written;
        std::string read;
    } cases[] = {
        {std::string(1023, 'a') + "\n", std::string(1023, 'a')},
        {std::string(1022, 'b') + "\r\n", std::string(1022, 'b')},
        {std::string(1023, 'c') + "\r\n", std::string(1023, 'c')},
        {std::string(1024, 'd') + "\n", std::string(1023, 'd')},
        {"\n", ""},
    };
    const CScratchFile file("boundaries.txt");
    for (const auto& row : cases) {
        file.write(row.written + "next\n");
        CTextStream in(file.systemPath(), CTextStream::e_read);
        CString line;
        CString next;
        in >> line >> next;
        EXPECT_EQ(std::string(line.getString()), row.read) << row.written.size();
        EXPECT_STREQ(next.getString(), "next") << row.written.size();
        EXPECT_TRUE(in.hasReachedEOF());
    }
}

TEST(StreamsText, StreamsInTheWrongStateDoNothing)
{
    const CScratchFile file("state.txt");
    file.write("keep\n");

    CTextStream reader(file.systemPath(), CTextStream::e_read);
    reader << "dropped" << 5L << true << 2.0;
    reader.flushToDisk();
    reader.closeStream();
    EXPECT_EQ(file.contents(), "keep\n");

    CTextStream closed;
    EXPECT_TRUE(closed.hasReachedEOF());
    CString untouched("same");
    long value = 99;
    closed << "ignored";
    closed >> untouched >> value;
    EXPECT_STREQ(untouched.getString(), "same");
    EXPECT_EQ(value, 99);

    CTextStream missing;
    EXPECT_FALSE(missing.openStream(CSystemString("/nonexistent-folder/x/y.txt"), CTextStream::e_write));
    EXPECT_FALSE(missing.validForOutput());
    EXPECT_FALSE(missing.openStream(file.systemPath(), static_cast<CTextStream::EStreamMode>(7)));
    EXPECT_FALSE(missing.isOpen());
}

TEST(StreamsFile, TypedValuesRoundTripInBothByteOrders)
{
    const CScratchFile file("binary.bin");
    for (const bool swap : {false, true}) {
        CFileStream out;
        ASSERT_TRUE(out.openStream(file.systemPath(), CFileStream::e_write, swap));
        EXPECT_TRUE(out.writeUInt8(0xAB) && out.writeUInt16(0x1234) && out.writeUInt32(0x89ABCDEFu) &&
                    out.writeUInt64(0x0102030405060708ull));
        out.closeStream();

        const std::string bytes = file.contents();
        ASSERT_EQ(bytes.size(), 15u);
        // Swapped 16-bit value: high byte first on this little-endian machine.
        EXPECT_EQ(static_cast<unsigned char>(bytes[1]), swap ? 0x12 : 0x34);

        CFileStream in;
        ASSERT_TRUE(in.openStream(file.systemPath(), CFileStream::e_read, swap));
        uint8_t a = 0;
        uint16_t b = 0;
        uint32_t c = 0;
        uint64_t d = 0;
        EXPECT_TRUE(in.readUInt8(a) && in.readUInt16(b) && in.readUInt32(c) && in.readUInt64(d));
        EXPECT_EQ(a, 0xAB);
        EXPECT_EQ(b, 0x1234);
        EXPECT_EQ(c, 0x89ABCDEFu);
        EXPECT_EQ(d, 0x0102030405060708ull);
        EXPECT_FALSE(in.readUInt16(b));  // nothing left
        EXPECT_TRUE(in.hasReachedEOF());
        EXPECT_TRUE(in.seek(1));
        EXPECT_TRUE(in.readUInt16(b));
        EXPECT_EQ(b, 0x1234);
    }
}
