// A modal dialog built from a template of the resource module in force: every dialog is built
// from the template of the language in force when it opens.
#pragma once

#include "shell/ResourceModule.h"

#include <utility>

class QWidget;

namespace tevano {

// Makes the dialog from the template (with the arguments, then the parent) and runs it; nothing
// when the module has no such template.
template <class Dialog, class... Args>
void RunTemplateDialog(const ResourceModule& module, int templateId, QWidget* parent,
                       Args&&... args) {
    if (const res::DialogTemplate* dialog = module.FindDialog(templateId)) {
        Dialog shown(*dialog, std::forward<Args>(args)..., parent);
        shown.exec();
    }
}

} // namespace tevano
