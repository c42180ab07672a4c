#pragma once

#include <QDialog>
#include <QPointer>
#include <memory>

namespace Ui {
class clist;
}

namespace pelicast {

namespace platform {
class ComponentFactory;
class Dialogs;
}  // namespace platform

class PickerHost;
class addedit;

// The recipient picker: contacts or groups of the address book, each with a
// check box, turned into recipients text for the main window. Created at the
// first opening, then only hidden and shown again, so its list, ticks and
// current entry stay as the user left them.
class clist : public QDialog {
    Q_OBJECT

public:
    clist(platform::Dialogs& dialogs, platform::ComponentFactory& components, PickerHost& host,
          QWidget* parent = nullptr);
    ~clist() override;

    // What the main window's address-book controls do: busy status and
    // pointer, the picker created in `picker` when it does not exist yet
    // (loading it), then shown without blocking. Returns the picker.
    static clist* open(QPointer<clist>& picker, platform::Dialogs& dialogs,
                       platform::ComponentFactory& components, PickerHost& host,
                       QWidget* mainWindow);

    // Rebuilds the list for the chosen category.
    void con_cat_Click();

    // The contact editor, once the picker has opened it.
    addedit* editor() const { return editor_; }

protected:
    bool event(QEvent* event) override;

private:
    void Form_Load();
    void Form_Activate();
    void OKButton_Click();
    void addb_Click();
    void CancelButton_Click();
    void addcon_Click();
    void editcon_Click();
    void delcon_Click();

    // Shows the entries sorted, each with an empty check box.
    void fillList(QStringList entries);
    QString collectTicked();
    QString currentEntryText() const;
    addedit& showEditor();
    QWidget* dialogParent();

    std::unique_ptr<Ui::clist> ui_;
    platform::Dialogs& dialogs_;
    platform::ComponentFactory& components_;
    PickerHost& host_;
    addedit* editor_ = nullptr;
};

}  // namespace pelicast
