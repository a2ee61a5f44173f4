#include "platform/Databestand.h"

#include "platform/Bestand.h"
#include "platform/Proces.h"

#include <filesystem>

namespace rcveltor::platform {

std::string ZoekDatabestand(const std::string& werkmap, std::string_view naam) {
    const std::filesystem::path inWerkmap = PadUitUtf8(werkmap) / PadUitUtf8(naam);
#ifdef _WIN32
    std::error_code fout;
    if (!std::filesystem::is_regular_file(inWerkmap, fout)) {
        const std::filesystem::path map = EigenMap();
        if (!map.empty() && std::filesystem::is_regular_file(map / PadUitUtf8(naam), fout)) {
            return Utf8(map / PadUitUtf8(naam));
        }
    }
#endif
    return Utf8(inWerkmap);
}

} // namespace rcveltor::platform
