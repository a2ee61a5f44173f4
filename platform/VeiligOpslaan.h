#pragma once

#include "platform/Systeemfout.h"

#include <filesystem>
#include <span>

namespace rcveltor::platform {

// Saves `inhoud` as the file at `pad` so that the file is at every moment
// either the old one or the new one whole: written to a new file of its own
// beside it (created exclusively, so nothing planted there is followed), on
// disk, and then renamed over it. A link is written through to the file it
// points to; an existing file keeps its permissions. Throws TBestandsfout and
// then leaves the old file as it was.
void SlaVeiligOp(const std::filesystem::path& pad, std::span<const unsigned char> inhoud);

} // namespace rcveltor::platform
