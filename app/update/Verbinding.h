#pragma once

namespace rcveltor::update {

// Whether the machine has a connection that may reach the Internet: the
// system's network information where a backend loads, otherwise whether any
// interface other than loopback is up and running. Either can say yes
// without a real route out, so the check that follows must fail fast.
bool InternetVerbonden();

} // namespace rcveltor::update
