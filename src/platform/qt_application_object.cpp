#include "platform/qt_application_object.h"

#include <QCoreApplication>

namespace pelicast::platform {

QString QtApplicationObject::Title() const {
    return QStringLiteral("Pelicast");
}
int QtApplicationObject::Major() const {
    return 0;
}
int QtApplicationObject::Minor() const {
    return 8;
}
int QtApplicationObject::Revision() const {
    return 4;
}
QString QtApplicationObject::Path() const {
    return QCoreApplication::applicationDirPath();
}

}  // namespace pelicast::platform
