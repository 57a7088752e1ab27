#include "options/ui/DialogCommands.h"

#include "base/ui/CommandRegistry.h"
#include "base/ui/ProgramWindow.h"
#include "options/ui/COptionalFeaturesDlg.h"
#include "options/ui/CSideKeyDlg.h"
#include "resources/CommandIds.h"
#include "resources/ui/TemplateDialog.h"

namespace tevano {

void AddDialogCommands(CommandRegistry& registry, const DialogCommandContext& context) {
    registry.AddCommand(res::cmd::kOptionalFeatures, [context] {
        RunTemplateDialog<COptionalFeaturesDlg>(context.module, res::ids::kOptionalFeaturesDialog,
                                                context.window.Widget(), context.document);
    });
    registry.AddCommand(res::cmd::kSideKey, [context] {
        RunTemplateDialog<CSideKeyDlg>(context.module, res::ids::kSideKeyDialog,
                                       context.window.Widget(), context.document);
    });
}

} // namespace tevano
