// The test mode ("debug mode") dialog: a tree of the three test frequencies and the four
// calibration items, the frequency view and the item view it switches between, and Start, which
// sends the current item's value to the radio. The widgets only show what TestModeModel holds.
#pragma once

#include "resources/ResourceTypes.h"
#include "testmode/TestModeModel.h"

#include <QDialog>

#include <functional>
#include <map>
#include <memory>

class QComboBox;
class QTreeWidgetItem;

namespace tevano {

class BuiltDialog;
class UserPrompts;

class CTestModeDlg : public QDialog {
    Q_OBJECT

public:
    // What Start does with the inputs it took: the program runs the calibration exchange on the
    // port chosen when the dialog opened. The dialog is the parent of its message boxes.
    using StartCalibration = std::function<void(QWidget* dialog, const CalibrationRequest&)>;

    CTestModeDlg(const res::DialogTemplate& dialog, const ToneTable& tones, double baseMHz,
                 UserPrompts& prompts, StartCalibration start, QWidget* parent);
    ~CTestModeDlg() override;

    // A control by its template id (res::testmode::...), the tree's item of an entry.
    QWidget* Control(int id) const;
    QTreeWidgetItem* TreeItem(TestModeTreeItem item) const;
    const TestModeModel& Model() const { return model_; }

protected:
    // Enter rounds a frequency field, runs Default or Start on a focused button, or moves on.
    void keyPressEvent(QKeyEvent* event) override;
    // A tone list's drop-down closing stores its entry.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void MakeTree();
    void Connect();
    void ConnectSide(TestSide side);
    void OnTreeSelection(QTreeWidgetItem* item);
    void OnDefault();
    void OnStart();
    // Shows the model's state in every widget.
    void Refresh();
    void RefreshSide(TestSide side);

    TestModeModel model_;
    const ToneTable& tones_;
    UserPrompts& prompts_;
    StartCalibration start_;
    std::unique_ptr<BuiltDialog> built_;
    std::map<TestModeTreeItem, QTreeWidgetItem*> treeItems_;
    std::map<QObject*, TestSide> tonePopups_;
    // The range each tone list holds now, so that a list is refilled only when it changes.
    std::map<TestSide, ToneRange> filledRanges_;
    bool refreshing_ = false;
};

} // namespace tevano
