#pragma once

namespace pelicast::platform {

class SettingsStore;
class Registry;
class TransferComponent;
class Dialogs;
class ApplicationObject;
class Shell;
class HelpService;
class ComponentFactory;

// The platform services a window needs, handed in from main() or a test.
struct Services {
    SettingsStore& settings;
    Registry& registry;
    TransferComponent& inet;
    Dialogs& dialogs;
    ApplicationObject& app;
    Shell& shell;
    HelpService& help;
    ComponentFactory& components;
};

}  // namespace pelicast::platform
