// Reading back report files written by the crash handler.
#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

inline std::vector<std::string> readLines(const std::string& path)
{
    std::ifstream file(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) {
        lines.push_back(line);
    }
    return lines;
}

inline std::string readFile(const std::string& path)
{
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// A fresh folder under the system's temporary folder.
std::string makeTemporaryFolder();
