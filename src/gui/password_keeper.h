// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QQueue>
#include <QString>

#include "core/settings/keyring.h"

class QCheckBox;
class QLineEdit;
class QWidget;

namespace pelicast {

class Settings;

// Where the window's remembered password is kept: in the desktop's keyring,
// one entry per account, or, where no keyring can be used, scrambled in the
// settings file as it always was. Fills the password field at start and when
// the account changes, keeps or forgets the password on Send, moves one that
// the file still holds into the keyring, and tells the user where it is.
class PasswordKeeper : public QObject {
    Q_OBJECT
public:
    PasswordKeeper(Settings& settings, QLineEdit* user, QLineEdit* password, QCheckBox* remember,
                   QWidget* window);

    // The password the file holds, at once: the keyring is asked only once
    // the window is painted (lookUp()).
    void restore();
    // Asks the keyring for the password of the account in the user field,
    // unless it was asked already. The answer fills the password field and
    // ticks "Remember Password", unless the user typed a password meanwhile.
    void lookUp();
    // Waits for the keyring's answer about the account in the user field,
    // asking it first if need be, at most Keyring::kPatience at a time; then
    // the user chooses to wait again or go on without it.
    void finishLookUp();
    // Send: keeps `password` for `user` where "Remember Password" asks for
    // it, else removes it from the file and the keyring.
    void store(const QString& user, const QString& password, bool remember);

private:
    enum class Availability { Unknown, Available, Unavailable };
    struct Writing {
        QString password;
        bool moving;  // from the file, where it is cleared once the keyring holds it
    };

    void takeAnswer(Keyring::Task task, const QString& account, const QString& password);
    void takeFailure(Keyring::Task task, const QString& account, const QString& reason);
    void fill(const QString& account, const QString& password);
    void write(const QString& account, const QString& password, bool moving);
    // Once, until a keyring keeps the password again.
    void tellFileKeeps(const QString& account, const QString& reason);
    void tellLater(const QString& text);

    Settings& settings_;
    Keyring keyring_;
    QLineEdit* user_;
    QLineEdit* password_;
    QCheckBox* remember_;
    QWidget* window_;
    Availability availability_ = Availability::Unknown;
    QString unavailableReason_;
    // The account last asked for, and how many reads are still out.
    QString lookedUp_;
    int readsOut_ = 0;
    // The account whose remembered password the field shows, if any.
    QString filledFor_;
    QQueue<Writing> writes_;
};

}  // namespace pelicast
