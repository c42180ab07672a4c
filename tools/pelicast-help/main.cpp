#include <QApplication>
#include <QMessageBox>
#include <cstdio>

#include "help_window.h"

namespace {

int Fail(const QString& message, int code) {
    QMessageBox::critical(nullptr, QStringLiteral("Pelicast Help"), message);
    return code;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("pelicast-help"));
    QApplication::setApplicationDisplayName(QStringLiteral("Pelicast Help"));

    using namespace pelicast::help;
    const ParsedArguments parsed = ParseViewerArguments(QApplication::arguments());
    if (std::holds_alternative<UsageRequest>(parsed)) {
        std::fputs(qPrintable(ViewerUsage()), stdout);
        return 0;
    }
    if (const auto* wrong = std::get_if<ArgumentError>(&parsed)) {
        std::fputs(qPrintable(wrong->message + QLatin1Char('\n') + ViewerUsage()), stderr);
        return Fail(wrong->message + QStringLiteral("\n\n") + ViewerUsage(), 2);
    }
    QString error;
    const std::unique_ptr<HelpWindow> window =
        OpenHelpWindow(std::get<ViewerRequest>(parsed), &error);
    if (!window)
        return Fail(error, 1);
    window->show();
    return QApplication::exec();
}
