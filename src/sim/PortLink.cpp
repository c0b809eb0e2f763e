#include "PortLink.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include <unistd.h>

namespace program::sim {

namespace fs = std::filesystem;

PortLink::~PortLink() {
    if (m_path.empty())
        return;
    // Only our own link: another radio-sim may have taken the name over since.
    std::error_code ec;
    if (fs::is_symlink(m_path, ec) && fs::read_symlink(m_path, ec) == m_device)
        fs::remove(m_path, ec);
}

std::string PortLink::create(const std::string& path, const std::string& device) {
    std::error_code ec;
    fs::file_status status = fs::symlink_status(path, ec);
    if (fs::is_symlink(status))
        fs::remove(path, ec);
    else if (fs::exists(status))
        return path + " exists and is not a link; not replacing it";
    if (::symlink(device.c_str(), path.c_str()) != 0)
        return "cannot create the link " + path + ": " + std::strerror(errno);
    m_path = path;
    m_device = device;
    return {};
}

} // namespace program::sim
