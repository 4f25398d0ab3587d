#pragma once
// The made-up portal tables of tests/data/balances, and the clipboard's "HTML Format" block a
// browser makes of a copied fragment.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

inline std::string balanceSample(const std::string& name)
{
#ifdef _WIN32
    const std::string root = std::string("Z:") + KM_TEST_DATA;
#else
    const std::string root = KM_TEST_DATA;
#endif
    std::ifstream file(root + "/balances/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// The clipboard's "HTML Format" block around a fragment, with its offsets as a browser writes them.
inline std::string htmlFormat(const std::string& fragment)
{
    const std::string head = "<html><body><!--StartFragment-->", tail = "<!--EndFragment--></body></html>";
    char header[200];
    const char* format = "Version:0.9\r\nStartHTML:%09zu\r\nEndHTML:%09zu\r\nStartFragment:%09zu\r\nEndFragment:%09zu\r\n";
    const size_t length = std::snprintf(header, sizeof header, format, size_t(0), size_t(0), size_t(0), size_t(0));
    std::snprintf(header, sizeof header, format, length, length + head.size() + fragment.size() + tail.size(),
                  length + head.size(), length + head.size() + fragment.size());
    return header + head + fragment + tail;
}
