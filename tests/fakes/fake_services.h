#pragma once

#include <functional>

#include "fakes/fake_application_object.h"
#include "fakes/fake_help_service.h"
#include "fakes/fake_registry.h"
#include "fakes/fake_settings_store.h"
#include "fakes/fake_shell.h"
#include "fakes/fake_transfer.h"
#include "fakes/scripted_dialogs.h"
#include "platform/address_book_component.h"
#include "platform/services.h"

namespace pelicast::fakes {

// Creates address books through `create`; with none set, creation fails the
// way an unregistered component does.
class FakeComponentFactory : public platform::ComponentFactory {
public:
    std::unique_ptr<platform::AddressBookComponent> CreateAddressBook(
        const QString& progId) override {
        ++creations;
        if (!create)
            throw platform::ComponentError(
                QStringLiteral("Cannot create the component \"%1\".").arg(progId));
        return create(progId);
    }
    std::function<std::unique_ptr<platform::AddressBookComponent>(const QString&)> create;
    int creations = 0;
};

// One of every fake, bundled the way main() bundles the real services.
struct FakeServices {
    FakeSettingsStore settings;
    FakeRegistry registry;
    FakeTransfer inet;
    ScriptedDialogs dialogs;
    FakeApplicationObject app;
    FakeShell shell;
    FakeHelpService help;
    FakeComponentFactory components;

    platform::Services services() {
        return {settings, registry, inet, dialogs, app, shell, help, components};
    }
};

}  // namespace pelicast::fakes
