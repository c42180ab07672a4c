// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <chrono>

namespace pelicast {

// The systemd user timer that sends scheduled batches while Pelicast is
// closed: pelicast-send-due.timer, installed with the program, runs
// `pelicast-send --run-due` every minute once enabled. Enabled and started
// through systemd's D-Bus API on the session bus (as `systemctl --user enable
// --now` would), the first time something is scheduled.
class DueTimer : public QObject {
    Q_OBJECT
public:
    enum class Result {
        Enabled,    // enabled and started now
        AlreadyOn,  // it was enabled; it runs
        NoSystemd,  // no systemd manages this user's services: batches go only
                    // while the window is open
        Failed,     // systemd refused; the reason says why
    };
    struct Outcome {
        Result result = Result::Failed;
        QString reason;  // for the user: why, or what it means
    };

    static constexpr auto kUnit = "pelicast-send-due.timer";
    // A systemd that does not answer in this long is as good as none.
    static constexpr std::chrono::seconds kPatience{5};

    explicit DueTimer(QObject* parent = nullptr);

    // Answered once by finished().
    void enable();
    // enable(), waited for in an event loop of its own.
    static Outcome enableNow();

    // What `outcome` means for the scheduled messages, in a sentence.
    static QString describe(const Outcome& outcome);

Q_SIGNALS:
    void finished(const pelicast::DueTimer::Outcome& outcome);

private:
    void call(const QString& method, const QVariantList& arguments,
              void (DueTimer::*next)(const QVariant& answer));
    void onState(const QVariant& answer);
    void onEnabled(const QVariant& answer);
    void onReloaded(const QVariant& answer);
    void onStarted(const QVariant& answer);
    void finish(Result result, const QString& reason = {});

    bool enabledNow_ = false;
};

}  // namespace pelicast
