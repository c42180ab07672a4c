#pragma once

#include <QStringList>

#include "platform/shell.h"

namespace pelicast::fakes {

// Shell that reports a configured browser and records what it starts.
class FakeShell : public platform::Shell {
public:
    long FindExecutable(const QString& file, const QString&, QString* executable) override {
        lookedUp.append(file);
        if (browser.isEmpty())
            return 2;
        *executable = browser;
        return 42;
    }
    long ShellExecute(QWidget*, const QString& operation, const QString& file,
                      const QString& parameters, const QString&, int) override {
        executed.append(operation + '|' + file + '|' + parameters);
        return launchResult;
    }
    bool StartProgram(const QString& path) override {
        started.append(path);
        return startSucceeds;
    }
    QString FindSystemInformationProgram() override { return systemInformation; }

    QString browser = QStringLiteral("/usr/bin/browser");
    long launchResult = 42;
    bool startSucceeds = true;
    QString systemInformation;
    QStringList lookedUp, executed, started;
};

}  // namespace pelicast::fakes
