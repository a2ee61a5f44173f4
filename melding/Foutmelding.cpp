#include "melding/Foutmelding.h"

#include "melding/Eigenaar.h"

#include <QMessageBox>

namespace rcveltor::melding {

QString MetPunt(const QString& melding) {
    if (!melding.isEmpty() && melding.back() > QLatin1Char('.')) {
        return melding + QLatin1Char('.');
    }
    return melding;
}

void ToonFoutmelding(QWidget* ouder, const QString& melding) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("RcVeltor"), MetPunt(melding),
                    QMessageBox::Ok, Eigenaar(ouder));
    box.exec();
}

} // namespace rcveltor::melding
