#pragma once

#include <string>

namespace program::sim {

// A symbolic link to the radio's device, so tests and settings can name the port
// by a path chosen in advance. The link goes when this object does.
class PortLink {
public:
    PortLink() = default;
    ~PortLink();
    PortLink(const PortLink&) = delete;
    PortLink& operator=(const PortLink&) = delete;

    // Makes `path` point at `device`. A link left behind by an earlier run is
    // replaced; any other file at `path` is kept and an error text returned.
    std::string create(const std::string& path, const std::string& device);

private:
    std::string m_path;
    std::string m_device;
};

} // namespace program::sim
