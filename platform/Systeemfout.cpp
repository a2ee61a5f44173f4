#include "platform/Systeemfout.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#endif

namespace rcveltor::platform {

std::string Foutreden(unsigned long code) {
    switch (code) {
#ifdef _WIN32
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
        return "Niet gevonden";
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT:
        return "Geen toestemming";
    case ERROR_DIRECTORY:
        return kIsEenMap;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return "De schijf is vol";
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_BUFFER_OVERFLOW:
        return "De naam is te lang";
#else
    case ENOENT:
    case ENOTDIR:
        return "Niet gevonden";
    case EACCES:
    case EPERM:
    case EROFS:
        return "Geen toestemming";
    case EISDIR:
        return kIsEenMap;
    case ENOSPC:
    case EDQUOT:
        return "De schijf is vol";
    case ENAMETOOLONG:
        return "De naam is te lang";
#endif
    default:
        return "foutcode " + std::to_string(code);
    }
}

} // namespace rcveltor::platform
