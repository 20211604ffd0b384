#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/controls.h"
#include "platform/layout.h"

namespace quorvel {

// The named actions of a window: the units of behaviour that buttons, menus, shortcuts
// and messages run by name. An action may have a shortcut and an enable rule; the rule
// is evaluated by Update (run when the program is idle) and sets the enabled state of
// the action and of the controls linked to it. A disabled action does not run.
class ActionList {
  public:
    // Adds an action; a name given twice replaces the earlier action.
    void Add(std::string name, Shortcut shortcut, std::function<void()> execute);
    void SetHandler(std::string_view name, std::function<void()> execute);
    void SetEnableRule(std::string_view name, std::function<bool()> rule);
    void Link(std::string_view name, Control& control);

    bool Has(std::string_view name) const;
    bool Enabled(std::string_view name) const;

    // Runs the action when it exists and is enabled (its rule evaluated first); true when
    // it ran.
    bool Execute(std::string_view name);
    // Runs the action that has this shortcut; true when one ran (the key is then taken).
    bool HandleShortcut(Shortcut shortcut);
    void Update();

  private:
    struct Action {
        std::string name;
        Shortcut shortcut = kNoShortcut;
        std::function<void()> execute;
        std::function<bool()> rule;
        std::vector<Control*> linked;
        bool enabled = true;
    };
    Action* Find(std::string_view name);
    const Action* Find(std::string_view name) const;
    static void UpdateOne(Action& action);
    static bool Run(Action& action);

    std::vector<Action> actions_;
};

}  // namespace quorvel
