// The Optional Features dialog: the radio-wide functions (time-out timer, squelch, language
// announcement, VOX, priority channel, roger, beep, scrambler, battery save) and the six ID codes
// of the document's image, built from the template of the language in force. OK writes them back.
#pragma once

#include "options/OptionalFeaturesForm.h"
#include "resources/ResourceTypes.h"

#include <QDialog>

#include <memory>

namespace tevano {

class BuiltDialog;
class CTevDoc;

class COptionalFeaturesDlg : public QDialog {
    Q_OBJECT

public:
    // Shows the document's image as it stands; nothing is written to it before OK.
    COptionalFeaturesDlg(const res::DialogTemplate& dialog, CTevDoc& document, QWidget* parent);
    ~COptionalFeaturesDlg() override;

    // A control by its template id (res::features::...).
    QWidget* Control(int id) const;

    // What the controls hold now, as OK would store it.
    OptionalFeaturesState ReadControls() const;

    // OK: the controls go into the image; the document counts as changed when that changed
    // what a save would store.
    void accept() override;

protected:
    // The key filter of the "ID" field.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowState(const OptionalFeaturesState& state);

    CTevDoc& document_;
    std::unique_ptr<BuiltDialog> built_;
    QWidget* idField_ = nullptr;
};

} // namespace tevano
