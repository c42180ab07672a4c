#include "app/form_body.h"

#include <QUrl>

namespace pelicast {

FormBody& FormBody::add(const QString& name, const QString& value) {
    if (!text_.isEmpty())
        text_ += QLatin1Char('&');
    text_ += name + QLatin1Char('=') + QString::fromLatin1(QUrl::toPercentEncoding(value));
    return *this;
}

}  // namespace pelicast
