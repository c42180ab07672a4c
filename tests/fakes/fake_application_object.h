#pragma once

#include "platform/application_object.h"

namespace pelicast::fakes {

class FakeApplicationObject : public platform::ApplicationObject {
public:
    QString Title() const override { return title; }
    int Major() const override { return 0; }
    int Minor() const override { return 8; }
    int Revision() const override { return 4; }
    QString Path() const override { return path; }
    QString HelpFile() const override { return helpFile; }
    void SetHelpFile(const QString& file) override { helpFile = file; }

    QString title = QStringLiteral("Pelicast");
    QString path = QStringLiteral("/opt/pelicast");
    QString helpFile;
};

}  // namespace pelicast::fakes
