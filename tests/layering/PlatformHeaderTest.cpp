// The plug-in and its framework (Source/, framework/, vstsdk/) reach X11,
// Cairo, fontconfig, FreeType and libjpeg only through a few platform files.
// The development tools (host/, tools/, tests/, bench/) may use those
// libraries directly and are not read.
//
// - Only the platform files include a platform header: the window system's
//   backend folder, and Cairo's, fontconfig's and libjpeg's own files of the
//   drawing library.
// - No header besides them reaches one, through our headers or directly, so
//   the framework's public classes keep the platform out of their callers.
// - Everything above the drawing library (the plug-in, the VST glue, the
//   foundation, the controls, events and windows) reaches none at all.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kRoot = TENVIRA_SOURCE_DIR;
const std::regex kPlatformHeader("^(X11/|cairo|fontconfig/|ft2build\\.h|freetype|jpeglib\\.h|jerror\\.h)");
const std::regex kPlatformFile(
    "^framework/gui/(windowing/x11/.*|graphics/CCairo[A-Za-z]*\\.(hpp|cpp)|"
    "graphics/CJPEGDecoder\\.(hpp|cpp)|fonts/CFontConfigFace\\.(hpp|cpp))$");
// The drawing library itself, which hands the platform files' contexts around.
const std::regex kDrawingLibrary("^framework/gui/(graphics/|fonts/|CvnGUI\\.)");
const std::regex kInclude("^\\s*#\\s*include\\s*[<\"]([^>\"]+)[>\"]");

struct SIncludes {
    std::vector<std::string> platform;
    std::vector<fs::path> own;
};

std::string inTree(const fs::path& path)
{
    return fs::relative(path, kRoot).generic_string();
}

// What file includes: platform headers, and our own files (found beside it first, then from the include roots).
const SIncludes& includesOf(const fs::path& file)
{
    static std::map<std::string, SIncludes> known;
    const auto [at, added] = known.try_emplace(inTree(file));
    if (!added)
        return at->second;
    std::ifstream stream(file);
    for (std::string line; std::getline(stream, line);) {
        std::smatch match;
        if (!std::regex_search(line, match, kInclude))
            continue;
        const std::string name = match[1];
        if (std::regex_search(name, kPlatformHeader))
            at->second.platform.push_back(name);
        else
            for (const fs::path& folder : {file.parent_path(), kRoot / "framework", kRoot / "Source", kRoot / "vstsdk"})
                if (fs::exists(folder / name)) {
                    at->second.own.push_back(fs::canonical(folder / name));
                    break;
                }
    }
    return at->second;
}

// The way from file through our own headers to a platform header; empty when there is none.
std::string wayToPlatform(const fs::path& file, std::set<std::string>& seen)
{
    if (!seen.insert(inTree(file)).second)
        return std::string();
    const SIncludes& includes = includesOf(file);
    if (!includes.platform.empty())
        return inTree(file) + " includes <" + includes.platform.front() + ">";
    for (const fs::path& own : includes.own)
        if (const std::string way = wayToPlatform(own, seen); !way.empty())
            return inTree(file) + " -> " + way;
    return std::string();
}

}  // namespace

TEST(PlatformHeaders, OnlyThePlatformFilesIncludeThemAndOnlyTheDrawingLibraryReachesThem)
{
    std::string faults;
    long files = 0;
    for (const char* folder : {"Source", "framework", "vstsdk"}) {
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(kRoot / folder)) {
            const std::string extension = entry.path().extension().string();
            const bool header = extension == ".hpp" || extension == ".h";
            if (!entry.is_regular_file() || !(header || extension == ".cpp" || extension == ".c"))
                continue;
            ++files;
            const std::string name = inTree(entry.path());
            if (std::regex_match(name, kPlatformFile))
                continue;
            const SIncludes& includes = includesOf(entry.path());
            for (const std::string& platform : includes.platform)
                faults += "\n  " + name + " includes <" + platform + ">";
            std::set<std::string> seen;
            if (includes.platform.empty() && (header || !std::regex_search(name, kDrawingLibrary)))
                if (const std::string way = wayToPlatform(entry.path(), seen); !way.empty())
                    faults += "\n  " + way;
        }
    }
    EXPECT_GT(files, 100) << "the source tree was not found at " << kRoot;
    EXPECT_TRUE(faults.empty()) << "platform headers outside the platform files:" << faults;
}
