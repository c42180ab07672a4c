// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/help_launcher.h"

#include <QCoreApplication>
#include <QDir>
#include <QKeySequence>
#include <QProcess>
#include <QShortcut>
#include <QWidget>

#include "core/settings/installation.h"
#include "gui/message_box.h"

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

// This file's texts, under one context for the translators.
struct HelpLauncherText {
    Q_DECLARE_TR_FUNCTIONS(HelpLauncher)
};

}  // namespace

void showHelp(QWidget* parent, const QString& topic) {
    // Detached, with no owner: the help window outlives the program.
    const QString viewer = installation::helpViewer();
    QStringList arguments;
    if (!topic.isEmpty())
        arguments << u"--topic"_s << topic;
    // The viewer reports a missing or damaged help file itself; only a viewer
    // that does not start at all is told here, or help would silently fail.
    if (!QProcess::startDetached(viewer, arguments)) {
        MessageBox::tell(parent,
                         HelpLauncherText::tr(
                             "Help cannot be shown: the help viewer \"%1\" could not be started.")
                             .arg(QDir::toNativeSeparators(viewer)),
                         {}, MessageBox::Icon::Warning);
    }
}

void setHelpTopic(QWidget* window, const QString& topic) {
    QObject::connect(new QShortcut(QKeySequence::HelpContents, window), &QShortcut::activated,
                     window, [window, topic] { showHelp(window, topic); });
}

}  // namespace pelicast
