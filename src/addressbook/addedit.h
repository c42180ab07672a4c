#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class addedit;
}

namespace pelicast {

namespace platform {
class ComponentFactory;
class Dialogs;
}  // namespace platform

class LenientAddressBook;

// The contact editor: one contact's first and last name, mobile number and
// e-mail address, added to the address book or changed there. Hidden, not
// closed, by "OK" and "Cancel", so it keeps what it shows.
class addedit : public QDialog {
    Q_OBJECT

public:
    addedit(platform::Dialogs& dialogs, platform::ComponentFactory& components,
            QWidget* parent = nullptr);
    ~addedit() override;

    // "" prepares a new contact; a ContactLabel loads the first record that
    // gives it. A label no record gives leaves the editor as it was.
    void cdetails(const QString& label);

Q_SIGNALS:
    // A save went through (or was tried); the picker rebuilds its list.
    void saved();

protected:
    bool event(QEvent* event) override;

private:
    void OK_Click();
    void Cancel_Click();

    bool selectRecordToChange(LenientAddressBook& book, int count);
    void writeFields(LenientAddressBook& book);

    std::unique_ptr<Ui::addedit> ui_;
    platform::Dialogs& dialogs_;
    platform::ComponentFactory& components_;
    // Index of the record the boxes were loaded from, -1 for a new contact.
    int loadedIndex_ = -1;
};

}  // namespace pelicast
