#pragma once

#include <QList>

#include "platform/help_service.h"

namespace pelicast::fakes {

class FakeHelpService : public platform::HelpService {
public:
    struct Call {
        QWidget* owner;
        QString file;
        unsigned command;
        std::intptr_t data;
    };
    void HtmlHelp(QWidget* owner, const QString& file, unsigned command,
                  std::intptr_t data) override {
        calls.append({owner, file, command, data});
    }
    QList<Call> calls;
};

}  // namespace pelicast::fakes
