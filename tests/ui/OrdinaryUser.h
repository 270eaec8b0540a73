// Permission faults can only be shown to an ordinary user: a test run as root
// gives up the superuser's rights before anything else happens. The offscreen
// screens it runs on are described by a file of the checkout, which may lie in
// a folder only root can enter (root's home, a private temporary folder), so
// the description is first copied where the ordinary user can read it.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace kaldoventri::testing {

inline std::string& CopiedScreens() {
    static std::string path;
    return path;
}

inline void RemoveCopiedScreens() {
    if (CopiedScreens().empty()) return;
    std::remove(CopiedScreens().c_str());
    rmdir(CopiedScreens().substr(0, CopiedScreens().rfind('/')).c_str());
}

// False when the rights could not be given up.
inline bool BecomeOrdinaryUser() {
    if (geteuid() != 0) return true;
    constexpr uid_t Nobody = 65534;
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    std::string value = platform != nullptr ? platform : "";
    const std::string key = "configfile=";
    if (const auto at = value.find(key); at != std::string::npos) {
        const auto start = at + key.size();
        const auto end = value.find(':', start);
        std::ifstream in(value.substr(start, end == std::string::npos ? std::string::npos : end - start));
        std::ostringstream screens;
        screens << in.rdbuf();
        char folder[] = "/tmp/kaldoventri-screens-XXXXXX";
        if (mkdtemp(folder) == nullptr) return false;
        CopiedScreens() = std::string(folder) + "/screens.json";
        std::ofstream(CopiedScreens()) << screens.str();
        // Owned by the ordinary user, who removes them at the end.
        if (chown(folder, Nobody, Nobody) != 0 || chown(CopiedScreens().c_str(), Nobody, Nobody) != 0) return false;
        value.replace(start, end == std::string::npos ? std::string::npos : end - start, CopiedScreens());
        setenv("QT_QPA_PLATFORM", value.c_str(), 1);
        std::atexit(RemoveCopiedScreens);
    }
    return setgid(Nobody) == 0 && setuid(Nobody) == 0;
}

}  // namespace kaldoventri::testing
