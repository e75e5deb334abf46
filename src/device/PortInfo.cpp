#include "PortInfo.h"

#include <algorithm>

namespace {

std::string Trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

void AddOnce(std::vector<std::string>& list, const std::string& path) {
    if (!path.empty() && std::find(list.begin(), list.end(), path) == list.end())
        list.push_back(path);
}

} // namespace

std::vector<std::string> CandidatePorts(const std::string& extraPorts,
                                        const std::vector<PortInfo>& discovered) {
    std::vector<std::string> list;
    std::size_t begin = 0;
    while (begin <= extraPorts.size()) {
        std::size_t end = extraPorts.find(';', begin);
        if (end == std::string::npos) end = extraPorts.size();
        AddOnce(list, Trimmed(extraPorts.substr(begin, end - begin)));
        begin = end + 1;
    }
    for (const PortInfo& p : discovered)
        AddOnce(list, p.devicePath);
    return list;
}
