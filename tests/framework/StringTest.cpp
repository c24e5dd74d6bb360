#include "basics/CPascalString.hpp"
#include "basics/CString.hpp"
#include "basics/CSystemString.hpp"
#include "exceptions/CException.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <new>
#include <string>

using Corvane::Basics::CPascalString;
using Corvane::Basics::CString;
using Corvane::Basics::CSystemString;
using Corvane::Exceptions::CException;

namespace {

// Length + 1 must hold after every operation.
void expectConsistent(const CString& s)
{
    EXPECT_EQ(s.getNumberOfCharacters(), static_cast<long>(std::strlen(s.getString())) + 1) << s.getString();
}

}  // namespace

TEST(String, ConstructionCountsTheTerminator)
{
    const CString fromNull(static_cast<const char*>(nullptr));
    EXPECT_STREQ(fromNull.getString(), " ");
    EXPECT_EQ(fromNull.getNumberOfCharacters(), 2);
    EXPECT_EQ(CString().getNumberOfCharacters(), 1);

    CString copy(fromNull);
    copy.setString(nullptr);  // ignored
    EXPECT_STREQ(copy.getString(), " ");
}

TEST(String, IndexBounds)
{
    const CString abc("abc");
    EXPECT_EQ(abc.getSubString(0, 0), "a");
    EXPECT_EQ(abc.getSubString(1, 2), "bc");
    EXPECT_EQ(abc.getSubString(1, 4), "bc");  // end may reach the character count
    EXPECT_EQ(abc.getSubString(3, 4), "");
    EXPECT_EQ(abc.getSubString(2, 1), "");
    EXPECT_EQ(abc.getSubString(-1, 2), "");
    EXPECT_EQ(abc.getSubString(0, 5), "");
    expectConsistent(abc.getSubString(1, 4));

    EXPECT_EQ(abc.characterAt(0), 'a');
    EXPECT_EQ(abc.characterAt(3), '\0');
    EXPECT_EQ(abc.characterAt(4), ' ');
    EXPECT_EQ(abc.characterAt(-1), ' ');
    EXPECT_EQ(abc[2], 'c');
    EXPECT_EQ(abc[1L << 40], ' ');
}

TEST(String, CopyIntoFixedBuffersNeverOverflows)
{
    const CString text("abcdef");
    const struct {
        long size;
        std::string expected;  // the whole 16-byte buffer afterwards, 'X' where untouched
    } cases[] = {
        {4, std::string("abc\0XXXXXXXXXXXX", 16)},
        {6, std::string("abcde\0XXXXXXXXXX", 16)},  // one short of the character count
        {7, std::string("abcdef\0XXXXXXXXX", 16)},  // exactly the character count
        {12, std::string("abcdef\0\0\0\0\0\0XXXX", 16)},
        {1, std::string("\0XXXXXXXXXXXXXXX", 16)},
        {0, std::string(16, 'X')},
        {-5, std::string(16, 'X')},
    };
    for (const auto& c : cases) {
        char buffer[16];
        std::memset(buffer, 'X', sizeof(buffer));
        text.getString(buffer, c.size);
        EXPECT_EQ(std::string(buffer, sizeof(buffer)), c.expected) << c.size;
    }
    text.getString(nullptr, 10);
}

TEST(String, FormattingIsCutAt1023CharactersAndNumbersTakeTheirFormats)
{
    CString s;
    s.setStringWithFormat("%.3f", 1.5);
    EXPECT_EQ(s, "1.500");
    s = 5L;
    EXPECT_EQ(s, "005");
    s = -7;
    EXPECT_EQ(s, "-007");
    s = 0.25f;
    EXPECT_EQ(s, "0.250");
    char* converted = CString::toString(42L);
    EXPECT_STREQ(converted, "042");
    delete[] converted;
    EXPECT_EQ(CString::toInt("abc"), 0);
    EXPECT_FLOAT_EQ(CString::toFloat(static_cast<const char*>(nullptr)), 0.0f);

    const std::string longText(3000, 'q');
    s.setStringWithFormat("%s", longText.c_str());
    EXPECT_EQ(s.getNumberOfCharacters(), 1024);
    EXPECT_EQ(std::string(s.getString()), longText.substr(0, 1023));
    s.setStringWithFormat("%s!", std::string(1022, 'q').c_str());
    EXPECT_EQ(s.characterAt(1022), '!');
    expectConsistent(s);
}

TEST(String, AppendingAndStoringFromItself)
{
    CString s("ab");
    s.appendString('c');
    s += "de";
    s += CString("f");
    s.appendString(static_cast<const char*>(nullptr));
    EXPECT_EQ(s, "abcdef");
    expectConsistent(s);

    s.appendString(s);  // own text as the argument
    EXPECT_EQ(s, "abcdefabcdef");
    s.setString(s.getString() + 6);
    EXPECT_EQ(s, "abcdef");
    CString& alias = s;
    s = alias;
    EXPECT_EQ(s, "abcdef");
    expectConsistent(s);
}

TEST(String, WhiteSpaceRemoval)
{
    CString blanks("   ");
    blanks.removeTrailingWhiteSpace();
    EXPECT_EQ(blanks, "   ");
    blanks.removeLeadingWhiteSpace();
    EXPECT_EQ(blanks, "");
    expectConsistent(blanks);

    CString both(" \t\n x y \r\f\v");
    both.removeTrailingAndLeadingWhiteSpace();
    EXPECT_EQ(both, "x y");
    expectConsistent(both);

    both.removeLastCharacter();
    EXPECT_EQ(both, "x ");
    CString empty("");
    empty.removeLastCharacter();
    EXPECT_EQ(empty.getNumberOfCharacters(), 1);
}

TEST(String, SearchingAndReplacing)
{
    const CString x("xaxab");
    EXPECT_EQ(x.findForward('x'), 0);
    EXPECT_EQ(x.findBackwards('x'), 2);
    EXPECT_EQ(x.findForward('q'), -1);
    EXPECT_EQ(x.findSubString(CString("ab")), -1);  // only the first a is tried
    EXPECT_EQ(CString("xab").findSubString(CString("ab")), 1);
    EXPECT_EQ(CString("xa").findSubString(CString("ab")), -1);  // would run past the end
    EXPECT_EQ(CString("abc").findSubString(CString("")), -1);

    CString s("a.b.c");
    s.replaceCharWithChar('.', '/');
    EXPECT_EQ(s, "a/b/c");
    s.replaceCharWithString('/', CString("::"));
    EXPECT_EQ(s, "a::b::c");
    expectConsistent(s);
    s.replaceStringWithChar('-', CString("::"));
    EXPECT_EQ(s, "a-b-c");

    CString same("aaa");
    same.replaceStringWithChar('a', CString("a"));  // terminates, unchanged
    EXPECT_EQ(same, "aaa");
    same.replaceStringWithChar('x', CString(""));
    EXPECT_EQ(same, "aaa");
    same.replaceStringWithChar('a', CString("aa"));
    EXPECT_EQ(same, "a");

    CString cut("ab,cd");
    cut.replaceCharWithChar(',', '\0');
    EXPECT_EQ(cut, "ab");
    expectConsistent(cut);
}

namespace {

// A string whose storing primitive fails, as an allocation would.
class CFailingString : public CString {
public:
    explicit CFailingString(bool frameworkFailure) : CString("ok"), m_frameworkFailure(frameworkFailure) {}
    using CString::setString;
    using CString::operator=;
    void setString(const char*) override
    {
        if (m_frameworkFailure) {
            throw CException(CString("inner reason"), CString("inner()"), false);
        }
        throw std::bad_alloc();
    }

private:
    bool m_frameworkFailure;
};

template <class Operation>
CException caught(Operation&& operation)
{
    try {
        operation();
    } catch (const CException& failure) {
        return failure;
    }
    return CException(CString("nothing thrown"), CString(""), false);
}

}  // namespace

TEST(String, FailuresAreWrappedWithTheOperationsTexts)
{
    CFailingString framework(true);
    CException assignment = caught([&] { framework = "x"; });
    EXPECT_STREQ(assignment.getErrorReason().getString(),
                 "Caught exception during string assignment, more below\n\ninner reason\n\ninner()");
    EXPECT_STREQ(assignment.getFunctionName().getString(), "operator=");
    EXPECT_TRUE(assignment.errorIsSerious());

    CFailingString allocation(false);
    CException unknown = caught([&] { allocation = true; });
    EXPECT_STREQ(unknown.getErrorReason().getString(), "Caught unknown exception during string assignment");
    EXPECT_STREQ(unknown.getFunctionName().getString(), "operator=");

    EXPECT_STREQ(allocation.getString(), "ok");
}

TEST(Exceptions, ThrownByValueCopiedWholeAndEveryCopyReleased)
{
    const long liveBefore = CException::CCLASS_THE_CLASS.getInstanceCount();
    try {
        throw CException(CString("Failed to get bundle from identifier"),
                         CString("CControl::setControlRoot(IControlRoot *)"), true);
    } catch (const CException& caught) {
        CException copy(CString("Context is NULL"), CString("other"), false);
        copy = caught;
        copy = copy;
        EXPECT_STREQ(copy.getErrorReason().getString(), "Failed to get bundle from identifier");
        EXPECT_STREQ(copy.getFunctionName().getString(), "CControl::setControlRoot(IControlRoot *)");
        EXPECT_TRUE(copy.errorIsSerious());
    }
    // Every copy made while throwing and catching was destroyed again.
    EXPECT_EQ(CException::CCLASS_THE_CLASS.getInstanceCount(), liveBefore);
}

TEST(PascalString, LengthPrefixedAndCutToItsBuffer)
{
    CPascalString pascal("abc", 16);
    EXPECT_EQ(pascal.getLength(), 3);
    EXPECT_EQ(pascal.getString()[0], 3);
    EXPECT_EQ(std::memcmp(pascal.getString() + 1, "abc", 4), 0);

    pascal.setString("abcdefghij", 6);
    EXPECT_EQ(pascal.getLength(), 4);
    EXPECT_STREQ(pascal.getText(), "abcd");
    pascal.setString("x", -3);
    EXPECT_EQ(pascal.getLength(), 0);

    const std::string longText(400, 'p');
    CPascalString* fromString = CString(longText.c_str()).getStringAsPascalString();
    EXPECT_EQ(fromString->getBufferSize(), 256);
    EXPECT_EQ(fromString->getLength(), 254);
    fromString->dereference();

    CPascalString wide(longText.c_str(), 1000);
    EXPECT_EQ(wide.getLength(), 255);
    EXPECT_EQ(std::string(wide.getText()), longText.substr(0, 255));
}

TEST(SystemString, SeparatorsExtensionsAndPathComponents)
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

    CSystemString bare("file");
    bare.removeLastPathComponent();
    EXPECT_EQ(bare, "file");

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

    const CSystemString bundle("/home/user//Tenvira.vst/Contents/");
    EXPECT_EQ(bundle.getNumberOfPathComponents(), 4);
    EXPECT_EQ(bundle.getPathComponent(0), "home");
    EXPECT_EQ(bundle.getPathComponent(2), "Tenvira.vst");
    EXPECT_EQ(bundle.getPathComponent(4), "");
    EXPECT_EQ(bundle.getLastPathComponent(), "Contents");
    EXPECT_EQ(CSystemString("").getLastPathComponent(), "");

    const CSystemString knob("/a/b/knob.png");
    EXPECT_EQ(knob.getTheFilename(), "knob.png");
    EXPECT_EQ(CSystemString("knob.png").getFolderPath(), "");

    CSystemString first(knob);
    first.removeFirstPathComponent();
    EXPECT_EQ(first, "/b/knob.png");
    CSystemString relative("a//b");
    relative.removeFirstPathComponent();
    EXPECT_EQ(relative, "b");
}
