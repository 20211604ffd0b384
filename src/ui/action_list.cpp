#include "ui/action_list.h"

#include <algorithm>

namespace quorvel {

void ActionList::Add(std::string name, Shortcut shortcut, std::function<void()> execute) {
    if (Action* existing = Find(name)) {
        *existing = Action{std::move(name), shortcut, std::move(execute), {}, {}, true};
        return;
    }
    actions_.push_back(Action{std::move(name), shortcut, std::move(execute), {}, {}, true});
}

void ActionList::SetHandler(std::string_view name, std::function<void()> execute) {
    if (Action* action = Find(name)) action->execute = std::move(execute);
}

void ActionList::SetEnableRule(std::string_view name, std::function<bool()> rule) {
    if (Action* action = Find(name)) action->rule = std::move(rule);
}

void ActionList::Link(std::string_view name, Control& control) {
    if (Action* action = Find(name)) {
        action->linked.push_back(&control);
        control.SetEnabled(action->enabled);
    }
}

bool ActionList::Has(std::string_view name) const {
    return Find(name) != nullptr;
}

bool ActionList::Enabled(std::string_view name) const {
    const Action* action = Find(name);
    return action && action->enabled;
}

bool ActionList::Execute(std::string_view name) {
    Action* action = Find(name);
    return action && Run(*action);
}

bool ActionList::HandleShortcut(Shortcut shortcut) {
    if (shortcut == kNoShortcut) return false;
    for (Action& action : actions_)
        if (action.shortcut == shortcut) return Run(action);
    return false;
}

void ActionList::Update() {
    for (Action& action : actions_) UpdateOne(action);
}

void ActionList::UpdateOne(Action& action) {
    if (!action.rule) return;
    const bool enabled = action.rule();
    if (enabled == action.enabled) return;
    action.enabled = enabled;
    for (Control* control : action.linked) control->SetEnabled(enabled);
}

// The state may have changed since the last idle update (a selection made by code), so
// the rule decides at the moment of the call, as it would for the user.
bool ActionList::Run(Action& action) {
    UpdateOne(action);
    if (!action.enabled || !action.execute) return false;
    action.execute();
    return true;
}

ActionList::Action* ActionList::Find(std::string_view name) {
    auto it = std::find_if(actions_.begin(), actions_.end(),
                           [&](const Action& action) { return action.name == name; });
    return it == actions_.end() ? nullptr : &*it;
}

const ActionList::Action* ActionList::Find(std::string_view name) const {
    return const_cast<ActionList*>(this)->Find(name);
}

}  // namespace quorvel
