// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/password_keeper.h"

#include <QCheckBox>
#include <QEventLoop>
#include <QLineEdit>
#include <QTimer>

#include "core/settings/settings.h"
#include "gui/message_box.h"

using namespace Qt::StringLiterals;

namespace pelicast {

PasswordKeeper::PasswordKeeper(Settings& settings, QLineEdit* user, QLineEdit* password,
                               QCheckBox* remember, QWidget* window)
    : QObject(window),
      settings_(settings),
      user_(user),
      password_(password),
      remember_(remember),
      window_(window) {
    connect(&keyring_, &Keyring::done, this, &PasswordKeeper::takeAnswer);
    connect(&keyring_, &Keyring::failed, this, &PasswordKeeper::takeFailure);
    connect(user_, &QLineEdit::editingFinished, this, &PasswordKeeper::lookUp);
}

void PasswordKeeper::restore() {
    const QString kept = settings_.scrambledValue(keys::kPassword);
    password_->setText(kept);
    remember_->setChecked(!kept.isEmpty());
    filledFor_ = kept.isEmpty() ? QString() : user_->text();
}

void PasswordKeeper::lookUp() {
    const QString account = user_->text();
    if (account.isEmpty() || account == lookedUp_ || availability_ == Availability::Unavailable)
        return;
    // What was typed for the account before is no answer for this one.
    if (!lookedUp_.isEmpty())
        password_->setModified(false);
    lookedUp_ = account;
    ++readsOut_;
    keyring_.read(account);
}

void PasswordKeeper::finishLookUp() {
    lookUp();
    while (readsOut_ > 0 && availability_ != Availability::Unavailable) {
        QEventLoop loop;
        bool timedOut = false;
        connect(&keyring_, &Keyring::done, &loop, &QEventLoop::quit);
        connect(&keyring_, &Keyring::failed, &loop, &QEventLoop::quit);
        QTimer::singleShot(Keyring::kPatience, &loop, [&] {
            timedOut = true;
            loop.quit();
        });
        // The window is painted meanwhile, but takes no clicks or keys.
        loop.exec(QEventLoop::ExcludeUserInputEvents);
        if (!timedOut || readsOut_ == 0)
            continue;
        const auto seconds = Keyring::kPatience.count();
        if (MessageBox::ask(window_,
                            tr("The desktop's keyring has not answered for %1 seconds; it may be "
                               "waiting to be unlocked.\n\nWait for it longer?")
                                .arg(seconds),
                            {}, MessageBox::Answer::Yes,
                            MessageBox::Icon::Question) != MessageBox::Answer::Yes) {
            availability_ = Availability::Unavailable;
            unavailableReason_ =
                tr("The desktop's keyring did not answer within %1 seconds.").arg(seconds);
        }
    }
}

void PasswordKeeper::store(const QString& user, const QString& password, bool remember) {
    if (!remember || password.isEmpty() || user.isEmpty()) {
        settings_.setScrambledValue(keys::kPassword, {});
        if (!remember && !user.isEmpty() && availability_ != Availability::Unavailable)
            keyring_.remove(user);
        return;
    }
    // In the file until the keyring holds it: nothing is lost should the
    // program end first, and the next start moves it.
    settings_.setScrambledValue(keys::kPassword, password);
    if (availability_ == Availability::Unavailable)
        tellFileKeeps(user, unavailableReason_);
    else
        write(user, password, false);
}

void PasswordKeeper::takeAnswer(Keyring::Task task, const QString& account,
                                const QString& password) {
    availability_ = Availability::Available;
    switch (task) {
        case Keyring::Task::Read: {
            --readsOut_;
            // The file holds a password only where no keyring could keep it,
            // so it is the newest: it goes into the keyring.
            const QString inFile = settings_.rememberedPassword(account);
            fill(account, inFile.isEmpty() ? password : inFile);
            if (!inFile.isEmpty())
                write(account, inFile, true);
            break;
        }
        case Keyring::Task::Write: {
            const Writing written = writes_.dequeue();
            if (settings_.rememberedPassword(account) == written.password)
                settings_.setScrambledValue(keys::kPassword, {});
            settings_.setChoice(keys::keyring::kFileNoticeShown, u"false"_s, u"false"_s);
            if (written.moving)
                tellLater(tr("Your remembered password for %1 is now kept in the desktop's "
                             "keyring, and no longer in Pelicast's settings file, %2.")
                              .arg(account, Settings::fileName()));
            break;
        }
        case Keyring::Task::Remove:
            break;
    }
}

void PasswordKeeper::takeFailure(Keyring::Task task, const QString& account,
                                 const QString& reason) {
    const bool wasAvailable = availability_ == Availability::Available;
    availability_ = Availability::Unavailable;
    unavailableReason_ = reason;
    switch (task) {
        case Keyring::Task::Read: {
            --readsOut_;
            if (!settings_.rememberedPassword(account).isEmpty())
                tellFileKeeps(account, reason);
            break;
        }
        case Keyring::Task::Write: {
            // Unless the user unticked "Remember Password" since.
            if (settings_.rememberedPassword(account) == writes_.dequeue().password)
                tellFileKeeps(account, reason);
            break;
        }
        case Keyring::Task::Remove:
            if (wasAvailable)
                tellLater(tr("The password for %1 could not be removed from the desktop's "
                             "keyring.\n\n%2")
                              .arg(account, reason));
            break;
    }
}

void PasswordKeeper::fill(const QString& account, const QString& password) {
    if (account != user_->text() || password_->isModified())
        return;
    if (!password.isEmpty()) {
        password_->setText(password);
        remember_->setChecked(true);
        filledFor_ = account;
    } else if (!filledFor_.isEmpty() && filledFor_ != account) {
        password_->clear();
        filledFor_.clear();
    }
}

void PasswordKeeper::write(const QString& account, const QString& password, bool moving) {
    writes_.enqueue({password, moving});
    keyring_.write(account, password);
}

void PasswordKeeper::tellFileKeeps(const QString& account, const QString& reason) {
    if (settings_.value(keys::keyring::kFileNoticeShown) == u"true"_s)
        return;
    settings_.setValue(keys::keyring::kFileNoticeShown, u"true"_s);
    tellLater(tr("The password for %1 is kept in Pelicast's settings file, %2, because no "
                 "keyring of the desktop could keep it.\n\n%3\n\nOnly you can read that file, "
                 "but the password in it is scrambled, not encrypted: anyone who can read the "
                 "file or a copy of it can read the password. To keep it nowhere, untick "
                 "\"Remember Password\" before you send.")
                  .arg(account, Settings::fileName(), reason));
}

// After what the user is doing: a notice never comes between a question and
// the request it asks about.
void PasswordKeeper::tellLater(const QString& text) {
    QTimer::singleShot(0, this, [this, text] {
        MessageBox::tell(window_, text, {}, MessageBox::Icon::Information);
    });
}

}  // namespace pelicast
