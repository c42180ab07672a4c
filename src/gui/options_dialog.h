// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QButtonGroup>
#include <QDialog>
#include <memory>

#include "common/expected.h"
#include "core/gateway/connection_settings.h"
#include "core/settings/preferences.h"

namespace pelicast {

class Settings;
struct SchedulePreferences;

namespace Ui {
class OptionsDialog;
}

// The connection options: transport (HTTPS or plain HTTP) and proxy mode,
// and the checks before sending (default region of the recipients' numbers,
// the recipient check, a second question above a cost), and when scheduled
// messages may go (quiet hours, late batches). It shows the stored
// choices as they were when it opened and keeps nothing of its own; OK and
// Apply save the choices and emit connectionChanged(), so the main window
// applies them at once, or saveFailed() when they cannot be saved.
class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit OptionsDialog(Settings& settings, QWidget* parent = nullptr);
    ~OptionsDialog() override;

    // Saves the choices and emits connectionChanged(); false when they
    // cannot be saved, or (the transport saved all the same) when the custom
    // proxy lacks its address or port.
    bool applyOptions();

Q_SIGNALS:
    void connectionChanged();
    // With the reason; the dialog stays open with the choices as chosen.
    void saveFailed(const QString& reason);

private:
    void showStoredChoices();
    void enableProxyFields(bool enabled);
    void showStoredPreferences();
    Preferences chosenPreferences() const;
    Expected<SchedulePreferences> chosenSchedule() const;

    std::unique_ptr<Ui::OptionsDialog> ui_;
    Settings& settings_;
    ConnectionSettings stored_;
    QButtonGroup proxyButtons_;
    bool regionChosen_ = false;  // stored as chosen, or picked here
};

}  // namespace pelicast
