#include "options/ui/DialogCommands.h"

#include "grid/ui/CTevView.h"
#include "image/ui/CTevDoc.h"
#include "options/ui/COptionalFeaturesDlg.h"
#include "options/ui/CSideKeyDlg.h"
#include "report/ui/ReportPrintCommands.h"
#include "resources/CommandIds.h"
#include "shell/ui/CMainFrame.h"
#include "shell/ui/CTevApp.h"
#include "testmode/ui/CTestModeDlg.h"
#include "testmode/ui/CalibrationStart.h"

namespace tevano {

namespace {

// Every dialog is built from the template of the language in force when it opens.
template <class Dialog, class... Args>
void RunDialog(CTevApp& app, int templateId, Args&&... args) {
    if (const res::DialogTemplate* dialog = app.Module().FindDialog(templateId)) {
        Dialog shown(*dialog, std::forward<Args>(args)..., app.MainFrame());
        shown.exec();
    }
}

} // namespace

void AddDialogCommands(CTevApp& app) {
    app.AddCommand(res::cmd::kOptionalFeatures, [&app] {
        RunDialog<COptionalFeaturesDlg>(app, res::ids::kOptionalFeaturesDialog, *app.Document());
    });
    app.AddCommand(res::cmd::kSideKey, [&app] {
        RunDialog<CSideKeyDlg>(app, res::ids::kSideKeyDialog, *app.Document());
    });
    app.AddCommand(res::cmd::kTestMode, [&app] {
        // The test frequencies follow the band picked in the form's "Field" list; the port is
        // the one chosen now, whatever the Port menu says while the dialog is open.
        CTevView& view = *app.View();
        const double baseMHz = TestModeModel::BaseFromBandText(view.Form().field.CurrentText());
        RunDialog<CTestModeDlg>(app, res::ids::kTestModeDialog, app.Tones(), baseMHz, app.Prompts(),
                                CalibrationOnPort(view.PortName(), app.Ini(), app.Prompts()));
    });
    AddPrintCommands(app);
}

} // namespace tevano
