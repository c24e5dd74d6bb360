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
const char* const kScope[] = {"Source", "framework", "vstsdk"};
// Where our own quoted includes are found, besides the including file's folder.
const char* const kIncludeRoots[] = {"framework", "Source", "vstsdk"};

const std::regex kPlatformHeader("^(X11/|cairo|fontconfig/|ft2build\\.h|freetype|jpeglib\\.h|jerror\\.h)");
const std::regex kPlatformFile(
    "^framework/gui/(windowing/x11/.*|graphics/CCairo[A-Za-z]*\\.(hpp|cpp)|"
    "graphics/CJPEGDecoder\\.(hpp|cpp)|fonts/CFontConfigFace\\.(hpp|cpp))$");
// The drawing library itself, which hands the platform files' contexts around.
const std::regex kDrawingLibrary("^framework/gui/(graphics/|fonts/|CvnGUI\\.)");
const std::regex kInclude("^\\s*#\\s*include\\s*[<\"]([^>\"]+)[>\"]");

std::string pathInTree(const fs::path& path)
{
    return fs::relative(path, kRoot).generic_string();
}

bool isSource(const fs::path& path)
{
    const std::string extension = path.extension().string();
    return extension == ".cpp" || extension == ".hpp" || extension == ".h" || extension == ".c";
}

class CIncludeGraph {
public:
    /** The platform headers file includes itself. */
    const std::vector<std::string>& direct(const fs::path& file) { return read(file).platform; }

    /** A platform header file reaches through our headers, and the way there; empty when none. */
    std::string reached(const fs::path& file)
    {
        std::set<std::string> seen;
        return search(file, seen);
    }

private:
    struct SIncludes {
        std::vector<std::string> platform;
        std::vector<fs::path> own;
    };

    const SIncludes& read(const fs::path& file)
    {
        const std::string key = pathInTree(file);
        const auto known = m_files.find(key);
        if (known != m_files.end()) {
            return known->second;
        }
        SIncludes includes;
        std::ifstream stream(file);
        for (std::string line; std::getline(stream, line);) {
            std::smatch match;
            if (!std::regex_search(line, match, kInclude)) {
                continue;
            }
            const std::string name = match[1];
            if (std::regex_search(name, kPlatformHeader)) {
                includes.platform.push_back(name);
            } else if (const fs::path own = resolve(file, name); !own.empty()) {
                includes.own.push_back(own);
            }
        }
        return m_files.emplace(key, includes).first->second;
    }

    static fs::path resolve(const fs::path& from, const std::string& name)
    {
        if (fs::exists(from.parent_path() / name)) {
            return fs::canonical(from.parent_path() / name);
        }
        for (const char* root : kIncludeRoots) {
            if (fs::exists(kRoot / root / name)) {
                return fs::canonical(kRoot / root / name);
            }
        }
        return fs::path();
    }

    std::string search(const fs::path& file, std::set<std::string>& seen)
    {
        if (!seen.insert(pathInTree(file)).second) {
            return std::string();
        }
        const SIncludes& includes = read(file);
        if (!includes.platform.empty()) {
            return pathInTree(file) + " includes <" + includes.platform.front() + ">";
        }
        for (const fs::path& own : includes.own) {
            const std::string way = search(own, seen);
            if (!way.empty()) {
                return pathInTree(file) + " -> " + way;
            }
        }
        return std::string();
    }

    std::map<std::string, SIncludes> m_files;
};

}  // namespace

TEST(PlatformHeaders, OnlyThePlatformFilesIncludeThemAndOnlyTheDrawingLibraryReachesThem)
{
    CIncludeGraph graph;
    std::vector<std::string> faults;
    long files = 0;
    for (const char* folder : kScope) {
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(kRoot / folder)) {
            if (!entry.is_regular_file() || !isSource(entry.path())) {
                continue;
            }
            ++files;
            const std::string name = pathInTree(entry.path());
            if (std::regex_match(name, kPlatformFile)) {
                continue;
            }
            for (const std::string& header : graph.direct(entry.path())) {
                faults.push_back(name + " includes <" + header + ">");
            }
            const bool header = entry.path().extension() != ".cpp" && entry.path().extension() != ".c";
            if (header || !std::regex_search(name, kDrawingLibrary)) {
                const std::string way = graph.reached(entry.path());
                if (!way.empty() && graph.direct(entry.path()).empty()) {
                    faults.push_back(way);
                }
            }
        }
    }
    EXPECT_GT(files, 100) << "the source tree was not found at " << kRoot;
    std::string report;
    for (const std::string& fault : faults) {
        report += "\n  " + fault;
    }
    EXPECT_TRUE(faults.empty()) << "platform headers outside the platform files:" << report;
}
