// The channel form: the "Type", "Field" and "Manul Setting" lists above the 128-channel grid,
// built from the form template of the language in force, with the overlay controls that
// editing places over a cell. It shows the document's image and writes the grid back into it.
#pragma once

#include "base/Language.h"
#include "base/Messages.h"
#include "grid/ChannelForm.h"
#include "grid/csv/CsvBandCheck.h"
#include "grid/ui/QtChoiceList.h"
#include "image/ToneTable.h"
#include "image/ui/DocumentView.h"
#include "resources/ResourceTypes.h"
#include "resources/ui/DialogBuilder.h"

#include <QWidget>

#include <map>
#include <memory>

class QComboBox;
class QLineEdit;

namespace tevano {

class CMSFlexGrid;
class CTevDoc;
class GridEditing;
class GridUndo;

class CTevView : public QWidget, public DocumentView {
    Q_OBJECT

public:
    CTevView(CTevDoc& document, const ToneTable& tones, const res::DialogTemplate& form,
             QWidget* parent = nullptr);
    ~CTevView() override;

    // Shows the document: the first time it also makes the overlays and sizes the columns.
    void OnInitialUpdate() override;

    // The grid and the three lists, for decode, encode and the report.
    ChannelForm& Form() override { return *form_; }
    CMSFlexGrid& Grid() { return *grid_; }
    CTevDoc& Document() { return document_; }

    // The serial port the next exchange uses: "COM1" to "COM4", "COM1" at every start.
    const std::string& PortName() const { return portName_; }
    void SetPortName(const std::string& name) { portName_ = name; }

    // The language switch's refresh of the form: labels, headers, cell words and lists.
    void RefreshLanguage(Language language);

    // The overlay controls of the grid (frequency edit, name edit, tone list, the option lists).
    QLineEdit* FrequencyEdit() const { return frequencyEdit_; }
    QLineEdit* NameEdit() const { return nameEdit_; }
    QComboBox* ToneList() const { return toneList_; }
    QComboBox* OverlayList(int column) const;

    QWidget* Control(int id) const { return built_->Control(id); }

    // Commits the cell being edited into the grid, as leaving the cell does.
    void Commit();

    // Shows a document that has just come in (New, Open, a read): channel 1 at the top, the
    // current cell on its receive frequency, nothing being edited.
    void ShowFromChannelOne();

    // Loads the current cell's overlay again from the cell, after the grid changed under it (a
    // new document, a read, an import, undo), so that a later commit never writes back old text.
    void ReloadCurrentCell();

    // Whether the overlay being edited holds something that committing would put into the grid
    // (typing, another pick), rather than what its cell already shows.
    bool EditingHoldsChange() const;
    // Puts the overlay being edited away without committing it.
    void DropEditing();

    // Undo and redo of the channels, the lists and the image's settings.
    GridUndo& Undo() { return *undo_; }

signals:
    // The user picked another entry in one of the form's lists.
    void FormListChanged();
    // An edit changed the text of a channel cell.
    void CellChanged();
    // Editing refused what was typed; the message is shown with an OK button.
    void EditMessage(tevano::MessageId id);
    // The help text for the status bar, for the control under the mouse.
    void StatusHelp(const QString& text);
    // A note for the status bar: a frequency typed outside the "Field" band.
    void Note(const QString& text);
    // A message with an OK button: channels outside the band of a "Field" entry just picked.
    void Warning(const QString& text);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void MakeOverlays();
    // The channels (all when `row` is 0) with a frequency outside the "Field" band.
    CsvBandCheck BandCheck(int row) const;
    void HideOverlays();
    void FitGrid();

    CTevDoc& document_;
    const ToneTable& tones_;
    std::unique_ptr<BuiltDialog> built_;
    QRect gridTemplateRect_;
    QSize formSize_;
    CMSFlexGrid* grid_ = nullptr;
    std::unique_ptr<QtChoiceList> type_;
    std::unique_ptr<QtChoiceList> field_;
    std::unique_ptr<QtChoiceList> manual_;
    std::unique_ptr<ChannelForm> form_;
    bool overlaysMade_ = false;
    QLineEdit* frequencyEdit_ = nullptr;
    QLineEdit* nameEdit_ = nullptr;
    QComboBox* toneList_ = nullptr;
    std::map<int, QComboBox*> overlayLists_; // by grid column, 5 to 11
    std::unique_ptr<GridEditing> editing_;
    std::unique_ptr<GridUndo> undo_;
    std::string portName_ = "COM1";
};

} // namespace tevano
