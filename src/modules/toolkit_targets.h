#pragma once

#include "modules/host_interfaces.h"
#include "platform/controls.h"
#include "platform/form.h"

namespace quorvel {

// The editor window (TForm2's window) as the settings step uses it.
class FormModuleEditor : public ModuleEditor {
  public:
    explicit FormModuleEditor(Form& form) : form_(form) {}

    NativeHandle Window() override { return form_.Handle(); }
    int Left() override { return form_.Position().x; }
    int Top() override { return form_.Position().y; }
    void Hide() override { form_.Hide(); }
    void Show() override { form_.Show(); }

  private:
    Form& form_;
};

// The editor's `Plugin` list (a sorted drop-down list) as LoadPlugin fills it.
class ItemListTarget : public ActionListTarget {
  public:
    explicit ItemListTarget(ItemList& list) : list_(list) {}

    void Clear() override { list_.Clear(); }
    void Add(const std::string& text) override { list_.Add(text); }
    int Count() override { return list_.Count(); }
    void Select(int index) override { list_.SetItemIndex(index); }

  private:
    ItemList& list_;
};

}  // namespace quorvel
