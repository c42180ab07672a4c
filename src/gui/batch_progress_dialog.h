// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <chrono>

#include "core/journal/batch_runner.h"

class QDialogButtonBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace pelicast {

// The progress of a batch being sent: requests done of all, credits spent,
// the time left and the balance the last reply stated; Stop, which lets the
// request out finish and sends no other. It only shows what it is told
// (showProgress(), which BatchRunner::progressChanged() drives, and
// showFinished()) and asks with stopRequested(). Escape and closing the window ask to stop
// too while the batch runs; once it ended they close the window.
class BatchProgressDialog : public QDialog {
    Q_OBJECT
public:
    explicit BatchProgressDialog(QWidget* parent = nullptr);

    bool isRunning() const { return running_; }
    void reject() override;

    // "about 3 min": a time left for people, "" while it is not known
    // (negative).
    static QString timeLeftText(std::chrono::milliseconds left);

public Q_SLOTS:
    // A batch of `total` requests starts, or goes on after a restart.
    void start(qint64 total);
    void showProgress(const BatchProgress& progress);
    // The batch ended (all sent, stopped, or failed): `summary` says how.
    void showFinished(const QString& summary);

Q_SIGNALS:
    void stopRequested();

private:
    void requestStop();

    QLabel* done_;
    QProgressBar* bar_;
    QLabel* credits_;
    QLabel* timeLeft_;
    QLabel* balance_;
    QLabel* summary_;
    QPushButton* stop_;
    QDialogButtonBox* buttons_;
    bool running_ = false;
};

}  // namespace pelicast
