// Where each subsystem registers the commands it carries out, by the command id that menu items,
// toolbar buttons and accelerators send, and what it keeps up to date before a menu opens.
#pragma once

#include <functional>

namespace tevano {

class CommandRegistry {
public:
    virtual ~CommandRegistry() = default;

    // The handler runs whenever the command is given; one handler per command.
    virtual void AddCommand(int commandId, std::function<void()> handler) = 0;
    // Runs before a menu opens, so that check marks and enabled states are up to date.
    virtual void AddMenuUpdate(std::function<void()> update) = 0;

protected:
    CommandRegistry() = default;
    CommandRegistry(const CommandRegistry&) = default;
    CommandRegistry& operator=(const CommandRegistry&) = default;
};

} // namespace tevano
