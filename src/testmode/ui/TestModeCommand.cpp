#include "testmode/ui/TestModeCommand.h"

#include "base/ui/CommandRegistry.h"
#include "base/ui/ProgramWindow.h"
#include "grid/ui/CTevView.h"
#include "resources/CommandIds.h"
#include "resources/ui/TemplateDialog.h"
#include "testmode/ui/CTestModeDlg.h"
#include "testmode/ui/CalibrationStart.h"

namespace tevano {

void AddTestModeCommand(CommandRegistry& registry, const TestModeCommandContext& context) {
    registry.AddCommand(res::cmd::kTestMode, [context] {
        // The test frequencies follow the band picked in the form's "Field" list; the port is
        // the one chosen now, whatever the Port menu says while the dialog is open.
        const double baseMHz =
            TestModeModel::BaseFromBandText(context.view.Form().field.CurrentText());
        RunTemplateDialog<CTestModeDlg>(context.module, res::ids::kTestModeDialog,
                                        context.window.Widget(), context.tones, baseMHz,
                                        context.prompts,
                                        CalibrationOnPort(context.view.PortName(), context.ini,
                                                          context.prompts, &context.window));
    });
}

} // namespace tevano
