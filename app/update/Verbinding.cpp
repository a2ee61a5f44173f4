#include "app/update/Verbinding.h"

#include <QNetworkInformation>
#include <QNetworkInterface>
#include <algorithm>

namespace rcveltor::update {

bool InternetVerbonden() {
    // Not loadDefaultBackend(): that one insists on a system D-Bus.
    static const bool geladen =
        QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability);
    if (geladen && QNetworkInformation::instance() != nullptr) {
        switch (QNetworkInformation::instance()->reachability()) {
        case QNetworkInformation::Reachability::Online:
        case QNetworkInformation::Reachability::Site:
            return true;
        case QNetworkInformation::Reachability::Disconnected:
        case QNetworkInformation::Reachability::Local:
            return false;
        case QNetworkInformation::Reachability::Unknown:
            break;
        }
    }
    const auto interfaces = QNetworkInterface::allInterfaces();
    return std::any_of(interfaces.begin(), interfaces.end(), [](const QNetworkInterface& i) {
        const auto vlaggen = i.flags();
        return vlaggen.testFlag(QNetworkInterface::IsUp) &&
               vlaggen.testFlag(QNetworkInterface::IsRunning) &&
               !vlaggen.testFlag(QNetworkInterface::IsLoopBack);
    });
}

} // namespace rcveltor::update
