// Temporary folders and small file helpers for tests.
#include "tests/support/TempDir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/time.h>

CTempDir::CTempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "mirt-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot create a temporary folder");
    m_strPath = pattern;
}

CTempDir::~CTempDir() {
    std::error_code ec;
    std::filesystem::permissions(m_strPath, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(m_strPath, ec);
}

std::string CTempDir::WriteFile(const std::string& strName, const std::string& strContent) const {
    std::string path = *this / strName;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << strContent;
    return path;
}

std::string CTempDir::MakeDir(const std::string& strName) const {
    std::string path = *this / strName;
    std::filesystem::create_directories(path);
    return path;
}

std::string ReadWholeFile(const std::string& strPath) {
    std::ifstream in(strPath, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool WriteWholeFile(const std::string& strPath, const std::string& strContent) {
    std::ofstream out(strPath, std::ios::binary | std::ios::trunc);
    out << strContent;
    out.close();
    return static_cast<bool>(out);
}

void SetFileTime(const std::string& strPath, long long tModified) {
    struct timeval times[2] = {{static_cast<time_t>(tModified), 0},
                               {static_cast<time_t>(tModified), 0}};
    utimes(strPath.c_str(), times);
}
