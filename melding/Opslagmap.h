#pragma once

#include <QString>

namespace rcveltor::melding {

// The folder a file dialog starts in: the last one used, else the documents
// folder, else the home folder. A folder that does not exist is skipped: a
// dialog would offer its name as the file name.
QString OpslagMap(const QString& laatste);

} // namespace rcveltor::melding
