#include "CNameResolver.hpp"

#include "CRenderError.hpp"

#include <cctype>
#include <cstdlib>

namespace Tenvira { namespace Render {

namespace {

std::string trimmed(const std::string& text)
{
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && std::isspace(static_cast<unsigned char>(text[first])))
        ++first;
    while (last > first && std::isspace(static_cast<unsigned char>(text[last - 1])))
        --last;
    return text.substr(first, last - first);
}

}  // namespace

bool CNameResolver::sameName(const std::string& a, const std::string& b)
{
    const std::string x = trimmed(a);
    const std::string y = trimmed(b);
    if (x.size() != y.size())
        return false;
    for (std::size_t i = 0; i < x.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(x[i])) != std::tolower(static_cast<unsigned char>(y[i])))
            return false;
    }
    return true;
}

int CNameResolver::parseIndex(const std::string& text, int count)
{
    const std::string digits = trimmed(text);
    if (digits.empty() || digits.size() > 9)
        return -2;
    for (char c : digits)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return -2;
    const int index = std::atoi(digits.c_str());
    return index < count ? index : -1;
}

std::string CNameResolver::choices(const std::vector<std::string>& names)
{
    std::string list;
    for (std::size_t i = 0; i < names.size(); ++i) {
        list += "\n  " + std::to_string(i) + "  \"" + names[i] + "\"";
    }
    return list;
}

int CNameResolver::resolveProgram(const std::string& text, const std::vector<std::string>& names)
{
    const int count = static_cast<int>(names.size());
    const int index = parseIndex(text, count);
    if (index >= 0)
        return index;
    if (index == -2) {
        for (int i = 0; i < count; ++i)
            if (sameName(text, names[static_cast<std::size_t>(i)]))
                return i;
    }
    throw CRenderError("unknown program \"" + text + "\"; the plug-in has:" + choices(names));
}

int CNameResolver::resolveParameter(const std::string& text, const std::vector<std::string>& names)
{
    const int count = static_cast<int>(names.size());
    const int index = parseIndex(text, count);
    if (index >= 0)
        return index;
    if (index == -2) {
        for (int i = 0; i < count; ++i)
            if (names[static_cast<std::size_t>(i)] == text)
                return i;
        for (int i = 0; i < count; ++i)
            if (sameName(text, names[static_cast<std::size_t>(i)]))
                return i;
    }
    throw CRenderError("unknown parameter \"" + text + "\"; the plug-in has:" + choices(names));
}

}}  // namespace Tenvira::Render
