// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractHttpServer>

namespace pelicast::gateway {

class GatewayService;

// Hands every HTTP request to the service and writes its response; one per
// listening transport (plain and TLS), all sharing the same service.
class HttpFront : public QAbstractHttpServer {
    Q_OBJECT

public:
    HttpFront(GatewayService& service, QString label, QObject* parent = nullptr)
        : QAbstractHttpServer(parent), service_(service), label_(std::move(label)) {}

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

private:
    GatewayService& service_;
    QString label_;
};

}  // namespace pelicast::gateway
