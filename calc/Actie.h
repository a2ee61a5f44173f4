#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace rcveltor {

// One user action on the screens. An error ends it and is reported once;
// what the action changed before it stays. The window and both
// command-line replays (options, calculation file) run every action so.
// Any std::exception counts: the window has always shown each one. The
// action runs at the x87 unit's full precision, on whatever thread.
std::optional<std::string> VoerActieUit(const std::function<void()>& actie);

// The same, the message appended to `fouten`. True when the action ran to
// its end.
bool VoerActieUit(const std::function<void()>& actie, std::vector<std::string>& fouten);

} // namespace rcveltor
