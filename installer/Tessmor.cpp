// The two entry points the installer calls. Whatever goes wrong inside is reported on
// standard error and never reaches the installer: both always return 0.
#include "installer/FExeption.h"
#include "installer/FolderCopier.h"
#include "installer/InstallerVariables.h"
#include "installer/RegistryCopier.h"

#include <cstdint>
#include <exception>

#define TESSMOR_EXPORT extern "C" __attribute__((visibility("default")))

namespace {
// Where the old and the current company folders lie when the installer passes nothing.
constexpr const char* kFallbackSource = "/opt/Korvel";
constexpr const char* kFallbackDestination = "/opt/Halvenik";

template <class F> void RunGuarded(F&& action) noexcept {
    try {
        action();
    } catch (const std::exception& e) {
        ReportCopyError(e.what());
    } catch (...) {
        ReportCopyError("unexpected error");
    }
}
} // namespace

TESSMOR_EXPORT std::int32_t Halvenik_CopyRegistryKey(const void* pBlock) {
    RunGuarded([pBlock] {
        const std::string strOld = GetInstallerVariable(pBlock, "REG_KEY_OLD");
        const std::string strNew = GetInstallerVariable(pBlock, "REG_KEY_NEW");
        RunGuarded([&] { CRegistryCopier(UserHive()).CopyKey(strOld, strNew); });
        RunGuarded([&] { CRegistryCopier(MachineHive()).CopyKey(strOld, strNew); });
    });
    return 0;
}

TESSMOR_EXPORT std::int32_t Halvenik_CopyFolder(const void* pBlock) {
    RunGuarded([pBlock] {
        std::string strSource = kFallbackSource;
        std::string strDestination = kFallbackDestination;
        if (pBlock != nullptr) {
            strSource = GetInstallerVariable(pBlock, "INSTALLED_COMPANY_FOLDER");
            strDestination = GetInstallerVariable(pBlock, "MAIN_COMPANY_FOLDER");
        }
        CFolderCopier().Copy(strSource, strDestination);
    });
    return 0;
}
