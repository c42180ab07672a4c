// SPDX-License-Identifier: GPL-3.0-or-later
#include "http_front.h"

#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QMetaEnum>
#include <QTextStream>

#include "gateway_service.h"

namespace pelicast::gateway {

namespace {

QByteArray methodName(QHttpServerRequest::Method method) {
    return QByteArray(QMetaEnum::fromType<QHttpServerRequest::Method>().valueToKey(int(method)))
        .toUpper();
}

}  // namespace

bool HttpFront::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) {
    const QByteArray method = methodName(request.method());
    const QString path = request.url().path();
    const Response response =
        service_.handle(method, path, request.value("Content-Type"), request.body());
    makeResponder(request, socket)
        .write(response.body, response.contentType,
               QHttpServerResponder::StatusCode(response.status));
    QTextStream(stderr) << label_ << ' ' << method << ' ' << path << ' ' << response.status
                        << Qt::endl;
    return true;
}

void HttpFront::missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) {
    // Not reached: every request is handled above.
    makeResponder(request, socket).write(QHttpServerResponder::StatusCode::NotFound);
}

}  // namespace pelicast::gateway
